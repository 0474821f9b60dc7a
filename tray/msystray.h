#pragma once

#include "win32/window_layer.h"

// The window message through which the shell reports mouse activity on the tray icon.
inline constexpr UINT TRAY_CALLBACK_MESSAGE = WM_USER + 101; // 1125

// The hook of the tray control's own window.
namespace mSysTray {

// The procedure the hooked window had before the hook. One slot for the whole program, so at
// most one control may show its icon at a time.
extern LONG_PTR PrevWndProc;

// Puts TrayWndProc in front of the window's procedure and records `control` (not owned) in the
// window's user data.
void Install(HWND hWnd, LONG_PTR control);
// Puts the previous procedure back; the user data stays.
void Remove(HWND hWnd);

// Turns the callback message into the owning control's event, then hands every message, the
// callback included, to the previous procedure and returns its result unchanged.
LRESULT TrayWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

} // namespace mSysTray
