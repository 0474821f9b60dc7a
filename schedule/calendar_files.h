#pragma once

#include <QString>

class QByteArray;
class QSqlDatabase;
class QVariant;

// The calendar database lies in the program's own folder under this fixed name.
inline const QString kDatabaseFileName = QStringLiteral("dbCalendar.mdb");

QString databasePath(const QString &programFolder);

// Points `db`, an SQLite connection not yet open, at the existing file `path`: opening it never
// creates one, and a statement waits a few seconds for another program's lock before it fails.
void useExistingFile(QSqlDatabase &db, const QString &path, bool readOnly);
// The SQLite URI that opens the existing file `path`, read-write or read-only, and never
// creates one.
QString existingFileUri(const QString &path, bool readOnly);

// WeekData as its UTF-8 bytes, whatever encoding the open file keeps its text in: a file in
// UTF-8, SQLite's usual one, gives the bytes as stored without decoding them; a file in UTF-16,
// as another tool may make one, gives text, encoded here. Where the file cannot say, it is
// taken for UTF-16, which reads right in either.
class WeekDataBytes
{
public:
    explicit WeekDataBytes(const QSqlDatabase &db);
    bool fileIsUtf8() const { return m_utf8; }
    // What to select for WeekData.
    QString column() const;
    // A value selected through column(), as UTF-8; NULL is empty.
    QByteArray utf8(const QVariant &value) const;

private:
    bool m_utf8 = false;
};

// Creates the empty database that ships beside the program: tblCalendar with its two columns
// and an index on the week's first day. Refuses to touch a file that is already there, since
// it holds a user's weeks. The program calls it only to convert the earlier program's file.
bool createEmptyCalendarDatabase(const QString &path, QString *error = nullptr);

// Writes what the system holds of a file, or of a folder's entries, to the disk (fsync).
bool syncToDisk(const QString &path);

// Whether two paths name the same file (the same device and inode: links and second names
// included); false where either is missing.
bool sameFile(const QString &a, const QString &b);
