#pragma once

#include <QMenu>
#include <QObject>
#include <QTimer>

class QAction;
class QWidget;
class cSysTray;

// The tray icon's menu: "Show Orvanta" (or "Hide Orvanta" while the window is shown), the
// window's actions it is given, and last, after a line, the ending one (Quit). A right click on
// the icon opens it at the pointer, once the double-click interval has passed without a second
// click: a right double-click still restores the window instead.
// StatusNotifierItem hosts show the same menu themselves (menu()).
class TrayMenu : public QObject
{
    Q_OBJECT
public:
    TrayMenu(QWidget &window, cSysTray &tray, QObject *parent = nullptr);

    QMenu &menu() { return m_menu; }
    // One of the window's actions, its key shown beside it: above the line, or as the last entry
    // below it.
    void addEntry(QAction *action);
    void addLast(QAction *action);

signals:
    void showRequested();
    void hideRequested();

private:
    void nameShowOrHide();
    void onMouseUp(qint16 button);

    QWidget &m_window;
    QMenu m_menu;
    QAction *m_showOrHide = nullptr;
    QAction *m_beforeLast = nullptr;
    QTimer m_rightClick; // runs from a right button's release for one double-click interval
    bool m_releaseEndsDoubleClick = false;
};
