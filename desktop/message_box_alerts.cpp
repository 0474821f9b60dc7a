#include "message_box_alerts.h"

#include <QMessageBox>

namespace {

void show(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QStringLiteral("Orvanta"), text, QMessageBox::Ok);
    box.exec();
}

} // namespace

void MessageBoxAlerts::warning(const QString &text)
{
    show(QMessageBox::Warning, text);
}

void MessageBoxAlerts::error(const QString &text)
{
    show(QMessageBox::Critical, text);
}
