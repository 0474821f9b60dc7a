#pragma once

#include "schedule/week_record.h"

#include <array>
#include <functional>
#include <QObject>

class QLabel;
class QPrinter;
class QWidget;
class WeekPage;

// Printing the shown week: "Print week…" (Ctrl+P, the menus) prints it as it is on screen, unsaved
// typing included, through the desktop's print dialog (whose printing to a file gives a PDF).
class WeekPrinting : public QObject
{
    Q_OBJECT
public:
    // Asks where and how to print; false when the user cancelled.
    using ChoosePrinter = std::function<bool(QPrinter &printer, QWidget *parent)>;

    WeekPrinting(QWidget &window, const WeekPage &page,
                 const std::array<QLabel *, kWeekFieldCount> &headings, QObject *parent = nullptr);

    // In place of the desktop's print dialog.
    void setChoosePrinter(ChoosePrinter choose) { m_choose = std::move(choose); }
    void print();

private:
    QWidget &m_window;
    const WeekPage &m_page;
    std::array<QLabel *, kWeekFieldCount> m_headings;
    ChoosePrinter m_choose;
    bool m_printing = false;
};
