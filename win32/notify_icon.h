#pragma once

#include "window_layer.h"

#include <cstddef>
#include <QString>

// The notification-area interface of the desktop shell: one call that adds, changes or removes
// an icon described by a fixed 88-byte record, the shell's earliest form with 8-bit text.

using HICON = quint32; // a picture's icon handle

struct NOTIFYICONDATA
{
    quint32 cbSize;
    quint32 hWnd; // the window that owns the icon and receives its callback messages
    quint32 uID;
    quint32 uFlags; // which of the three fields below are valid
    quint32 uCallbackMessage;
    HICON hIcon;
    char szTip[64]; // local 8-bit text ending in a NUL
};
static_assert(sizeof(NOTIFYICONDATA) == 88);
static_assert(offsetof(NOTIFYICONDATA, hWnd) == 4);
static_assert(offsetof(NOTIFYICONDATA, uID) == 8);
static_assert(offsetof(NOTIFYICONDATA, uFlags) == 12);
static_assert(offsetof(NOTIFYICONDATA, uCallbackMessage) == 16);
static_assert(offsetof(NOTIFYICONDATA, hIcon) == 20);
static_assert(offsetof(NOTIFYICONDATA, szTip) == 24);

inline constexpr quint32 NIM_ADD = 0;
inline constexpr quint32 NIM_MODIFY = 1;
inline constexpr quint32 NIM_DELETE = 2;

inline constexpr quint32 NIF_MESSAGE = 1;
inline constexpr quint32 NIF_ICON = 2;
inline constexpr quint32 NIF_TIP = 4;

// Puts `tip` into szTip in the local 8-bit encoding, cut to the longest start that fits in 63
// bytes without splitting a character, then a NUL. Cutting the text before encoding it would
// overflow the field wherever a character takes more than one byte.
void setTipField(NOTIFYICONDATA &data, const QString &tip);
// The text in szTip, up to its NUL.
QString tipField(const NOTIFYICONDATA &data);

// The shell side: shows, changes and removes icons, and reports mouse activity on an icon by
// posting the icon's callback message to its window (wParam: uID; lParam: the mouse message,
// WM_MOUSEMOVE to WM_MBUTTONDBLCLK).
class NotifyIconShell
{
public:
    virtual ~NotifyIconShell() = default;
    // dwMessage is NIM_ADD, NIM_MODIFY or NIM_DELETE. False when the shell refused the call.
    virtual bool Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA &data) = 0;
    // Whether the desktop really shows the icon now: a tray exists and holds it. Not one of the
    // shell's calls but ours, so that a window is never hidden where its icon cannot be seen.
    virtual bool isIconShowing(HWND hWnd, quint32 uID) const = 0;
};
