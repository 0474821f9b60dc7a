#include "cursor_in_view.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>

CursorInView::CursorInView(QScrollArea &area,
                           const std::array<QPlainTextEdit *, kWeekFieldCount> &boxes,
                           QObject *parent)
    : QObject(parent), m_area(area)
{
    for (QPlainTextEdit *box : boxes)
        connect(box, &QPlainTextEdit::cursorPositionChanged, this, [this, box] { follow(box); });
}

void CursorInView::follow(QPlainTextEdit *box)
{
    // The cursor moves before the box has laid the new line out and scrolled itself to it:
    // its rectangle is right once the event loop turns.
    QMetaObject::invokeMethod(
        this,
        [this, box = QPointer<QPlainTextEdit>(box)] {
            if (box)
                bringIntoView(box);
        },
        Qt::QueuedConnection);
}

void CursorInView::bringIntoView(QPlainTextEdit *box)
{
    // Only the box being typed in: a week loaded into the boxes moves no view.
    if (!box->hasFocus())
        return;
    const QRect cursor = box->cursorRect();
    const QPoint centre = box->viewport()->mapTo(m_area.widget(), cursor.center());
    // A line's height above and below the cursor's centre, so that the whole line shows.
    m_area.ensureVisible(centre.x(), centre.y(), 0, cursor.height());
}
