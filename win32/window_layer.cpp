#include "window_layer.h"

#include <QCoreApplication>
#include <unordered_map>

namespace {

struct Window
{
    WNDPROC procedure;
    LONG_PTR userData = 0;
};

// The windows of the process by handle, as the desktop keeps them.
std::unordered_map<HWND, Window> &windows()
{
    static std::unordered_map<HWND, Window> table;
    return table;
}

Window *findWindow(HWND hWnd)
{
    const auto it = windows().find(hWnd);
    return it == windows().end() ? nullptr : &it->second;
}

} // namespace

LRESULT DefWindowProcA(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

HWND CreateWindowA(WNDPROC procedure)
{
    static HWND lastHandle = 0;
    lastHandle += 2; // even and never 0, like the desktop's own handles
    windows().emplace(lastHandle, Window{procedure ? procedure : DefWindowProcA});
    return lastHandle;
}

bool DestroyWindow(HWND hWnd)
{
    return windows().erase(hWnd) > 0;
}

bool IsWindow(HWND hWnd)
{
    return findWindow(hWnd) != nullptr;
}

LONG_PTR SetWindowLongA(HWND hWnd, int nIndex, LONG_PTR dwNewLong)
{
    Window *window = findWindow(hWnd);
    if (!window)
        return 0;
    LONG_PTR previous = 0;
    if (nIndex == GWL_WNDPROC) {
        previous = procedureValue(window->procedure);
        window->procedure = reinterpret_cast<WNDPROC>(dwNewLong);
    } else if (nIndex == GWL_USERDATA) {
        previous = window->userData;
        window->userData = dwNewLong;
    }
    return previous;
}

LONG_PTR GetWindowLongA(HWND hWnd, int nIndex)
{
    const Window *window = findWindow(hWnd);
    if (!window)
        return 0;
    if (nIndex == GWL_WNDPROC)
        return procedureValue(window->procedure);
    if (nIndex == GWL_USERDATA)
        return window->userData;
    return 0;
}

LRESULT CallWindowProcA(LONG_PTR lpPrevWndFunc, HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const auto procedure = reinterpret_cast<WNDPROC>(lpPrevWndFunc);
    return procedure ? procedure(hWnd, uMsg, wParam, lParam) : 0;
}

LRESULT SendMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    const Window *window = findWindow(hWnd);
    if (!window)
        return 0;
    // A copy: the procedure may install another one or destroy the window while it runs.
    const WNDPROC procedure = window->procedure;
    return procedure(hWnd, uMsg, wParam, lParam);
}

bool PostMessageA(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || !IsWindow(hWnd))
        return false;
    return QMetaObject::invokeMethod(
        application, [=] { SendMessageA(hWnd, uMsg, wParam, lParam); }, Qt::QueuedConnection);
}
