#pragma once

#include <QDate>
#include <QString>

// Once a day, a copy of the database to go back to: checked first (PRAGMA quick_check) and
// never made from a damaged file, made only when something changed since the last copy, and
// consistent however the program uses the database meanwhile (SQLite's online backup, in the
// check's read transaction, on a connection of its own). The copies lie in a folder beside the
// database, "dbCalendar backups", one a day
// ("dbCalendar 2026-12-07.mdb"); the last seven are kept.
namespace DailyBackup {

inline constexpr int kKept = 7;

struct Result
{
    enum Kind { Made, NotNeeded, Damaged, Failed };
    Kind kind = NotNeeded;
    QString detail; // what is damaged or went wrong
    QString file;   // the copy made
};

QString folderFor(const QString &databasePath);
// The newest copy, or an empty string.
QString newest(const QString &databasePath);
// Checks and copies the database as of `today`. Runs wherever it is called, a thread of its
// own included: it opens and closes its own connection.
Result run(const QString &databasePath, QDate today);

} // namespace DailyBackup
