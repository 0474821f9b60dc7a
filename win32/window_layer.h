#pragma once

#include <QtGlobal>

// A small stand-in for the desktop's window-message plumbing, as the tray control and its hook
// expect it: numbered windows, each with a window procedure and a user-data value. A message
// sent or posted to a window runs whatever procedure is installed when it is delivered, so a
// procedure can be put in front of another one and taken away again.
//
// Everything runs on the user-interface thread.

using HWND = quint32; // handles fit the 32-bit fields of the shell's records
using UINT = quint32;
using WPARAM = quintptr;
using LPARAM = qintptr;
using LRESULT = qintptr;
using LONG_PTR = qintptr; // wide enough for a procedure's or an object's address
using WNDPROC = LRESULT (*)(HWND, UINT, WPARAM, LPARAM);

inline constexpr int GWL_WNDPROC = -4;
inline constexpr int GWL_USERDATA = -21;

inline constexpr UINT WM_USER = 0x0400;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;

// A procedure as the value that GWL_WNDPROC holds.
inline LONG_PTR procedureValue(WNDPROC procedure)
{
    return reinterpret_cast<LONG_PTR>(procedure);
}

// The procedure a window starts with: it handles nothing and answers 0.
LRESULT DefWindowProcA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// A new window running `procedure`, with user data 0. Never returns 0.
HWND CreateWindowA(WNDPROC procedure = DefWindowProcA);
// The handle stops working at once; messages still queued for it are dropped.
bool DestroyWindow(HWND hWnd);
bool IsWindow(HWND hWnd);

// Sets GWL_WNDPROC or GWL_USERDATA and returns the value it replaces; 0 for a handle that is
// not a window or an index that is neither.
LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LONG_PTR GetWindowLongA(HWND hWnd, int nIndex);
// Runs a procedure kept as a GWL_WNDPROC value.
LRESULT CallWindowProcA(LONG_PTR lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Runs the window's current procedure now and returns its result (0 for no window).
LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
// Queues the message; the event loop hands it to the procedure installed at that time. False
// when there is no such window or no event loop to queue on.
bool PostMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
