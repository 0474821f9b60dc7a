#pragma once

#include <QString>

class QSqlDatabase;

// The calendar database lies in the program's own folder under this fixed name.
inline const QString kDatabaseFileName = QStringLiteral("dbCalendar.mdb");

QString databasePath(const QString &programFolder);

// Points `db`, an SQLite connection not yet open, at the existing file `path`: opening it never
// creates one, and a statement waits a few seconds for another program's lock before it fails.
void useExistingFile(QSqlDatabase &db, const QString &path, bool readOnly);

// Creates the empty database that ships beside the program: tblCalendar with its two columns
// and an index on the week's first day. Refuses to touch a file that is already there, since
// it holds a user's weeks. The program itself never calls this; the build and tests do.
bool createEmptyCalendarDatabase(const QString &path, QString *error = nullptr);
