#include "box_menu.h"

#include "spelling/spell_check.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

BoxMenu::BoxMenu(const QList<QPlainTextEdit *> &boxes, QAction *find, SpellCheck *spelling,
                 QObject *parent)
    : QObject(parent), m_find(find), m_spelling(spelling)
{
    for (QPlainTextEdit *box : boxes) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this,
                [this, box](const QPoint &at) { open(*box, at); });
    }
}

void BoxMenu::open(QPlainTextEdit &box, QPoint at)
{
    QMenu *menu = box.createStandardContextMenu(at);
    menu->addSeparator();
    // The window's own find action, its key shown; it looks for the box's selection, as the box
    // has the focus.
    box.setFocus(Qt::PopupFocusReason);
    menu->addAction(m_find);
    if (m_spelling)
        m_spelling->addToContextMenu(*menu, box, at);
    menu->exec(box.mapToGlobal(at));
    delete menu;
}
