#include "cursor_in_view.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>

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
    // Only the box being typed in, and only where the area scrolls at all.
    if (!box->hasFocus() || !m_area.widget() ||
        (m_area.verticalScrollBar()->maximum() == 0 &&
         m_area.horizontalScrollBar()->maximum() == 0))
        return;
    const QRect cursor = box->cursorRect();
    const QPoint centre = box->viewport()->mapTo(m_area.widget(), cursor.center());
    // Half a line's margin above and below, so that the whole line shows.
    m_area.ensureVisible(centre.x(), centre.y(), cursor.width() + 2, cursor.height());
}
