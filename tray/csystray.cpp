#include "csystray.h"

#include "controls/twips.h"

namespace {

const QString kDefaultTip = QStringLiteral("Telnet Server");

} // namespace

cSysTray::cSysTray(NotifyIconShell &shell, QWidget *parent) : UserControl(parent), m_shell(shell)
{
    Initialize();
    Resize();
}

cSysTray::~cSysTray()
{
    Terminate();
}

void cSysTray::Initialize()
{
    mInTray = false;
    mIconShown = false;
    mIconId = 0;
    mHostWnd = hWnd();
}

void cSysTray::InitProperties()
{
    setInTray(false);
    setTrayTip(kDefaultTip);
    setTrayIcon(Picture());
}

void cSysTray::ReadProperties(const PropertyBag &bag)
{
    // InTray first: an instance saved with its icon on adds it before icon and tip are known.
    setInTray(bag.ReadProperty(QStringLiteral("InTray"), false).toBool());
    setTrayIcon(bag.ReadProperty(QStringLiteral("TrayIcon"), QVariant::fromValue(Picture()))
                    .value<PictureRef>());
    setTrayTip(bag.ReadProperty(QStringLiteral("TrayTip"), kDefaultTip).toString());
}

void cSysTray::WriteProperties(PropertyBag &bag) const
{
    // No defaults: all three are always stored.
    bag.WriteProperty(QStringLiteral("InTray"), mInTray);
    bag.WriteProperty(QStringLiteral("TrayIcon"), QVariant::fromValue(mIcon));
    bag.WriteProperty(QStringLiteral("TrayTip"), mTip);
}

void cSysTray::resizeEvent(QResizeEvent *event)
{
    UserControl::resizeEvent(event);
    Resize();
}

void cSysTray::Resize()
{
    // Whatever size the container asks for.
    setFixedSize(twipsToPixels(kSideTwips), twipsToPixels(kSideTwips));
}

void cSysTray::Terminate()
{
    if (mInTray)
        setInTray(false);
}

void cSysTray::setTrayIcon(PictureRef Icon)
{
    if (!Icon || Icon->Type() != StdPicture::vbPicTypeIcon)
        return;
    if (mIconShown) {
        NOTIFYICONDATA data = record(mHostWnd, mIconId, NIF_ICON);
        data.hIcon = Icon->Handle();
        m_shell.Shell_NotifyIconA(NIM_MODIFY, data);
    }
    mIcon = Icon;
    setPicture(std::move(Icon));
    PropertyChanged(QStringLiteral("TrayIcon"));
}

void cSysTray::setTrayTip(const QString &Tip)
{
    if (mIconShown) {
        // An empty tip is sent too: it clears the shown one.
        NOTIFYICONDATA data = record(mHostWnd, mIconId, NIF_TIP);
        setTipField(data, Tip);
        m_shell.Shell_NotifyIconA(NIM_MODIFY, data);
    }
    mTip = Tip;
    PropertyChanged(QStringLiteral("TrayTip"));
}

void cSysTray::setInTray(bool Show)
{
    if (Show == mInTray)
        return;
    if (Show) {
        if (AmbientUserMode()) {
            mSysTray::Install(mHostWnd, reinterpret_cast<LONG_PTR>(this));
            AddTrayIcon(mHostWnd, mIconId, mTip, mIcon);
            mIconShown = true;
        }
    } else if (mIconShown) {
        DeleteTrayIcon(mHostWnd, mIconId);
        mSysTray::Remove(mHostWnd);
        mIconShown = false;
    }
    mInTray = Show;
    PropertyChanged(QStringLiteral("InTray"));
}

NOTIFYICONDATA cSysTray::record(HWND window, qint32 id, quint32 flags) const
{
    NOTIFYICONDATA data{}; // every field not named here stays zero
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = static_cast<quint32>(id);
    data.uFlags = flags;
    return data;
}

void cSysTray::AddTrayIcon(HWND window, qint32 id, const QString &tip, const PictureRef &icon)
{
    NOTIFYICONDATA data = record(window, id, 0);
    if (icon) {
        data.hIcon = icon->Handle();
        data.uFlags |= NIF_ICON;
    }
    if (!tip.isEmpty()) {
        setTipField(data, tip);
        data.uFlags |= NIF_TIP;
    }
    data.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    data.uFlags |= NIF_MESSAGE;
    m_shell.Shell_NotifyIconA(NIM_ADD, data);
}

void cSysTray::DeleteTrayIcon(HWND window, qint32 id)
{
    m_shell.Shell_NotifyIconA(NIM_DELETE, record(window, id, 0));
}

void cSysTray::RaiseTrayEvent(qint32 message, qint32 id)
{
    switch (message) {
    case WM_MOUSEMOVE:
        emit MouseMove(id);
        break;
    case WM_LBUTTONDOWN:
        emit MouseDown(1, id);
        break;
    case WM_LBUTTONUP:
        emit MouseUp(1, id);
        break;
    case WM_LBUTTONDBLCLK:
        emit MouseDblClick(1, id);
        break;
    case WM_RBUTTONDOWN:
        emit MouseDown(2, id);
        break;
    case WM_RBUTTONUP:
        emit MouseUp(2, id);
        break;
    case WM_RBUTTONDBLCLK:
        emit MouseDblClick(2, id);
        break;
    default: // the middle button and everything else raise nothing
        break;
    }
}
