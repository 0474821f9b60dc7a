#include "system_tray_shell.h"

#include "controls/std_picture.h"

#include <algorithm>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QSystemTrayIcon>

struct SystemTrayShell::Icon
{
    HWND hWnd = 0;
    quint32 uID = 0;
    UINT callbackMessage = 0;
    std::unique_ptr<QSystemTrayIcon> tray;
    bool reportsRawMouse = false; // its mouse events have been seen directly
};

namespace {

// The shell's mouse message for a raw mouse event on a tray icon; 0 for none.
UINT mouseMessage(QEvent::Type type, Qt::MouseButton button)
{
    if (type == QEvent::MouseMove)
        return WM_MOUSEMOVE;
    // Down, up and double-click follow each other for each button.
    UINT first = 0;
    switch (button) {
    case Qt::LeftButton:
        first = WM_LBUTTONDOWN;
        break;
    case Qt::RightButton:
        first = WM_RBUTTONDOWN;
        break;
    case Qt::MiddleButton:
        first = WM_MBUTTONDOWN;
        break;
    default:
        return 0;
    }
    switch (type) {
    case QEvent::MouseButtonPress:
        return first;
    case QEvent::MouseButtonRelease:
        return first + 1;
    case QEvent::MouseButtonDblClick:
        return first + 2;
    default:
        return 0;
    }
}

QIcon iconImage(HICON handle)
{
    QIcon icon = StdPicture::iconForHandle(handle);
    if (icon.isNull()) {
        // An icon without an image still takes its place in the tray, as an empty one.
        QPixmap empty(16, 16);
        empty.fill(Qt::transparent);
        icon = QIcon(empty);
    }
    return icon;
}

} // namespace

SystemTrayShell::SystemTrayShell(QObject *parent) : QObject(parent) {}

SystemTrayShell::~SystemTrayShell() = default;

bool SystemTrayShell::Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA &data)
{
    if (data.cbSize != sizeof(NOTIFYICONDATA))
        return false;
    switch (dwMessage) {
    case NIM_ADD:
        return add(data);
    case NIM_MODIFY:
        if (Icon *icon = find(data.hWnd, data.uID)) {
            modify(*icon, data);
            return true;
        }
        return false;
    case NIM_DELETE:
        return remove(data.hWnd, data.uID);
    default:
        return false;
    }
}

bool SystemTrayShell::isIconShowing(HWND hWnd, quint32 uID) const
{
    // An XEmbed icon docks by itself when a tray appears later, and leaves with the tray.
    const Icon *icon = find(hWnd, uID);
    return icon && icon->tray->isVisible() && QSystemTrayIcon::isSystemTrayAvailable();
}

QSystemTrayIcon *SystemTrayShell::trayIcon(HWND hWnd, quint32 uID) const
{
    const Icon *icon = find(hWnd, uID);
    return icon ? icon->tray.get() : nullptr;
}

bool SystemTrayShell::add(const NOTIFYICONDATA &data)
{
    if (find(data.hWnd, data.uID))
        return false;
    auto icon = std::make_unique<Icon>();
    icon->hWnd = data.hWnd;
    icon->uID = data.uID;
    icon->tray = std::make_unique<QSystemTrayIcon>(iconImage(0));
    // Hosts that report no double-click: a StatusNotifierItem host sends one activation for its
    // primary action (a click or a double-click alike) and nothing for the right button. Taken
    // as a left double-click, so that whatever the icon restores can always be restored. Where
    // the icon's own mouse events are seen (XEmbed), they say it all and this stays out.
    Icon *raw = icon.get();
    connect(icon->tray.get(), &QSystemTrayIcon::activated, this,
            [this, raw](QSystemTrayIcon::ActivationReason reason) {
                if (raw->reportsRawMouse)
                    return;
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    report(*raw, WM_LBUTTONDBLCLK);
            });
    modify(*icon, data);
    icon->tray->show();
    offerHostMenu(*icon);
    if (m_icons.empty() && qApp)
        qApp->installEventFilter(this);
    m_icons.push_back(std::move(icon));
    return true;
}

void SystemTrayShell::setHostMenu(QMenu *menu)
{
    m_hostMenu = menu;
    for (const auto &icon : m_icons)
        offerHostMenu(*icon);
}

void SystemTrayShell::offerHostMenu(Icon &icon) const
{
    // Qt makes a small window of its private class QSystemTrayIconSys for an icon it docks in
    // an XEmbed tray, as the icon is shown; a host that shows menus itself gets no such window.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool xembed = std::any_of(windows.cbegin(), windows.cend(), [](const QWidget *window) {
        return window->inherits("QSystemTrayIconSys");
    });
    if (m_hostMenu && !xembed)
        icon.tray->setContextMenu(m_hostMenu);
}

void SystemTrayShell::modify(Icon &icon, const NOTIFYICONDATA &data)
{
    if (data.uFlags & NIF_MESSAGE)
        icon.callbackMessage = data.uCallbackMessage;
    if (data.uFlags & NIF_ICON)
        icon.tray->setIcon(iconImage(data.hIcon));
    if (data.uFlags & NIF_TIP)
        icon.tray->setToolTip(tipField(data));
}

bool SystemTrayShell::remove(HWND hWnd, quint32 uID)
{
    const auto it = position(hWnd, uID);
    if (it == m_icons.end())
        return false;
    m_icons.erase(it);
    if (m_icons.empty() && qApp)
        qApp->removeEventFilter(this);
    return true;
}

SystemTrayShell::Icons::const_iterator SystemTrayShell::position(HWND hWnd, quint32 uID) const
{
    return std::find_if(m_icons.begin(), m_icons.end(),
                        [&](const auto &icon) { return icon->hWnd == hWnd && icon->uID == uID; });
}

SystemTrayShell::Icon *SystemTrayShell::find(HWND hWnd, quint32 uID) const
{
    const auto it = position(hWnd, uID);
    return it == m_icons.end() ? nullptr : it->get();
}

SystemTrayShell::Icon *SystemTrayShell::iconAt(QPoint globalPosition) const
{
    for (const auto &icon : m_icons) {
        if (icon->tray->geometry().contains(globalPosition))
            return icon.get();
    }
    // A tray that tells Qt no geometry: with one icon there is no doubt which it is.
    return m_icons.size() == 1 ? m_icons.front().get() : nullptr;
}

void SystemTrayShell::report(const Icon &icon, UINT mouseMessage) const
{
    if (icon.callbackMessage != 0)
        PostMessageA(icon.hWnd, icon.callbackMessage, icon.uID, mouseMessage);
}

bool SystemTrayShell::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        break;
    default:
        return false;
    }
    // On an XEmbed tray Qt's activation reasons lose the right double-click (it becomes one
    // Context), so the raw events are read where they arrive: the small top-level widget that
    // Qt makes for each icon, of its private class QSystemTrayIconSys (Qt 6.4, X11). Should a
    // later Qt rename it, only the double-click of the left button would still come through,
    // by the activation reasons above; the end-to-end test of the tray would show it.
    if (!watched->isWidgetType() || !watched->inherits("QSystemTrayIconSys"))
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (Icon *icon = iconAt(mouse->globalPosition().toPoint())) {
        icon->reportsRawMouse = true;
        if (const UINT message = mouseMessage(event->type(), mouse->button()))
            report(*icon, message);
    }
    return false; // Qt goes on with the event as usual
}
