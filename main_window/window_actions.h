#pragma once

#include <array>
#include <QKeySequence>
#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QWidget;

// Everything the user can do from the window, each with its text and key declared once, here:
// the window's keys, its menu (F10), the tray menu, the boxes' context menu and the guide's list
// of keys are all made from this one table, so a key shown anywhere is the key that works.
class WindowActions : public QObject
{
    Q_OBJECT
public:
    enum Id {
        GoToDate,
        ThisWeek,
        PreviousWeek,
        NextWeek,
        SaveWeek,
        Find,
        FindNext,
        FindPrevious,
        Print,
        PrintPreview,
        ExportAll,
        ImportWeeks,
        Sync,
        SyncNow,
        LargerText,
        SmallerText,
        UsualTextSize,
        Guide,
        About,
        Quit,
        Count
    };

    struct Entry
    {
        Id id;
        const char *text; // with the menu's mnemonic
        QKeySequence keys;
        const char *objectName;
        // Also from the find window (and any other window of Orvanta's), not only the main one.
        bool everywhere = false;
        bool separatorBefore = false; // in the window's menu
        QKeySequence otherKeys = {};  // that work as well, unshown
    };
    static const std::array<Entry, Count> &table();

    // The keys that open the window's menu.
    static QList<QKeySequence> menuKeys();

    // The actions, their keys working anywhere in `window`, and the window's menu with all of
    // them, opened by the menu keys at the window's top left.
    explicit WindowActions(QWidget &window, QObject *parent = nullptr);
    ~WindowActions() override;

    QAction *action(Id id) const { return m_actions.at(id); }
    // Made when first opened: the start does not wait for a menu it does not show.
    QMenu &menu() const;
    void openMenu();

    // Each action's text as a person reads it (no mnemonic) with its key as this desktop
    // writes it, in the menu's order: what the guide lists.
    struct KeyLine
    {
        QString text;
        QString keys;
    };
    static QList<KeyLine> keyLines();

    // An action's text without the menu's mnemonic.
    static QString plainText(const char *text);

private:
    QWidget &m_window;
    std::array<QAction *, Count> m_actions{};
    mutable QMenu *m_menu = nullptr;
};
