#include "thread_run.h"

#include <QCoreApplication>

void ThreadRun::openDialog(const QString &label, QWidget *window)
{
    dialog = std::make_unique<QProgressDialog>(label, QCoreApplication::translate("ThreadRun", "Cancel"), 0, 0, window);
    dialog->setWindowTitle(QStringLiteral("Orvanta"));
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(500);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    QObject::connect(dialog.get(), &QProgressDialog::canceled, [this] { cancelled = true; });
    poll.setInterval(100);
}

void ThreadRun::start()
{
    poll.start();
    thread->start();
}

void ThreadRun::cancelAndWait()
{
    cancelled = true;
    thread->wait();
}
