#pragma once

#include "schedule/week_record.h"

#include <array>
#include <functional>
#include <QObject>

class QLabel;
class QPrinter;
class QWidget;
class WeekPage;
struct WeekSheet;

// Printing the shown week: "Print week…" (Ctrl+P, the menus) prints it as it is on screen, unsaved
// typing included, through the desktop's print dialog (whose printing to a file gives a PDF);
// preview() ("Print preview…", Ctrl+Shift+P) shows the same pages first, in Qt's print preview,
// whose own Print button prints them.
class WeekPrinting : public QObject
{
    Q_OBJECT
public:
    // Asks where and how to print; false when the user cancelled.
    using ChoosePrinter = std::function<bool(QPrinter &printer, QWidget *parent)>;
    // Paints the week's pages on a printer: the preview's, or the one its Print button chose.
    using PaintPages = std::function<void(QPrinter *printer)>;
    // Shows the pages that `paint` paints on `printer`, as often as the preview needs them,
    // until the user closes it.
    using ShowPreview =
        std::function<void(QPrinter &printer, const PaintPages &paint, QWidget *parent)>;

    WeekPrinting(QWidget &window, const WeekPage &page,
                 const std::array<QLabel *, kWeekFieldCount> &headings, QObject *parent = nullptr);

    // In place of the desktop's print dialog.
    void setChoosePrinter(ChoosePrinter choose) { m_choose = std::move(choose); }
    // Where a print that could not be made is told.
    void setTellError(std::function<void(const QString &)> tell) { m_tellError = std::move(tell); }
    // In place of Qt's print preview dialog.
    void setShowPreview(ShowPreview show) { m_showPreview = std::move(show); }
    void print();
    void preview();

private:
    // The week as on screen now: typing while a dialog is open does not change its pages.
    WeekSheet sheetOnScreen() const;
    void nameTheDocument(QPrinter &printer) const;

    QWidget &m_window;
    const WeekPage &m_page;
    std::array<QLabel *, kWeekFieldCount> m_headings;
    ChoosePrinter m_choose;
    std::function<void(const QString &)> m_tellError;
    ShowPreview m_showPreview;
    bool m_dialogOpen = false; // one print or preview dialog at a time
};
