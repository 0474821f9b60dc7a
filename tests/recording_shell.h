#pragma once

#include "tray/msystray.h"
#include "win32/notify_icon.h"

#include <functional>
#include <QByteArray>
#include <QList>
#include <QSet>

// Stands in for the desktop shell: keeps every call with its record byte for byte, and whether
// the owning window was hooked at that moment.
class RecordingShell final : public NotifyIconShell
{
public:
    struct Call
    {
        quint32 operation;
        QByteArray record;
        bool hooked;
    };

    bool Shell_NotifyIconA(quint32 dwMessage, const NOTIFYICONDATA &data) override
    {
        if (dwMessage == NIM_ADD)
            shown.insert({data.hWnd, data.uID});
        else if (dwMessage == NIM_DELETE)
            shown.remove({data.hWnd, data.uID});
        if (onCall)
            onCall(dwMessage);
        calls.append(
            {dwMessage, QByteArray(reinterpret_cast<const char *>(&data), sizeof data),
             GetWindowLongA(data.hWnd, GWL_WNDPROC) == procedureValue(mSysTray::TrayWndProc)});
        return true;
    }

    // Shown while added, unless the test takes the tray away.
    bool isIconShowing(HWND hWnd, quint32 uID) const override
    {
        return trayPresent && shown.contains({hWnd, uID});
    }

    QList<quint32> operations() const
    {
        QList<quint32> result;
        for (const Call &call : calls)
            result.append(call.operation);
        return result;
    }

    QList<Call> calls;
    bool trayPresent = true;
    std::function<void(quint32 operation)> onCall; // runs before the call is recorded
    QSet<std::pair<HWND, quint32>> shown;
};
