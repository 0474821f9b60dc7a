#pragma once

#include "platform/notify_icon.h"
#include "tray/msystray.h"

#include <QByteArray>
#include <QList>

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
        calls.append(
            {dwMessage, QByteArray(reinterpret_cast<const char *>(&data), sizeof data),
             GetWindowLongA(data.hWnd, GWL_WNDPROC) == procedureValue(mSysTray::TrayWndProc)});
        return true;
    }

    QList<quint32> operations() const
    {
        QList<quint32> result;
        for (const Call &call : calls)
            result.append(call.operation);
        return result;
    }

    QList<Call> calls;
};
