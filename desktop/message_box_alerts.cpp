#include "message_box_alerts.h"

#include <cstdio>
#include <QMessageBox>

namespace {

QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                 QMessageBox::StandardButton byDefault = QMessageBox::Ok)
{
    std::fprintf(stderr, "Orvanta: %s\n", qPrintable(text));
    QMessageBox box(icon, QStringLiteral("Orvanta"), text, buttons);
    box.setDefaultButton(byDefault);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace

void MessageBoxAlerts::information(const QString &text)
{
    show(QMessageBox::Information, text);
}

void MessageBoxAlerts::notice(const QString &text)
{
    std::fprintf(stderr, "Orvanta: %s\n", qPrintable(text));
    auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Orvanta"), text,
                                QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating); // the keys stay with the box being typed in
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void MessageBoxAlerts::warning(const QString &text)
{
    show(QMessageBox::Warning, text);
}

void MessageBoxAlerts::error(const QString &text)
{
    show(QMessageBox::Critical, text);
}

bool MessageBoxAlerts::offer(const QString &text)
{
    return show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

bool MessageBoxAlerts::question(const QString &text)
{
    return show(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}
