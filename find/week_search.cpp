#include "week_search.h"

#include "schedule/calendar_files.h"
#include "schedule/week.h"

#include <algorithm>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace WeekFind {

namespace {

bool isAscii(const QByteArray &bytes)
{
    unsigned char any = 0;
    for (const char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// Whether a record can hold every term at all: for a record in plain ASCII, a byte search of
// its lower-case copy rules out most weeks without decoding them. Records with other
// characters (accents may fold away) always go on to the full match.
bool mayMatch(const QByteArray &record, const QList<QByteArray> &asciiParts, bool asciiQuery)
{
    if (!isAscii(record))
        return true;
    if (!asciiQuery)
        return false; // a folded term outside ASCII is in no ASCII text
    const QByteArray lower = record.toLower();
    for (const QByteArray &part : asciiParts) {
        if (!lower.contains(part))
            return false;
    }
    return true;
}

// The box's text as the box shows it: one character a line break.
QString asShown(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace

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
    QList<QByteArray> asciiParts;
    bool asciiQuery = true;
    for (const QString &term : query.terms()) {
        for (const QString &part : term.split(u' ', Qt::SkipEmptyParts)) {
            asciiQuery = asciiQuery && std::all_of(part.cbegin(), part.cend(), [](QChar c) {
                             return c.unicode() < 0x80;
                         });
            asciiParts.append(part.toUtf8());
        }
    }

    static std::atomic<int> serial{0};
    const QString name = QStringLiteral("WeekFind-%1").arg(++serial);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        useExistingFile(db, path, true);
        QSqlQuery rows(db);
        rows.setForwardOnly(true);
        // Newest first through the index on the key; WeekData as bytes, so that a week ruled
        // out by its bytes is never decoded.
        if (!db.open() ||
            !rows.exec(QStringLiteral("SELECT StartWeekDate, CAST(WeekData AS BLOB) FROM "
                                      "tblCalendar ORDER BY StartWeekDate DESC"))) {
            if (error)
                *error = db.isOpenError() ? db.lastError().text() : rows.lastError().text();
            ok = false;
        }
        QList<FindResult> batch;
        QElapsedTimer sinceFlush;
        sinceFlush.start();
        const auto flush = [&] {
            if (!batch.isEmpty())
                found(std::exchange(batch, {}));
            sinceFlush.restart();
        };
        while (ok && !cancelled && rows.next()) {
            const QDate day = dayOfWeekKey(rows.value(0).toString());
            if (!day.isValid() || (shown && day == shown->weekStart))
                continue;
            const QByteArray record = rows.value(1).toByteArray();
            if (!mayMatch(record, asciiParts, asciiQuery))
                continue;
            const QStringList fields = decodeWeekRecord(QString::fromUtf8(record));
            WeekTexts texts;
            for (qsizetype i = 0; i < fields.size() && i < kWeekFieldCount; ++i)
                texts[i] = asShown(fields[i]);
            batch.append(inWeek(query, day, texts));
            if (batch.size() >= 100 || (!batch.isEmpty() && sinceFlush.elapsed() >= 20))
                flush();
        }
        if (ok && rows.lastError().isValid()) {
            if (error)
                *error = rows.lastError().text();
            ok = false;
        }
        if (!cancelled)
            flush();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

} // namespace WeekFind

WeekSearch::WeekSearch(QString databasePath, QObject *parent)
    : QObject(parent), m_databasePath(std::move(databasePath))
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
        WeekFind::inDatabase(
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
