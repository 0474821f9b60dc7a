#pragma once

#include "controls/user_control.h"
#include "msystray.h"
#include "win32/notify_icon.h"

// A control that puts one icon with a tooltip in the desktop's notification area while InTray
// is true, keeps the icon and tooltip in step with TrayIcon and TrayTip, and reports mouse
// activity on the icon as events. Invisible at run time; held at 510 x 510 twips.
//
// The shell reports the mouse to the control's own window (hWnd), where the hook of mSysTray
// catches the callback message. The hook goes in before the icon is added and comes out after
// the icon is deleted, so it only ever reports to a live control.
class cSysTray final : public UserControl
{
    Q_OBJECT
public:
    static constexpr int kSideTwips = 510;

    explicit cSysTray(NotifyIconShell &shell, QWidget *parent = nullptr);
    ~cSysTray() override;

    // Accepts icons only: anything else, or no picture, is ignored and the icon stays.
    PictureRef TrayIcon() const { return mIcon; }
    void setTrayIcon(PictureRef Icon);
    QString TrayTip() const { return mTip; }
    void setTrayTip(const QString &Tip);
    bool InTray() const { return mInTray; }
    void setInTray(bool Show);
    // Whether the desktop really shows the icon now, not just whether it was asked to.
    bool IconVisible() const { return mIconShown && m_shell.isIconShowing(mHostWnd, mIconId); }

    void InitProperties() override;
    void ReadProperties(const PropertyBag &bag) override;
    void WriteProperties(PropertyBag &bag) const override;

signals:
    // Button: 1 left, 2 right. Id: the icon's identifier, always 0.
    void MouseMove(qint32 Id);
    void MouseDown(qint16 Button, qint32 Id);
    void MouseUp(qint16 Button, qint32 Id);
    void MouseDblClick(qint16 Button, qint32 Id);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    friend LRESULT mSysTray::TrayWndProc(HWND, UINT, WPARAM, LPARAM);

    void Initialize();
    void Resize();
    void Terminate();
    void AddTrayIcon(HWND window, qint32 id, const QString &tip, const PictureRef &icon);
    void DeleteTrayIcon(HWND window, qint32 id);
    void RaiseTrayEvent(qint32 message, qint32 id);
    NOTIFYICONDATA record(HWND window, qint32 id, quint32 flags) const;

    NotifyIconShell &m_shell;
    bool mInTray = false;
    qint32 mIconId = 0;
    QString mTip;
    HWND mHostWnd = 0;
    PictureRef mIcon;
    bool mIconShown = false;
};
