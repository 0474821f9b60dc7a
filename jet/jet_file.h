#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Files of the Microsoft Jet and ACE database engines (Access's .mdb and .accdb), as the
// earlier Windows program kept its weeks in them. Only the header is looked at here; the rows
// are read by orvanta-jet-reader, in a process of its own (JetReaderStream is what it writes).
namespace JetFile {

// True where the file's first bytes are a Jet or an ACE database's header.
bool isJetOrAceFile(const QString &path);
bool hasJetOrAceHeader(QByteArrayView firstBytes);

// A text as a Jet or ACE file stores it, in UTF-8. Jet 4 and ACE keep UTF-16LE or, behind
// FF FE, runs of one byte per character (U+0001..U+00FF) and of UTF-16LE, a zero byte switching
// between them; Jet 3 keeps the Windows code page (Western, 1252).
QByteArray decodeText(QByteArrayView stored, bool jet3);

// orvanta-jet-reader as it is installed: in `folder`, the program's own; by default the folder
// of the running program.
QString readerProgram(const QString &folder = {});

} // namespace JetFile

// The stream that orvanta-jet-reader writes on its standard output (rowRecord, endRecord) and
// Orvanta reads back (Parser): one record per row in the file's row order, then an end record
// with the number of rows. All numbers little-endian.
//   "OJR1"
//   'R' u32 row  u8 flags (1: a date, 2: a text)  f64 date  u32 length  UTF-8 bytes
//   'E' u32 rows
namespace JetReaderStream {

inline constexpr char kMagic[] = "OJR1";
inline constexpr char kRowTag = 'R';
inline constexpr char kEndTag = 'E';
inline constexpr quint8 kHasDate = 1;
inline constexpr quint8 kHasText = 2;
// No week's texts come near these; a longer one is a damaged or crafted file. A memo's stored
// bytes, and its text in UTF-8 (up to three bytes for each two stored).
inline constexpr quint32 kMaxStoredBytes = 64u * 1024 * 1024;
inline constexpr quint32 kMaxTextBytes = kMaxStoredBytes / 2 * 3;
inline constexpr int kRowHeaderBytes = 1 + 4 + 1 + 8 + 4;

// The reader's exit codes besides 0, each with its message on standard error.
enum ExitCode {
    NotReadable = 2,     // not a Jet or ACE file it can read
    NoCalendarTable = 3, // no tblCalendar
    OtherColumns = 4,    // tblCalendar without StartWeekDate (Date/Time) and WeekData (Memo)
};

struct Row
{
    quint32 number = 0;
    std::optional<double> date; // days since 1899-12-30, the time of day as the fraction
    std::optional<QByteArray> text;
};

QByteArray rowRecord(const Row &row);
QByteArray endRecord(quint32 rows);

// The records read back as they come, never more than one row held.
class Parser
{
public:
    enum class Next { Row, End, NeedMore, Damaged };

    void append(const QByteArray &bytes);
    Next next(Row *row);
    quint32 rowsAtEnd() const { return m_rows; }

private:
    QByteArray m_buffer;
    qsizetype m_at = 0;
    bool m_magicSeen = false;
    quint32 m_rows = 0;
};

} // namespace JetReaderStream
