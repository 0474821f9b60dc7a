#pragma once

#include "print/print_module.h"
#include "schedule/week_record.h"

#include <array>
#include <functional>
#include <QLibrary>
#include <QObject>

class QLabel;
class QWidget;
class WeekPage;

// Printing the shown week: "Print week…" (Ctrl+P, the menus) prints it as it is on screen, unsaved
// typing included, through the desktop's print dialog (whose printing to a file gives a PDF);
// preview() ("Print preview…", Ctrl+Shift+P) shows the same pages first, in Qt's print preview,
// whose own Print button prints them. Both run in the printing module, loaded on the first of
// them; where it cannot be loaded, the window says so and nothing else changes.
class WeekPrinting : public QObject
{
    Q_OBJECT
public:
    using ChoosePrinter = PrintModule::ChoosePrinter;
    using PaintPages = PrintModule::PaintPages;
    using ShowPreview = PrintModule::ShowPreview;

    WeekPrinting(QWidget &window, const WeekPage &page,
                 const std::array<QLabel *, kWeekFieldCount> &headings, QObject *parent = nullptr);

    // The printing module beside the program, as installed.
    static QString modulePathBesideProgram();
    // In place of modulePathBesideProgram(); before the first print.
    void setModulePath(const QString &path) { m_modulePath = path; }
    // In place of the desktop's print dialog.
    void setChoosePrinter(ChoosePrinter choose) { m_choose = std::move(choose); }
    // Where a print that could not be made is told.
    void setTellError(std::function<void(const QString &)> tell) { m_tellError = std::move(tell); }
    // In place of Qt's print preview dialog.
    void setShowPreview(ShowPreview show) { m_showPreview = std::move(show); }
    void print();
    void preview();

private:
    // The module's entry points, loaded on first use; false, told, where it cannot be.
    bool loadModule();
    // The week as on screen now: typing while a dialog is open does not change its pages.
    PrintModule::Job jobOnScreen() const;
    void tellError(const QString &text) const;
    void tellModuleMissing(const QString &why) const;

    QWidget &m_window;
    const WeekPage &m_page;
    std::array<QLabel *, kWeekFieldCount> m_headings;
    QString m_modulePath;
    QLibrary m_module;
    PrintModule::PrintFunction m_print = nullptr;
    PrintModule::PreviewFunction m_preview = nullptr;
    ChoosePrinter m_choose;
    std::function<void(const QString &)> m_tellError;
    ShowPreview m_showPreview;
    bool m_dialogOpen = false; // one print or preview dialog at a time
};
