// The store on a hostile database file: opening, loading and saving the week of 6 December 2026
// never crash or hang; a save that fails leaves the file as it was, byte for byte; and a save
// that succeeds leaves every other week's row of a whole file as it was.
#include "input_database.h"
#include "schedule/calendar_connection.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

using namespace Qt::StringLiterals;

namespace {

const QDate kWeek(2026, 12, 6);

// Runs `sql` on the file as another program would, and gives the first column of every row;
// nothing where it fails.
std::optional<QStringList> peek(const QString &path, const QString &sql)
{
    std::optional<QStringList> values;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"peek"_s);
        db.setDatabaseName(path);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        QSqlQuery query(db);
        if (db.open() && query.exec(sql)) {
            values.emplace();
            while (query.next())
                values->append(query.value(0).toString());
            if (query.lastError().isValid())
                values.reset();
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"peek"_s);
    return values;
}

// Rows of weeks other than the one saved (which may be keyed in any of its day's forms).
std::optional<QStringList> otherRows(const QString &path)
{
    return peek(path, u"SELECT quote(StartWeekDate) || ' ' || quote(WeekData) FROM tblCalendar "
                      u"WHERE StartWeekDate IS NULL OR StartWeekDate NOT IN ('2026-12-06', "
                      u"'12/06/2026', '2026-12-06 00:00:00', '2026-12-06T00:00:00') ORDER BY 1"_s);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv); // for Qt's SQL driver plugin
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = writeInputDatabase(data, size);
    // SQLite makes no promise about what it writes into a damaged file (the daily health check
    // is what finds one): the other weeks' rows are compared where the file is whole.
    const bool whole = peek(path, u"PRAGMA quick_check"_s) == QStringList{u"ok"_s};
    CalendarConnection connection;
    if (!connection.open(path))
        return 0;
    std::optional<QString> record;
    if (!connection.loadWeekData(kWeek, record))
        return 0; // the program ends here, without saving
    const std::optional<QStringList> before = whole ? otherRows(path) : std::nullopt;
    const QByteArray bytesBefore = contents(path);
    const bool saved = connection.saveWeekData(kWeek, "fuzzed||MySeparator123||"_ba);
    connection.close();
    if (!saved && contents(path) != bytesBefore)
        std::abort(); // a failed save changes nothing
    if (saved && before && otherRows(path) != before)
        std::abort(); // a save changes no other week
    return 0;
}
