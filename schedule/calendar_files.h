#pragma once

#include <QString>

// The calendar database lies in the program's own folder under this fixed name.
inline const QString kDatabaseFileName = QStringLiteral("dbCalendar.mdb");

QString databasePath(const QString &programFolder);

// Creates the empty database that ships beside the program: tblCalendar with its two columns
// and an index on the week's first day. Refuses to touch a file that is already there, since
// it holds a user's weeks. The program itself never calls this; the build and tests do.
bool createEmptyCalendarDatabase(const QString &path, QString *error = nullptr);
