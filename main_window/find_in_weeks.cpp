#include "find_in_weeks.h"

#include "find_window/find_window.h"
#include "tray_menu.h"
#include "week_page.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>

FindInWeeks::FindInWeeks(Window window, const QString &databasePath, TrayMenu &trayMenu,
                         QObject *parent)
    : QObject(parent), m_window(std::move(window))
{
    const WeekPage *page = m_window.page;
    m_findWindow = new FindWindow(
        databasePath,
        [page]() -> std::optional<ShownWeek> {
            if (!page->weekStart().isValid())
                return std::nullopt;
            return ShownWeek{page->weekStart(), page->texts()};
        },
        m_window.main);
    connect(m_findWindow, &FindWindow::resultChosen, this, &FindInWeeks::goTo);

    const auto key = [this](const QKeySequence &keys, auto action) {
        // Anywhere in Orvanta: the main window and the find window alike.
        auto *shortcut = new QShortcut(keys, m_window.main);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
        return shortcut;
    };
    key(QKeySequence::Find, [this] { open(); });
    key(QKeySequence(Qt::Key_F3), [this] {
        if (m_findWindow->isVisible())
            m_findWindow->chooseNext(1);
    });
    key(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] {
        if (m_findWindow->isVisible())
            m_findWindow->chooseNext(-1);
    });
    connect(trayMenu.addEntry(QStringLiteral("&Find…")), &QAction::triggered, this, [this] {
        m_window.comeForward();
        open();
    });
    for (QPlainTextEdit *box : m_window.boxes)
        addFindToBox(box);
}

FindInWeeks::~FindInWeeks() = default;

void FindInWeeks::open(const QString &query)
{
    m_findWindow->open(*m_window.main, query);
}

void FindInWeeks::addFindToBox(QPlainTextEdit *box)
{
    box->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint &at) {
        QMenu *menu = box->createStandardContextMenu(at);
        menu->addSeparator();
        const QString selected = box->textCursor().selectedText();
        connect(menu->addAction(QStringLiteral("Find in all weeks…")), &QAction::triggered, this,
                [this, selected] {
                    // A selection of one line is what to look for.
                    open(selected.contains(QChar::ParagraphSeparator) ? QString() : selected);
                });
        menu->exec(box->mapToGlobal(at));
        delete menu;
    });
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
