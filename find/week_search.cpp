#include "week_search.h"

#include "schedule/sqlite_database.h"
#include "schedule/week.h"

#include <algorithm>
#include <QElapsedTimer>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace WeekFind {

namespace {

// Whether a record holds every term somewhere, without decoding it into text: first its raw
// bytes, where most weeks end, then its bytes folded and searched.
bool mayMatch(QByteArrayView record, const TextMatch::ByteRuleOut &ruleOut,
              const std::vector<std::string> &terms, std::string &folded)
{
    if (!ruleOut.mayMatch(std::string_view(record.constData(), std::size_t(record.size())), folded))
        return false;
    TextMatch::foldUtf8(record, folded);
    const std::string_view text(folded);
    return std::all_of(terms.cbegin(), terms.cend(), [text](const std::string &term) {
        return text.find(term) != std::string_view::npos;
    });
}

// The rows that are not the one the window shows for their week, where a week has several (as
// other tools may leave it): the window takes the row under the program's own key first, then
// the oldest. Read from the key's index alone; none in an ordinary database.
bool rowsNotShown(const Sqlite::Database &db, std::unordered_set<qint64> &notShown)
{
    struct Shown
    {
        qint64 rowid;
        bool ownKey;
    };
    // Where every key is text of the program's own shape and none is there twice, as in a file
    // only this program wrote, no row is hidden: that much SQLite tells from the key's index
    // alone, without reading each key here. (A key of that shape names a day only in ISO
    // digits, one text a day.)
    Sqlite::Statement ordinary(
        db, "SELECT NOT EXISTS (SELECT 1 FROM tblCalendar WHERE typeof(StartWeekDate) != 'text' "
            "OR StartWeekDate NOT LIKE '____-__-__') "
            "AND (SELECT count(DISTINCT StartWeekDate) FROM tblCalendar) = "
            "(SELECT count(*) FROM tblCalendar)");
    if (!ordinary.next())
        return false;
    if (ordinary.integer(0) != 0)
        return true;
    std::unordered_map<qint64, Shown> shownRow; // by the week's Julian day
    Sqlite::Statement keys(db, "SELECT rowid, StartWeekDate FROM tblCalendar");
    while (keys.next()) {
        const qint64 rowid = keys.integer(0);
        const QString key = keys.text(1);
        const QDate day = dayOfWeekKey(key);
        if (!day.isValid())
            continue;
        const Shown row{rowid, key == day.toString(Qt::ISODate)};
        const auto [at, first] = shownRow.try_emplace(day.toJulianDay(), row);
        if (first)
            continue;
        const bool before =
            row.ownKey != at->second.ownKey ? row.ownKey : row.rowid < at->second.rowid;
        notShown.insert(before ? std::exchange(at->second, row).rowid : row.rowid);
    }
    return keys.done();
}

// The box's text as the box shows it: one character a line break.
QString asShown(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

QDate dayOf(const FindResult &result)
{
    return result.box == kNotesField ? result.weekStart : result.weekStart.addDays(result.box);
}

QString dayNameOf(const FindResult &result, const QLocale &locale)
{
    return result.box == kNotesField ? QStringLiteral("Notes")
                                     : locale.dayName(dayOf(result).dayOfWeek());
}

bool newerFirst(const FindResult &a, const FindResult &b)
{
    return a.weekStart != b.weekStart ? a.weekStart > b.weekStart : a.box < b.box;
}

QList<FindResult> inWeek(const TextMatch::Query &query, QDate weekStart, const WeekTexts &texts)
{
    QList<FindResult> results;
    for (int box = 0; box < kWeekFieldCount; ++box) {
        const QString &text = texts[box];
        QList<TextMatch::Span> spans;
        if (text.isEmpty() || !query.matches(text, &spans))
            continue;
        FindResult result{weekStart, box, spans.first(), {}, {}};
        qsizetype lineStart = 0;
        result.line = TextMatch::lineAt(text, spans.first().start, &lineStart).toString();
        for (const TextMatch::Span &span : spans) {
            const qsizetype start = span.start - lineStart;
            if (start >= 0 && start + span.length <= result.line.size())
                result.inLine.append({start, span.length});
        }
        results.append(result);
    }
    return results;
}

bool inDatabase(const QString &path, const TextMatch::Query &query,
                const std::optional<ShownWeek> &shown, const std::atomic<bool> &cancelled,
                const std::function<void(QList<FindResult>)> &found, QString *error)
{
    if (query.isEmpty())
        return true;
    if (shown) {
        if (QList<FindResult> own = inWeek(query, shown->weekStart, shown->texts); !own.isEmpty())
            found(std::move(own));
    }
    const TextMatch::ByteRuleOut ruleOut(query);
    std::vector<std::string> terms;
    for (const QString &term : query.terms())
        terms.push_back(term.toStdString());
    std::string folded; // reused from week to week

    // Newest first through the index on the key; WeekData as its UTF-8 bytes, so that a week
    // ruled out by its bytes is never decoded.
    Sqlite::Database db;
    std::unordered_set<qint64> notShown;
    if (!db.openExisting(path, true) || !rowsNotShown(db, notShown)) {
        if (error)
            *error = db.errorMessage();
        return false;
    }
    // The row's id only where it is asked.
    Sqlite::Statement rows(db, notShown.empty() ? "SELECT StartWeekDate, WeekData FROM tblCalendar "
                                                  "ORDER BY StartWeekDate DESC"
                                                : "SELECT StartWeekDate, WeekData, rowid FROM "
                                                  "tblCalendar ORDER BY StartWeekDate DESC");
    if (!rows.prepared()) {
        if (error)
            *error = db.errorMessage();
        return false;
    }
    QList<FindResult> batch;
    QElapsedTimer sinceFlush;
    sinceFlush.start();
    bool flushed = false; // the first results go at once, the rest every 20 ms
    const auto flush = [&] {
        if (!batch.isEmpty()) {
            found(std::exchange(batch, {}));
            flushed = true;
        }
        sinceFlush.restart();
    };
    while (!cancelled && rows.next()) {
        // The bytes first: a week ruled out by them needs no more; the key made text only for a
        // week that passes.
        const QByteArrayView record = rows.utf8(1);
        if (!mayMatch(record, ruleOut, terms, folded))
            continue;
        const QDate day = dayOfWeekKey(rows.text(0));
        if (!day.isValid() || (shown && day == shown->weekStart) ||
            (!notShown.empty() && notShown.count(rows.integer(2))))
            continue;
        const QStringList fields = decodeWeekRecord(QString::fromUtf8(record));
        WeekTexts texts;
        for (qsizetype i = 0; i < fields.size() && i < kWeekFieldCount; ++i)
            texts[i] = asShown(fields[i]);
        batch.append(inWeek(query, day, texts));
        if (batch.size() >= 100 || (!batch.isEmpty() && (!flushed || sinceFlush.elapsed() >= 20)))
            flush();
    }
    const bool ok = cancelled || rows.done();
    if (!ok && error)
        *error = db.errorMessage();
    if (!cancelled)
        flush();
    return ok;
}

} // namespace WeekFind

WeekSearch::WeekSearch(QString databasePath, QObject *parent, Searcher searcher)
    : QObject(parent), m_databasePath(std::move(databasePath)), m_searcher(std::move(searcher))
{}

WeekSearch::~WeekSearch()
{
    stopWorker();
}

void WeekSearch::stopWorker()
{
    m_cancelled = true;
    if (m_worker.joinable())
        m_worker.join();
}

void WeekSearch::cancel()
{
    stopWorker();
    ++m_search; // what the cancelled search had posted is stale
}

int WeekSearch::start(const QString &query, const std::optional<ShownWeek> &shown)
{
    stopWorker();
    m_cancelled = false;
    const int search = ++m_search;
    m_worker = std::thread([this, search, query = TextMatch::Query(query), shown] {
        QString error;
        m_searcher(
            m_databasePath, query, shown, m_cancelled,
            [this, search](QList<FindResult> results) {
                QMetaObject::invokeMethod(
                    this,
                    [this, search, results = std::move(results)] {
                        if (search == m_search)
                            emit found(search, results);
                    },
                    Qt::QueuedConnection);
            },
            &error);
        QMetaObject::invokeMethod(
            this,
            [this, search, error] {
                if (search == m_search)
                    emit finished(search, error);
            },
            Qt::QueuedConnection);
    });
    return search;
}
