#pragma once

#include "find/week_search.h"

#include <functional>
#include <optional>
#include <QList>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;

// The small window that finds words in every week: a query field, and the weeks that match as
// the user types (a short pause after the last key), the newest first, each with its day and the
// line of the match, the matched words emphasised. Enter or a double-click chooses a result;
// Escape closes the window, which keeps its query for the next time.
class FindWindow : public QWidget
{
    Q_OBJECT
public:
    // How long typing pauses before the search starts.
    static constexpr int kPause = 150; // ms
    // Results listed at most; the count says how many there are in all.
    static constexpr int kListed = 1000;

    // `shownWeek` gives the week on screen, unsaved typing included, at each search.
    FindWindow(const QString &databasePath, std::function<std::optional<ShownWeek>()> shownWeek,
               QWidget *parent = nullptr);

    // Shows the window beside `main` (or brings it forward), its query selected.
    void open(const QWidget &main, const QString &query = {});
    QLineEdit *queryField() const { return m_query; }
    QListWidget *resultList() const { return m_list; }
    QLabel *countLabel() const { return m_count; }
    const QList<FindResult> &results() const { return m_results; }
    TextMatch::Query query() const { return TextMatch::Query(m_searchedFor); }

    // What heads a result: its day's own full date in `locale` ("Thursday, 25 December 2003"),
    // or for the notes "Notes, week of" and the week's Sunday.
    static QString headingOf(const FindResult &result, const QLocale &locale);

public slots:
    // The next (or, with -1, the previous) result, chosen; from the first, after a new search.
    void chooseNext(int step = 1);

signals:
    void resultChosen(const FindResult &result);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startSearch();
    void addResults(int search, const QList<FindResult> &results);
    void searchFinished(int search, const QString &error);
    void chooseCurrent();
    void showCount(bool done);

    std::function<std::optional<ShownWeek>()> m_shownWeek;
    QLineEdit *m_query = nullptr;
    QLabel *m_count = nullptr;
    QListWidget *m_list = nullptr;
    QTimer m_pause;
    WeekSearch m_search;
    int m_currentSearch = 0;
    bool m_searching = false;
    bool m_chooseWhenDone = false; // Enter came before the results
    QString m_searchedFor;
    QList<FindResult> m_results; // newest week first, then by box
};
