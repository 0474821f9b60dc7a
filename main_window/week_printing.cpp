#include "week_printing.h"

#include "form1_design.h"
#include "print/week_sheet.h"
#include "week_page.h"

#include <QDir>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QScreen>

namespace {

QFont sheetFont()
{
    return QFont(QLatin1String(Form1Design::kFontFamily), Form1Design::kFontPoints);
}

} // namespace

WeekPrinting::WeekPrinting(QWidget &window, const WeekPage &page,
                           const std::array<QLabel *, kWeekFieldCount> &headings, QObject *parent)
    : QObject(parent), m_window(window), m_page(page), m_headings(headings),
      m_choose([](QPrinter &printer, QWidget *dialogParent) {
          QPrintDialog dialog(&printer, dialogParent);
          dialog.setWindowTitle(QStringLiteral("Print Week"));
          return dialog.exec() == QDialog::Accepted;
      }),
      m_showPreview([](QPrinter &printer, const PaintPages &paint, QWidget *dialogParent) {
          QPrintPreviewDialog dialog(&printer, dialogParent);
          dialog.setWindowTitle(QStringLiteral("Print Preview"));
          // Large enough to read a page; Qt's own size shows it as a thumbnail.
          if (dialogParent)
              dialog.resize(dialogParent->screen()->availableSize() * 3 / 4);
          connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
          dialog.exec();
      })
{}

WeekSheet WeekPrinting::sheetOnScreen() const
{
    WeekSheet sheet;
    sheet.title = WeekSheet::titleOf(m_page.weekStart(), QLocale());
    sheet.week = WeekSheet::weekOf(m_page.weekStart(), QLocale());
    for (int box = 0; box < kWeekFieldCount; ++box)
        sheet.headings[box] = m_headings[box]->text();
    sheet.texts = m_page.texts();
    return sheet;
}

void WeekPrinting::nameTheDocument(QPrinter &printer) const
{
    // Also what a print to a file is named unless the user names it.
    printer.setDocName(
        QStringLiteral("Orvanta week %1").arg(m_page.weekStart().toString(Qt::ISODate)));
}

void WeekPrinting::print()
{
    if (m_dialogOpen || !m_page.weekStart().isValid())
        return; // no week before the window has loaded one
    m_dialogOpen = true;
    const WeekSheet sheet = sheetOnScreen();
    QPrinter printer(QPrinter::HighResolution);
    nameTheDocument(printer);
    // A printer that takes no page (a file that cannot be written, a queue gone) is told, not
    // passed over as printed.
    if (m_choose(printer, &m_window) && sheet.print(sheetFont(), &printer) == 0 && m_tellError)
        m_tellError(printer.outputFileName().isEmpty()
                        ? QStringLiteral("The week was not printed: %1 did not take it.")
                              .arg(printer.printerName())
                        : QStringLiteral("The week was not printed: %1 cannot be written.")
                              .arg(QDir::toNativeSeparators(printer.outputFileName())));
    m_dialogOpen = false;
}

void WeekPrinting::preview()
{
    if (m_dialogOpen || !m_page.weekStart().isValid())
        return;
    m_dialogOpen = true;
    const WeekSheet sheet = sheetOnScreen();
    QPrinter printer(QPrinter::HighResolution);
    nameTheDocument(printer);
    m_showPreview(
        printer, [&sheet](QPrinter *onto) { sheet.print(sheetFont(), onto); }, &m_window);
    m_dialogOpen = false;
}
