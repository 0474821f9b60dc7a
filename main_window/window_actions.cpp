#include "window_actions.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QShortcut>
#include <QWidget>

const std::array<WindowActions::Entry, WindowActions::Count> &WindowActions::table()
{
    // In the menu's order. The week keys are those people press by habit in a schedule book;
    // Ctrl+G is "go to" in editors; F1, Ctrl+Q, Ctrl+P, Ctrl+S and Ctrl+F are the desktop's own.
    static const std::array<Entry, Count> entries{{
        {GoToDate, QT_TRANSLATE_NOOP("WindowActions", "&Go to date…"),
         QKeySequence(Qt::CTRL | Qt::Key_G), "GoToDateAction"},
        {ThisWeek, QT_TRANSLATE_NOOP("WindowActions", "&This week"),
         QKeySequence(Qt::ALT | Qt::Key_Home), "ThisWeekAction"},
        {PreviousWeek, QT_TRANSLATE_NOOP("WindowActions", "P&revious week"),
         QKeySequence(Qt::CTRL | Qt::Key_PageUp), "PreviousWeekAction"},
        {NextWeek, QT_TRANSLATE_NOOP("WindowActions", "&Next week"),
         QKeySequence(Qt::CTRL | Qt::Key_PageDown), "NextWeekAction"},
        {SaveWeek, QT_TRANSLATE_NOOP("WindowActions", "&Save week"),
         QKeySequence(Qt::CTRL | Qt::Key_S), "SaveWeekAction", false, true},
        {Find, QT_TRANSLATE_NOOP("WindowActions", "&Find in all weeks…"),
         QKeySequence(Qt::CTRL | Qt::Key_F), "FindAction", true, true},
        {FindNext, QT_TRANSLATE_NOOP("WindowActions", "Find ne&xt"), QKeySequence(Qt::Key_F3),
         "FindNextAction", true},
        {FindPrevious, QT_TRANSLATE_NOOP("WindowActions", "Find pre&vious"),
         QKeySequence(Qt::SHIFT | Qt::Key_F3), "FindPreviousAction", true},
        {Print, QT_TRANSLATE_NOOP("WindowActions", "&Print week…"),
         QKeySequence(Qt::CTRL | Qt::Key_P), "PrintAction", false, true},
        {PrintPreview, QT_TRANSLATE_NOOP("WindowActions", "Print previe&w…"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), "PrintPreviewAction"},
        {ExportAll, QT_TRANSLATE_NOOP("WindowActions", "&Export all weeks…"),
         QKeySequence(Qt::CTRL | Qt::Key_E), "ExportAction"},
        {ImportWeeks, QT_TRANSLATE_NOOP("WindowActions", "&Import weeks…"),
         QKeySequence(Qt::CTRL | Qt::Key_I), "ImportAction"},
        // F5 brings things up to date in browsers and file managers.
        {Sync, QT_TRANSLATE_NOOP("WindowActions", "S&ync…"), QKeySequence(), "SyncAction", false,
         true},
        {SyncNow, QT_TRANSLATE_NOOP("WindowActions", "Sync n&ow"), QKeySequence(Qt::Key_F5),
         "SyncNowAction"},
        // Ctrl+= is Ctrl++ without Shift on keyboards that have both on one key.
        {LargerText, QT_TRANSLATE_NOOP("WindowActions", "&Larger text"),
         QKeySequence(Qt::CTRL | Qt::Key_Plus), "LargerTextAction", false, true,
         QKeySequence(Qt::CTRL | Qt::Key_Equal)},
        {SmallerText, QT_TRANSLATE_NOOP("WindowActions", "S&maller text"),
         QKeySequence(Qt::CTRL | Qt::Key_Minus), "SmallerTextAction"},
        {UsualTextSize, QT_TRANSLATE_NOOP("WindowActions", "&Usual text size"),
         QKeySequence(Qt::CTRL | Qt::Key_0), "UsualTextSizeAction"},
        {Guide, QT_TRANSLATE_NOOP("WindowActions", "User's gui&de"), QKeySequence(Qt::Key_F1),
         "GuideAction", true, true},
        {About, QT_TRANSLATE_NOOP("WindowActions", "&About Orvanta"), QKeySequence(),
         "AboutAction"},
        {Quit, QT_TRANSLATE_NOOP("WindowActions", "&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
         "QuitAction", true, true},
    }};
    return entries;
}

QList<QKeySequence> WindowActions::menuKeys()
{
    // F10 opens the menu in desktop programs; Alt+F is where people look for a File menu.
    return {QKeySequence(Qt::Key_F10), QKeySequence(Qt::ALT | Qt::Key_F)};
}

QString WindowActions::plainText(const char *text)
{
    QString plain = tr(text);
    // Languages that keep the mnemonic's letter apart write it after the text: "保存(&S)".
    static const QRegularExpression apart(QStringLiteral("\\(&[^&)]\\)"));
    plain.remove(apart);
    plain.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    plain.remove(u'&');
    plain.replace(u'\x01', u'&');
    return plain;
}

QList<WindowActions::KeyLine> WindowActions::keyLines()
{
    QList<KeyLine> lines;
    for (const Entry &entry : table())
        lines.append({plainText(entry.text), entry.keys.toString(QKeySequence::NativeText)});
    QStringList menu;
    for (const QKeySequence &keys : menuKeys())
        menu.append(keys.toString(QKeySequence::NativeText));
    lines.append({tr("This menu"), menu.join(tr(" or "))});
    return lines;
}

WindowActions::WindowActions(QWidget &window, QObject *parent) : QObject(parent), m_window(window)
{
    for (const Entry &entry : table()) {
        auto *action = new QAction(tr(entry.text), &window);
        action->setObjectName(QLatin1String(entry.objectName));
        if (entry.otherKeys.isEmpty())
            action->setShortcut(entry.keys);
        else
            action->setShortcuts({entry.keys, entry.otherKeys});
        action->setShortcutContext(entry.everywhere ? Qt::ApplicationShortcut : Qt::WindowShortcut);
        // Added to the window, an action's key works wherever the focus is in it.
        window.addAction(action);
        m_actions[entry.id] = action;
    }
    for (const QKeySequence &keys : menuKeys()) {
        auto *shortcut = new QShortcut(keys, &window);
        connect(shortcut, &QShortcut::activated, this, &WindowActions::openMenu);
    }
}

WindowActions::~WindowActions() = default;

QMenu &WindowActions::menu() const
{
    if (m_menu)
        return *m_menu;
    m_menu = new QMenu(&m_window);
    m_menu->setObjectName(QStringLiteral("WindowMenu"));
    m_menu->setTitle(QStringLiteral("Orvanta"));
    for (const Entry &entry : table()) {
        if (entry.separatorBefore)
            m_menu->addSeparator();
        m_menu->addAction(m_actions[entry.id]);
    }
    return *m_menu;
}

void WindowActions::openMenu()
{
    // Where a menu bar would be: the window's top left, inside its frame.
    QMenu &shown = menu();
    shown.popup(m_window.mapToGlobal(QPoint(0, 0)));
    shown.setActiveAction(shown.actions().value(0));
}
