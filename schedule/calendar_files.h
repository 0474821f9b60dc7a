#pragma once

#include <QString>

// The calendar database lies in the program's own folder under this fixed name.
inline const QString kDatabaseFileName = QStringLiteral("dbCalendar.mdb");

QString databasePath(const QString &programFolder);

// The SQLite URI that opens the existing file `path`, read-write or read-only, and never
// creates one.
QString existingFileUri(const QString &path, bool readOnly);

// Creates the empty database that ships beside the program: tblCalendar with its two columns
// and an index on the week's first day. Refuses to touch a file that is already there, since
// it holds a user's weeks. The program calls it only to convert the earlier program's file.
bool createEmptyCalendarDatabase(const QString &path, QString *error = nullptr);

// Writes what the system holds of a file, or of a folder's entries, to the disk (fsync).
bool syncToDisk(const QString &path);

// Whether two paths name the same file (the same device and inode: links and second names
// included); false where either is missing.
bool sameFile(const QString &a, const QString &b);
