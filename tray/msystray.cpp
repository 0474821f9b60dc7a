#include "msystray.h"

#include "csystray.h"

namespace mSysTray {

LONG_PTR PrevWndProc = 0;

void Install(HWND hWnd, LONG_PTR control)
{
    PrevWndProc = SetWindowLongA(hWnd, GWL_WNDPROC, procedureValue(TrayWndProc));
    SetWindowLongA(hWnd, GWL_USERDATA, control);
}

void Remove(HWND hWnd)
{
    SetWindowLongA(hWnd, GWL_WNDPROC, PrevWndProc);
}

LRESULT TrayWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == TRAY_CALLBACK_MESSAGE) {
        // Borrowed, not owned: the control removes this hook before it goes away.
        auto *control = reinterpret_cast<cSysTray *>(GetWindowLongA(hWnd, GWL_USERDATA));
        control->RaiseTrayEvent(static_cast<qint32>(lParam), static_cast<qint32>(wParam));
    }
    return CallWindowProcA(PrevWndProc, hWnd, uMsg, wParam, lParam);
}

} // namespace mSysTray
