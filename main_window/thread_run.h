#pragma once

#include <atomic>
#include <memory>
#include <QProgressDialog>
#include <QString>
#include <QThread>
#include <QTimer>

class QWidget;

// Work of the window's on a thread of its own: the thread, the flag its progress callback
// reads to stop, the dialog that shows it with a Cancel button, and the timer that brings what
// the thread tells into the dialog. The rooms that run such work add what they count.
struct ThreadRun
{
    // The dialog, window-modal over `window`: shown only once the work has taken half a
    // second, open until the work ends (its end closes it), Cancel setting `cancelled`.
    void openDialog(const QString &label, QWidget *window);
    // Polls every tenth of a second and starts the thread.
    void start();
    // Stops the work and waits for its thread: nothing the work then tells is read.
    void cancelAndWait();

    QThread *thread = nullptr;
    std::atomic<bool> cancelled = false;
    std::unique_ptr<QProgressDialog> dialog;
    QTimer poll;
};
