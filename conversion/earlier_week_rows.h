#pragma once

#include "jet/jet_file.h"

#include <QByteArray>
#include <QDate>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// How the rows of the earlier program's table become weeks.
namespace EarlierWeeks {

// The calendar day of a stored Date/Time (days since 1899-12-30, the time of day as the
// fraction, which counts away from that day before it); none where it names no day.
std::optional<QDate> dayOf(double jetDate);

// The week a stored key stands for: a Sunday is its own; a day that is not, but is a Sunday
// with its day and month swapped, was written under day-first date settings and is that
// Sunday. In a file written that way (dayFirstFile), a Sunday that is another Sunday swapped
// was stored swapped too. Invalid where it is neither.
struct Key
{
    QDate sunday;
    bool readDayFirst = false;
};
Key weekOf(QDate day, bool dayFirstFile = false);

// Eight texts, each ended by the separator, as the earlier program wrote every week (the notes
// may hold the separator themselves).
bool isWeekRecord(QByteArrayView text);

// A stored Date/Time as it reads, to the second.
QString dateText(double jetDate);

} // namespace EarlierWeeks

// The rows of the earlier program's tblCalendar in a Jet or ACE file, read by
// orvanta-jet-reader in a process of its own (limited in time and memory) and keyed as weeks:
// day-first keys swapped back, the first row of each week taken, and every other row told with
// the reason it cannot be a week. What the conversion and the import both read. No widgets.
class EarlierWeekRows
{
public:
    struct Setup
    {
        QString filePath;      // a Jet or ACE file
        QString readerProgram; // orvanta-jet-reader
        // Called now and then while rows are read (at least once a second), with how many so
        // far; false stops the reading (cancelled()).
        std::function<bool(qint64 rows)> progress = {};
        int timeLimitMs = 2 * 60 * 1000;
        qint64 memoryLimitBytes = qint64(2) << 30;
    };
    // A week of the file: its Sunday, whether its key was read day first, its record in UTF-8.
    using OnWeek = std::function<bool(QDate sunday, bool readDayFirst, const QByteArray &text)>;
    // A row that cannot be a week, and why, in words for the user.
    using OnOtherRow = std::function<bool(const JetReaderStream::Row &row, const QString &reason)>;

    explicit EarlierWeekRows(Setup setup);

    // Hands over every row in the file's order. False where the file could not be read
    // (errorText() says why), the user cancelled (cancelled()), or a callback returned false
    // (then the caller knows why, and errorText() is empty).
    bool read(const OnWeek &onWeek, const OnOtherRow &onOtherRow);

    QString errorText() const { return m_error; }
    bool cancelled() const { return m_cancelled; }

private:
    bool goOn();
    bool fail(const QString &text);
    bool failReading(const QString &reason);
    // Runs the reader with the given options, handing each row to onRow until it returns
    // false; false where reading failed or onRow did.
    bool runReader(const QStringList &options,
                   const std::function<bool(const JetReaderStream::Row &)> &onRow);

    Setup m_setup;
    qint64 m_rowsRead = 0;
    bool m_cancelled = false;
    QString m_error;
};

// The rows of a file that did not become weeks, each given whole, in a text file written under
// a temporary name: commit() gives it its own name, and a report never committed leaves
// nothing. Opened with the first row.
class RowReport
{
public:
    // `heading` begins the file, a paragraph saying whose rows these are.
    RowReport(QString path, QString heading);
    ~RowReport();

    bool add(qint64 row, const QString &reason, const QString &key,
             const std::optional<QByteArray> &text);
    bool flush();  // what was added, written through (not yet under its own name)
    bool commit(); // without rows, there is nothing to write
    void discard(); // what was written goes
    qint64 rows() const { return m_rows; }
    QString path() const { return m_path; }
    QString errorString() const;

private:
    QString m_path;
    QString m_heading;
    std::unique_ptr<QSaveFile> m_file;
    qint64 m_rows = 0;
};
