#include "print/print_module.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QScreen>

namespace {

bool askForPrinter(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("WeekPrintModule", "Print Week"));
    return dialog.exec() == QDialog::Accepted;
}

void showPreviewDialog(QPrinter &printer, const PrintModule::PaintPages &paint, QWidget *parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("WeekPrintModule", "Print Preview"));
    // Large enough to read a page; Qt's own size shows it as a thumbnail.
    if (parent)
        dialog.resize(parent->screen()->availableSize() * 3 / 4);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

} // namespace

extern "C" Q_DECL_EXPORT PrintModule::Printed orvanta_print_week(const PrintModule::Job &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.documentName);
    PrintModule::Printed printed;
    printed.chosen = job.choose ? job.choose(printer, job.parent) : askForPrinter(printer, job.parent);
    if (printed.chosen)
        printed.pages = job.sheet.print(job.font, &printer);
    printed.printerName = printer.printerName();
    printed.outputFile = printer.outputFileName();
    return printed;
}

extern "C" Q_DECL_EXPORT void orvanta_preview_week(const PrintModule::Job &job)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job.documentName);
    const PrintModule::PaintPages paint = [&job](QPrinter *onto) {
        job.sheet.print(job.font, onto);
    };
    if (job.showPreview)
        job.showPreview(printer, paint, job.parent);
    else
        showPreviewDialog(printer, paint, job.parent);
}

// The signatures the program calls them by.
static_assert(std::is_same_v<decltype(&orvanta_print_week), PrintModule::PrintFunction>);
static_assert(std::is_same_v<decltype(&orvanta_preview_week), PrintModule::PreviewFunction>);
