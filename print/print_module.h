#pragma once

#include "week_sheet.h"

#include <functional>
#include <QFont>
#include <QString>

class QPrinter;
class QWidget;

// What the program asks of its printing module, a library of its own loaded on the first print,
// so that a start never loads the print system (QtPrintSupport and the print server's client):
// the desktop's print dialog and Qt's print preview, each painting a WeekSheet on a QPrinter.
// Nothing here needs the print system; only the module links it.
namespace PrintModule {

// Asks where and how to print; false when the user cancelled.
using ChoosePrinter = std::function<bool(QPrinter &printer, QWidget *parent)>;
// Paints the week's pages on a printer: the preview's, or the one its Print button chose.
using PaintPages = std::function<void(QPrinter *printer)>;
// Shows the pages that `paint` paints on `printer` until the user closes it.
using ShowPreview = std::function<void(QPrinter &printer, const PaintPages &paint, QWidget *parent)>;

struct Job
{
    WeekSheet sheet;
    QFont font;
    QString documentName; // also a print to a file's name unless the user names it
    QWidget *parent = nullptr;
    ChoosePrinter choose;     // empty: the desktop's print dialog
    ShowPreview showPreview;  // empty: Qt's print preview
};

struct Printed
{
    bool chosen = false; // false: the user cancelled the print dialog
    int pages = 0;       // as WeekSheet::print: 0 where the printer took no page
    QString printerName;
    QString outputFile; // where the printer writes a file, else empty
};

// The module's two entry points, by these names, with C linkage.
using PrintFunction = Printed (*)(const Job &job);
using PreviewFunction = void (*)(const Job &job);
inline constexpr char kPrintSymbol[] = "orvanta_print_week";
inline constexpr char kPreviewSymbol[] = "orvanta_preview_week";

} // namespace PrintModule
