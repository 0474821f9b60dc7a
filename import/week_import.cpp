#include "week_import.h"

#include "conversion/earlier_week_rows.h"
#include "jet/jet_file.h"
#include "schedule/calendar_connection.h"
#include "schedule/calendar_files.h"
#include "schedule/sqlite_database.h"
#include "schedule/week.h"
#include "schedule/week_merge.h"
#include "schedule/week_record.h"
#include "translations/app_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>

#include <algorithm>
#include <optional>
#include <vector>

namespace WeekImport {

namespace {

enum class Kind { Orvanta, EarlierProgram, Other };

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// What a file is, by its first bytes; only a regular file is opened.
Kind kindOf(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return Kind::Other;
    const QByteArray first = file.read(64);
    if (first.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return Kind::Orvanta;
    return JetFile::hasJetOrAceHeader(first) ? Kind::EarlierProgram : Kind::Other;
}

// The day a stored key names in a form the store finds a week by ("yyyy-MM-dd", the original
// program's "MM/dd/yyyy", or either day with a zero time as conversion tools write it);
// invalid for any other key, which the window never shows.
QDate storedDayOf(const QString &key)
{
    const QDate day = dayOfWeekKey(key);
    for (const char *form :
         {"yyyy-MM-dd", "MM/dd/yyyy", "yyyy-MM-dd 00:00:00", "yyyy-MM-ddT00:00:00"}) {
        if (key == day.toString(QLatin1String(form)))
            return day;
    }
    return {};
}

class Importer
{
public:
    Importer(const Setup &setup, Result &result)
        : m_setup(setup), m_result(result), m_fileName(QFileInfo(setup.filePath).fileName()),
          m_marker(WeekMerge::markerLine(m_fileName, setup.day)),
          m_report(reportPathFor(setup.databasePath, setup.filePath),
                   QStringLiteral("Rows of %1 that Orvanta could not take as weeks, so they were "
                                  "not imported. Each is given whole, as it was stored.")
                       .arg(m_fileName))
    {}

    void run();

private:
    bool fail(const QString &text)
    {
        m_result.error = text;
        return false;
    }
    bool failWriting(const Sqlite::Database &db)
    {
        return fail(QCoreApplication::translate("WeekImport", "The weeks could not be written to %1: %2. Nothing was "
                                   "changed; it is as it was.")
                        .arg(native(m_setup.databasePath), db.errorMessage()));
    }
    bool failReadingFile(const Sqlite::Database &source)
    {
        // SQLITE_ERROR is, among others, no such table or column.
        if (source.primaryErrorCode() == SQLITE_ERROR)
            return fail(QCoreApplication::translate("WeekImport", "%1 is an SQLite database, but not one of Orvanta's: it "
                                       "has no table tblCalendar with the columns StartWeekDate "
                                       "and WeekData. Nothing was changed.")
                            .arg(native(m_setup.filePath)));
        // A journal beside it, left by a program that stopped in the middle of a change, would
        // have to be played back into the file first: a write, which an import never makes.
        if (source.errorCode() == SQLITE_READONLY_ROLLBACK)
            return fail(QCoreApplication::translate("WeekImport", "%1 was left in the middle of a change, and reading it "
                                       "would change it (%2-journal beside it takes the change "
                                       "back): open it once in the program that wrote it, or "
                                       "copy it without that file. Nothing was changed.")
                            .arg(native(m_setup.filePath), m_fileName));
        return fail(QCoreApplication::translate("WeekImport", "%1 could not be read: %2. Nothing was changed.")
                        .arg(native(m_setup.filePath), source.errorMessage()));
    }
    bool cancel()
    {
        m_result.cancelled = true;
        return fail(QCoreApplication::translate("WeekImport", "The import was cancelled. Nothing was changed."));
    }
    bool goOn(qint64 rows) { return !m_setup.progress || m_setup.progress(rows) || cancel(); }

    bool checkFile(Kind kind);
    bool begin();
    bool take(QDate sunday, const QByteArray &record);
    bool reportRow(qint64 row, const QString &reason, const QString &key,
                   const std::optional<QByteArray> &text);
    bool failReport();
    bool readEarlierProgramFile();
    bool readOrvantaFile();
    bool readOrvantaRows(Sqlite::Database &source);

    const Setup &m_setup;
    Result &m_result;
    const QString m_fileName;
    const QString m_marker;
    RowReport m_report;
    // The database's weeks: the row the window shows for each, by its Sunday's Julian day.
    QHash<qint64, qint64> m_rowOfWeek;
    Sqlite::Database m_db; // the database the weeks come into
    std::optional<Sqlite::Statement> m_fetch, m_update, m_insert;
};

bool Importer::checkFile(Kind kind)
{
    const QString file = native(m_setup.filePath);
    if (!QFileInfo::exists(m_setup.filePath))
        return fail(QCoreApplication::translate("WeekImport", "%1 not found. Nothing was changed.").arg(file));
    if (sameFile(m_setup.filePath, m_setup.databasePath))
        return fail(QCoreApplication::translate("WeekImport", "%1 is the database the weeks would come into: choose another "
                                   "file. Nothing was changed.")
                        .arg(file));
    if (kind == Kind::Other)
        return fail(QCoreApplication::translate("WeekImport", "%1 is neither a database of Orvanta's nor one of the earlier "
                                   "Windows program. Nothing was changed.")
                        .arg(file));
    return true;
}

// The database opened as the window opens it, so it says what is wrong with it the same way
// (and refuses a file that keeps code to run on a save), then a write transaction on a
// connection of the import's own, with the weeks it holds.
bool Importer::begin()
{
    {
        CalendarConnection check;
        if (!check.open(m_setup.databasePath))
            return fail(check.lastError() + QCoreApplication::translate("WeekImport", " Nothing was changed."));
    }
    if (!m_db.openExisting(m_setup.databasePath, false))
        return failWriting(m_db);
    for (const char *pragma : {"PRAGMA trusted_schema=OFF", "PRAGMA cell_size_check=ON",
                               "PRAGMA journal_mode=DELETE", "PRAGMA synchronous=FULL"})
        m_db.execute(pragma);
    // IMMEDIATE: the write lock now, so that nothing else writes between reading and writing.
    if (!m_db.execute("BEGIN IMMEDIATE"))
        return failWriting(m_db);
    Sqlite::Statement keys(m_db, "SELECT rowid, StartWeekDate FROM tblCalendar ORDER BY rowid");
    // The row the window shows: the one keyed "yyyy-MM-dd", or else the oldest.
    QSet<qint64> isoKeyed;
    while (keys.next()) {
        const QString key = keys.text(1);
        const QDate day = storedDayOf(key);
        if (!day.isValid())
            continue;
        const bool iso = key == day.toString(Qt::ISODate);
        if (!m_rowOfWeek.contains(day.toJulianDay()) ||
            (iso && !isoKeyed.contains(day.toJulianDay()))) {
            m_rowOfWeek.insert(day.toJulianDay(), keys.integer(0));
            if (iso)
                isoKeyed.insert(day.toJulianDay());
        }
    }
    if (!keys.done())
        return failWriting(m_db);
    m_fetch.emplace(m_db, "SELECT WeekData FROM tblCalendar WHERE rowid = ?");
    // As a save writes: OR ABORT whatever the file's schema says to do on a conflict, and the
    // week under the program's own form of its day.
    m_update.emplace(m_db, "UPDATE OR ABORT tblCalendar SET StartWeekDate = ?, "
                           "WeekData = CAST(? AS TEXT) WHERE rowid = ?");
    m_insert.emplace(m_db, "INSERT OR ABORT INTO tblCalendar (StartWeekDate, WeekData) "
                           "VALUES (?, CAST(? AS TEXT))");
    if (!m_fetch->prepared() || !m_update->prepared() || !m_insert->prepared())
        return failWriting(m_db);
    return true;
}

// One week of the file into the database.
bool Importer::take(QDate sunday, const QByteArray &record)
{
    const QString key = sunday.toString(Qt::ISODate);
    const auto row = m_rowOfWeek.constFind(sunday.toJulianDay());
    if (row == m_rowOfWeek.cend()) {
        m_insert->reset();
        m_insert->bind(key);
        m_insert->bindUtf8Text(record);
        if (!m_insert->run())
            return failWriting(m_db);
        ++m_result.came;
        return true;
    }
    m_fetch->reset();
    m_fetch->bindInteger(*row);
    if (!m_fetch->next())
        return failWriting(m_db);
    const QByteArray here = m_fetch->utf8(0).toByteArray();
    if (here == record) {
        ++m_result.same;
        return true;
    }
    const WeekTexts hereTexts = WeekMerge::textsOf(QString::fromUtf8(here));
    const WeekMerge::Week week =
        WeekMerge::mergeWeek(hereTexts, WeekMerge::textsOf(QString::fromUtf8(record)), m_marker);
    if (!week.changed) {
        ++m_result.same;
        return true;
    }
    // A week that held nothing here takes the file's as it is.
    const bool blank = WeekMerge::isBlank(hereTexts);
    m_update->reset();
    m_update->bind(key);
    m_update->bindUtf8Text(blank ? record : encodeWeekRecord(week.texts));
    m_update->bindInteger(*row);
    if (!m_update->run())
        return failWriting(m_db);
    if (blank) {
        ++m_result.came;
    } else {
        ++m_result.merged;
        m_result.mergedWeeks.append(sunday);
    }
    return true;
}

bool Importer::reportRow(qint64 row, const QString &reason, const QString &key,
                         const std::optional<QByteArray> &text)
{
    m_result.rowsNotWeeks.append(row);
    return m_report.add(row, reason, key, text) || failReport();
}

bool Importer::failReport()
{
    return fail(QCoreApplication::translate("WeekImport", "The rows of %1 that cannot be weeks could not be written to %2: "
                               "%3. Nothing was changed.")
                    .arg(m_fileName, native(m_report.path()), m_report.errorString()));
}

bool Importer::readEarlierProgramFile()
{
    EarlierWeekRows rows({m_setup.filePath, m_setup.readerProgram, m_setup.progress,
                          m_setup.timeLimitMs, m_setup.memoryLimitBytes});
    if (rows.read([this](QDate sunday, bool, const QByteArray &text) { return take(sunday, text); },
                  [this](const JetReaderStream::Row &row, const QString &reason) {
                      return reportRow(row.number, reason,
                                       row.date ? EarlierWeeks::dateText(*row.date) : QString(),
                                       row.text);
                  }))
        return true;
    if (rows.cancelled())
        return cancel();
    if (!rows.errorText().isEmpty())
        return fail(rows.errorText());
    return false; // writing a week failed, and said why
}

bool Importer::readOrvantaFile()
{
    Sqlite::Database source;
    // Read-only, by a URI with mode=ro: nothing the import does can write to it.
    return source.openExisting(m_setup.filePath, true) ? readOrvantaRows(source)
                                                       : failReadingFile(source);
}

// The weeks of another Orvanta database as its window shows them: for each Sunday the row
// keyed "yyyy-MM-dd", or else the oldest, in any form of the day the store reads. Other rows
// are reported.
bool Importer::readOrvantaRows(Sqlite::Database &source)
{
    for (const char *pragma : {"PRAGMA trusted_schema=OFF", "PRAGMA cell_size_check=ON"})
        source.execute(pragma);
    // The weeks as of one moment, whatever another program writes meanwhile.
    if (!source.execute("BEGIN"))
        return failReadingFile(source);
    {
        Sqlite::Statement columns(source, "SELECT rowid, StartWeekDate, WeekData FROM "
                                          "tblCalendar LIMIT 0");
        if (!columns.prepared() || !columns.run())
            return failReadingFile(source);
    }
    Sqlite::Statement query(source, "SELECT rowid, StartWeekDate FROM tblCalendar ORDER BY rowid");
    struct Row
    {
        qint64 rowid;
        QString key;
        QDate day;
        QString reason; // empty: the week's row
    };
    std::vector<Row> rows;
    QHash<qint64, size_t> weekRow; // by the Sunday's Julian day
    while (query.next()) {
        Row row{query.integer(0), query.text(1), {}, {}};
        const QDate day = row.day = storedDayOf(row.key);
        const QString shown = day.toString(Qt::ISODate);
        if (day.dayOfWeek() != Qt::Sunday) {
            row.reason = QStringLiteral("its StartWeekDate names no Sunday in a form Orvanta "
                                        "reads, so it is no week's");
        } else if (const auto taken = weekRow.constFind(day.toJulianDay());
                   taken != weekRow.cend()) {
            // The ISO key wins over an older row of the week in another form.
            const bool winsOver = row.key == shown && rows[*taken].key != shown;
            Row &loser = winsOver ? rows[*taken] : row;
            loser.reason = QStringLiteral("another row gives the week of Sunday %1, and Orvanta "
                                          "shows that one")
                               .arg(shown);
            if (winsOver)
                weekRow[day.toJulianDay()] = rows.size();
        } else {
            weekRow.insert(day.toJulianDay(), rows.size());
        }
        rows.push_back(std::move(row));
    }
    if (!query.done())
        return failReadingFile(source);

    Sqlite::Statement fetch(source, "SELECT WeekData FROM tblCalendar WHERE rowid = ?");
    if (!fetch.prepared())
        return failReadingFile(source);
    for (size_t i = 0; i < rows.size(); ++i) {
        if (i % 256 == 0 && !goOn(qint64(i)))
            return false;
        const Row &row = rows[i];
        fetch.reset();
        fetch.bindInteger(row.rowid);
        if (!fetch.next())
            return failReadingFile(source);
        const QByteArray text = fetch.utf8(0).toByteArray();
        const bool isNull = fetch.isNull(0);
        const bool taken = row.reason.isEmpty()
                               ? take(row.day, text)
                               : reportRow(row.rowid, row.reason, row.key,
                                           isNull ? std::nullopt : std::optional<QByteArray>(text));
        if (!taken)
            return false;
    }
    return goOn(qint64(rows.size()));
}

void Importer::run()
{
    const Kind kind = kindOf(m_setup.filePath);
    if (!checkFile(kind))
        return;
    bool done =
        begin() && (kind == Kind::EarlierProgram ? readEarlierProgramFile() : readOrvantaFile());
    // The report is written through before the weeks are committed, and takes its name after:
    // a report that cannot be written stops the import with nothing changed.
    done = done && (m_report.flush() || failReport());
    done = done && (m_db.execute("COMMIT") || failWriting(m_db));
    // A report never committed leaves nothing.
    if (!done && m_db.isOpen())
        m_db.execute("ROLLBACK");
    m_fetch.reset();
    m_update.reset();
    m_insert.reset();
    m_db.close();
    m_result.ok = done;
    if (!m_result.ok) {
        // A write that failed (a full disk) may leave the file longer than it was, with
        // SQLite's journal beside it to take it back at the next read: read now, so that the
        // file is as it was, and its room free, from here on.
        CalendarConnection().open(m_setup.databasePath);
        m_result.came = m_result.merged = m_result.same = 0;
        m_result.mergedWeeks.clear();
        m_result.rowsNotWeeks.clear();
        return;
    }
    if (m_report.rows() > 0 && m_report.commit())
        m_result.reportPath = m_report.path();
    std::sort(m_result.mergedWeeks.begin(), m_result.mergedWeeks.end());
}

QString translated(const char *text, qsizetype n = -1)
{
    return QCoreApplication::translate("WeekImport", text, nullptr, AppLanguage::pluralCount(n));
}

// "a", "a and b", "a, b and c", and past `listed` "a, b and 3 more".
QString listOf(const QStringList &items, int listed)
{
    QStringList named = items.mid(0, listed);
    QString last;
    if (items.size() > named.size())
        last = translated(QT_TRANSLATE_N_NOOP("WeekImport", "%n more"), items.size() - named.size());
    else
        last = named.takeLast();
    return named.isEmpty() ? last
                           : translated(QT_TRANSLATE_NOOP("WeekImport", "%1 and %2"))
                                 .arg(named.join(translated(QT_TRANSLATE_NOOP("WeekImport", ", "))),
                                      last);
}

} // namespace

Result importWeeks(const Setup &setup)
{
    Result result;
    Importer(setup, result).run();
    return result;
}

QString reportPathFor(const QString &databasePath, const QString &filePath)
{
    const QFileInfo database(databasePath);
    return QDir(database.absolutePath())
        .filePath(QStringLiteral("%1 rows not imported from %2.txt")
                      .arg(database.completeBaseName(), QFileInfo(filePath).fileName()));
}

QString describe(const Result &result, const QString &filePath, int listed)
{
    const QString file = QFileInfo(filePath).fileName();
    if (result.cancelled)
        return result.error;
    if (!result.ok)
        return translated(QT_TRANSLATE_NOOP("WeekImport", "The weeks of %1 were not imported. %2"))
            .arg(file, result.error);
    QString told;
    if (result.came == 0 && result.merged == 0) {
        told = result.same == 0
                   ? translated(QT_TRANSLATE_NOOP("WeekImport",
                                                  "%1 holds no weeks; nothing was changed."))
                         .arg(file)
                   : translated(QT_TRANSLATE_N_NOOP("WeekImport", "Nothing was changed: %n week(s) "
                                                                "of %1 are here already."),
                                result.same)
                         .arg(file);
    } else {
        told = result.came == 0
                   ? translated(QT_TRANSLATE_NOOP("WeekImport", "No new week came from %1")).arg(file)
                   : translated(QT_TRANSLATE_N_NOOP("WeekImport", "%n week(s) came from %1"),
                                result.came)
                         .arg(file);
        if (result.merged > 0) {
            QStringList days;
            for (const QDate day : result.mergedWeeks)
                days.append(QLocale().toString(
                    day, QCoreApplication::translate("WeekImport", "d MMMM yyyy",
                                                     "the format of a week's Sunday in a list")));
            told += translated(QT_TRANSLATE_N_NOOP("WeekImport", "; %n week(s) held text in both and "
                                                               "now hold both: the weeks of %1"),
                               result.merged)
                        .arg(listOf(days, listed));
        }
        if (result.same > 0)
            told += translated(QT_TRANSLATE_N_NOOP("WeekImport",
                                                 "; %n week(s) were here already as they are"),
                               result.same);
        told += translated(QT_TRANSLATE_NOOP("WeekImport", "."));
    }
    if (!result.rowsNotWeeks.isEmpty()) {
        QStringList rows;
        for (const qint64 row : result.rowsNotWeeks)
            rows.append(QString::number(row));
        const qsizetype n = result.rowsNotWeeks.size();
        told += translated(QT_TRANSLATE_N_NOOP("WeekImport", " %n row(s) of %1 cannot be weeks "
                                                           "(rows %2)"),
                           n)
                    .arg(file, listOf(rows, listed));
        told += result.reportPath.isEmpty()
                    ? translated(QT_TRANSLATE_N_NOOP("WeekImport", " and stayed in it."), n)
                    : translated(QT_TRANSLATE_N_NOOP("WeekImport", ": they are kept, with their "
                                                                 "full texts, in %1."),
                                 n)
                          .arg(native(result.reportPath));
    }
    return told;
}

} // namespace WeekImport
