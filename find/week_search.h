#pragma once

#include "schedule/week_record.h"
#include "text_match.h"

#include <atomic>
#include <functional>
#include <optional>
#include <QDate>
#include <QList>
#include <QLocale>
#include <QObject>
#include <QString>
#include <thread>

// A place in a week where a query matches: the week, its box (0 to 6 the days, 7 the notes),
// the first match in the box's text as the box shows it (one character a line break), and the
// line that holds it, with where each term's first match lies in that line.
struct FindResult
{
    QDate weekStart;
    int box = 0;
    TextMatch::Span match;
    QString line;
    QList<TextMatch::Span> inLine;
};

// The shown week as it is on screen, unsaved typing included: searched instead of its stored
// copy.
struct ShownWeek
{
    QDate weekStart;
    WeekTexts texts; // as the boxes show them, LF line breaks
};

namespace WeekFind {

// The day a result names (the week's Sunday for its notes), and that day's name in `locale`
// or "Notes".
QDate dayOf(const FindResult &result);
QString dayNameOf(const FindResult &result, const QLocale &locale);

// The order results are shown in: the newest week first, then by box.
bool newerFirst(const FindResult &a, const FindResult &b);

// The boxes of one week that match, in box order.
QList<FindResult> inWeek(const TextMatch::Query &query, QDate weekStart, const WeekTexts &texts);

// Searches the database at `path` on a read-only connection of its own, newest week first,
// `shown` in place of its stored copy. Results go to `found` in batches as they come; a search
// stops soon after `cancelled` turns true. False, with `error`, when the file cannot be read.
bool inDatabase(const QString &path, const TextMatch::Query &query,
                const std::optional<ShownWeek> &shown, const std::atomic<bool> &cancelled,
                const std::function<void(QList<FindResult>)> &found, QString *error);

} // namespace WeekFind

// Runs one search at a time off the window's thread: a new one cancels the one under way, whose
// results then never arrive.
class WeekSearch : public QObject
{
    Q_OBJECT
public:
    // What runs on the worker thread: WeekFind::inDatabase, or a stand-in that a test steers.
    using Searcher = std::function<bool(
        const QString &path, const TextMatch::Query &query, const std::optional<ShownWeek> &shown,
        const std::atomic<bool> &cancelled, const std::function<void(QList<FindResult>)> &found,
        QString *error)>;

    explicit WeekSearch(QString databasePath, QObject *parent = nullptr,
                        Searcher searcher = WeekFind::inDatabase);
    ~WeekSearch() override;

    // Starts a search; its number comes with its results.
    int start(const QString &query, const std::optional<ShownWeek> &shown);
    void cancel();

signals:
    void found(int search, const QList<FindResult> &results);
    void finished(int search, const QString &error);

private:
    void stopWorker();

    const QString m_databasePath;
    const Searcher m_searcher;
    int m_search = 0;
    std::atomic<bool> m_cancelled = false;
    std::thread m_worker;
};
