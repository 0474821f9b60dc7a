#include "week_printing.h"

#include "form1_design.h"
#include "week_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScopeGuard>
#include <utility>

WeekPrinting::WeekPrinting(QWidget &window, const WeekPage &page,
                           const std::array<QLabel *, kWeekFieldCount> &headings, QObject *parent)
    : QObject(parent), m_window(window), m_page(page), m_headings(headings),
      m_modulePath(modulePathBesideProgram())
{}

QString WeekPrinting::modulePathBesideProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("orvanta-print.so"));
}

bool WeekPrinting::loadModule()
{
    if (m_print && m_preview)
        return true;
    // Once loaded, it stays: its dialogs' classes must outlive every dialog.
    // Named exactly: QLibrary would otherwise try other names and tell of the last one.
    if (!QFileInfo::exists(m_modulePath)) {
        tellModuleMissing(tr("it is not there"));
        return false;
    }
    m_module.setFileName(m_modulePath);
    if (!m_module.load()) {
        tellModuleMissing(m_module.errorString());
        return false;
    }
    m_print = reinterpret_cast<PrintModule::PrintFunction>(
        m_module.resolve(PrintModule::kPrintSymbol));
    m_preview = reinterpret_cast<PrintModule::PreviewFunction>(
        m_module.resolve(PrintModule::kPreviewSymbol));
    if (m_print && m_preview)
        return true;
    m_print = nullptr;
    m_preview = nullptr;
    m_module.unload();
    tellModuleMissing(tr("it is not Orvanta's printing module"));
    return false;
}

void WeekPrinting::tellModuleMissing(const QString &why) const
{
    tellError(tr("Orvanta cannot print: its printing module %1 cannot be used: %2. "
                             "Installing Orvanta again brings it back.")
                  .arg(QDir::toNativeSeparators(m_modulePath), why));
}

PrintModule::Job WeekPrinting::jobOnScreen() const
{
    PrintModule::Job job;
    job.sheet.title = WeekSheet::titleOf(m_page.weekStart(), QLocale());
    job.sheet.week = WeekSheet::weekOf(m_page.weekStart(), QLocale());
    for (int box = 0; box < kWeekFieldCount; ++box)
        job.sheet.headings[box] = m_headings[box]->text();
    job.sheet.texts = m_page.texts();
    job.font = QFont(QLatin1String(Form1Design::kFontFamily), Form1Design::kFontPoints);
    job.documentName =
        tr("Orvanta week %1").arg(m_page.weekStart().toString(Qt::ISODate));
    job.parent = &m_window;
    job.choose = m_choose;
    job.showPreview = m_showPreview;
    return job;
}

void WeekPrinting::tellError(const QString &text) const
{
    if (m_tellError)
        m_tellError(text);
}

void WeekPrinting::print()
{
    if (m_dialogOpen || !m_page.weekStart().isValid())
        return; // no week before the window has loaded one
    m_dialogOpen = true;
    const auto reopen = qScopeGuard([this] { m_dialogOpen = false; });
    if (!loadModule())
        return;
    const PrintModule::Printed printed = m_print(jobOnScreen());
    // A printer that takes no page (a file that cannot be written, a queue gone) is told, not
    // passed over as printed.
    if (printed.chosen && printed.pages == 0)
        tellError(printed.outputFile.isEmpty()
                      ? tr("The week was not printed: %1 did not take it.")
                            .arg(printed.printerName)
                      : tr("The week was not printed: %1 cannot be written.")
                            .arg(QDir::toNativeSeparators(printed.outputFile)));
}

void WeekPrinting::preview()
{
    if (m_dialogOpen || !m_page.weekStart().isValid())
        return;
    m_dialogOpen = true;
    const auto reopen = qScopeGuard([this] { m_dialogOpen = false; });
    if (loadModule())
        m_preview(jobOnScreen());
}
