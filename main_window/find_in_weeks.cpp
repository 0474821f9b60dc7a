#include "find_in_weeks.h"

#include "find_window/find_window.h"
#include "week_page.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

// A selection of one line is what to look for; of several, nothing is.
QString selectedWords(const QPlainTextEdit &box)
{
    const QString selected = box.textCursor().selectedText();
    return selected.contains(QChar::ParagraphSeparator) ? QString() : selected;
}

} // namespace

FindInWeeks::FindInWeeks(Window window, const QString &databasePath, QObject *parent)
    : QObject(parent), m_window(std::move(window)), m_databasePath(databasePath)
{
}

FindWindow &FindInWeeks::findWindow()
{
    if (m_findWindow)
        return *m_findWindow;
    const WeekPage *page = m_window.page;
    m_findWindow = new FindWindow(
        m_databasePath,
        [page]() -> std::optional<ShownWeek> {
            if (!page->weekStart().isValid())
                return std::nullopt;
            return ShownWeek{page->weekStart(), page->texts()};
        },
        m_window.main);
    connect(m_findWindow, &FindWindow::resultChosen, this, &FindInWeeks::goTo);
    return *m_findWindow;
}

FindInWeeks::~FindInWeeks() = default;

void FindInWeeks::open(const QString &query)
{
    findWindow().open(*m_window.main, query);
}

void FindInWeeks::find()
{
    QString words;
    for (QPlainTextEdit *box : m_window.boxes) {
        if (box == QApplication::focusWidget())
            words = selectedWords(*box);
    }
    // From the tray, or with Orvanta behind another program: the window comes first.
    if (!m_window.main->isActiveWindow() && !(m_findWindow && m_findWindow->isActiveWindow()))
        m_window.comeForward();
    open(words);
}

void FindInWeeks::goToNext(int step)
{
    if (!m_findWindow || !m_findWindow->isVisible()) {
        if (!m_findWindow || m_findWindow->queryField()->text().trimmed().isEmpty()) {
            find(); // nothing looked for yet: ask what
            return;
        }
        open();
    }
    m_findWindow->chooseNext(step);
}

void FindInWeeks::goTo(const FindResult &result)
{
    m_window.showWeek(result.weekStart);
    if (m_window.page->weekStart() != result.weekStart)
        return; // the week on screen could not be left; the window has said why
    QPlainTextEdit *box = m_window.boxes[result.box];
    // Found again in the box as it is now: its stored text may have changed since the search.
    QList<TextMatch::Span> spans;
    TextMatch::Span match = result.match;
    if (m_findWindow->query().matches(box->toPlainText(), &spans))
        match = spans.first();
    QTextCursor cursor(box->document());
    const int end = box->document()->characterCount() - 1;
    cursor.setPosition(std::min(int(match.start), end));
    cursor.setPosition(std::min(int(match.start + match.length), end), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->ensureCursorVisible();
    m_window.main->activateWindow();
    box->setFocus();
}
