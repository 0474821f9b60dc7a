#pragma once

#include "win32/notify_icon.h"

#include <memory>
#include <QObject>
#include <QPointer>
#include <vector>

class QMenu;
class QSystemTrayIcon;

// The notification area of the desktop, through Qt's QSystemTrayIcon: one tray icon per
// (hWnd, uID), its image taken from the record's icon handle and its tooltip from szTip. Mouse
// activity on an icon is posted to its window as the icon's callback message, with wParam the
// uID and lParam the mouse message, as far as the desktop lets Qt see it:
//
// - XEmbed trays (bare X desktops, older panels): every press, release, double-click and move
//   of each button, read from the mouse events of the small window Qt makes for the icon.
// - StatusNotifierItem hosts (KDE Plasma, GNOME's tray extension): the host only ever reports
//   its primary action, which becomes a left double-click.
class SystemTrayShell final : public QObject, public NotifyIconShell
{
    Q_OBJECT
public:
    explicit SystemTrayShell(QObject *parent = nullptr);
    ~SystemTrayShell() override;

    bool Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA &data) override;
    // Asked of the desktop each time, since a panel can come and go while the program runs.
    bool isIconShowing(HWND hWnd, quint32 uID) const override;

    // The tray icon shown for (hWnd, uID), or null.
    QSystemTrayIcon *trayIcon(HWND hWnd, quint32 uID) const;

    // The menu that hosts which show an icon's menu themselves (StatusNotifierItem) show for
    // every icon. XEmbed trays get none: Qt would open it on the right button's press there and
    // so take the right double-click away; the program opens it itself on a right click.
    void setHostMenu(QMenu *menu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Icon;
    using Icons = std::vector<std::unique_ptr<Icon>>;

    bool add(const NOTIFYICONDATA &data);
    void modify(Icon &icon, const NOTIFYICONDATA &data);
    bool remove(HWND hWnd, quint32 uID);
    Icons::const_iterator position(HWND hWnd, quint32 uID) const;
    Icon *find(HWND hWnd, quint32 uID) const;
    Icon *iconAt(QPoint globalPosition) const;
    void report(const Icon &icon, UINT mouseMessage) const;
    void offerHostMenu(Icon &icon) const;

    Icons m_icons;
    QPointer<QMenu> m_hostMenu;
};
