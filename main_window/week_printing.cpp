#include "week_printing.h"

#include "form1_design.h"
#include "print/week_sheet.h"
#include "tray_menu.h"
#include "week_page.h"

#include <QAction>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

WeekPrinting::WeekPrinting(QWidget &window, const WeekPage &page,
                           const std::array<QLabel *, kWeekFieldCount> &headings,
                           TrayMenu &trayMenu, QObject *parent)
    : QObject(parent), m_window(window), m_page(page), m_headings(headings),
      m_choose([](QPrinter &printer, QWidget *dialogParent) {
          QPrintDialog dialog(&printer, dialogParent);
          dialog.setWindowTitle(QStringLiteral("Print Week"));
          return dialog.exec() == QDialog::Accepted;
      })
{
    auto *key = new QShortcut(QKeySequence::Print, &window);
    key->setObjectName(QStringLiteral("PrintWeekKey"));
    connect(key, &QShortcut::activated, this, &WeekPrinting::print);
    connect(trayMenu.addEntry(QStringLiteral("&Print week…")), &QAction::triggered, this,
            &WeekPrinting::print);
}

void WeekPrinting::print()
{
    if (m_printing || !m_page.weekStart().isValid())
        return; // one dialog at a time; no week before the window has loaded one
    m_printing = true;
    // What is on screen now; typing while the dialog is open does not change the page.
    WeekSheet sheet;
    sheet.title = WeekSheet::titleOf(m_page.weekStart(), QLocale());
    sheet.week = WeekSheet::weekOf(m_page.weekStart(), QLocale());
    for (int box = 0; box < kWeekFieldCount; ++box)
        sheet.headings[box] = m_headings[box]->text();
    sheet.texts = m_page.texts();

    QPrinter printer(QPrinter::HighResolution);
    // Also what a print to a file is named unless the user names it.
    printer.setDocName(
        QStringLiteral("Orvanta week %1").arg(m_page.weekStart().toString(Qt::ISODate)));
    if (m_choose(printer, &m_window))
        sheet.print(QFont(QLatin1String(Form1Design::kFontFamily), Form1Design::kFontPoints),
                    &printer);
    m_printing = false;
}
