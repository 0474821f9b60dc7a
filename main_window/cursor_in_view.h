#pragma once

#include "schedule/week_record.h"

#include <array>
#include <QObject>

class QPlainTextEdit;
class QScrollArea;

// Where the screen is smaller than the window and the week scrolls, keeps the line being typed
// in view: whenever a box's cursor moves (typing, arrows, Enter, a click), the scroll area
// brings the cursor's rectangle into view, not only the box's top.
class CursorInView : public QObject
{
    Q_OBJECT
public:
    CursorInView(QScrollArea &area, const std::array<QPlainTextEdit *, kWeekFieldCount> &boxes,
                 QObject *parent = nullptr);

    // Brings the cursor of `box` into view, once the box has laid its text out.
    void follow(QPlainTextEdit *box);

private:
    void bringIntoView(QPlainTextEdit *box);

    QScrollArea &m_area;
};
