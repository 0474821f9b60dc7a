#pragma once

#include <QList>
#include <QObject>

class QAction;
class QPlainTextEdit;
class SpellCheck;

// The boxes' context menu: the spelling check's entries for the word clicked, the box's own
// (undo, cut, copy, paste…), the window's find, which looks for the box's selection, and the
// spelling check's switch and languages last.
class BoxMenu : public QObject
{
    Q_OBJECT
public:
    BoxMenu(const QList<QPlainTextEdit *> &boxes, QAction *find, SpellCheck *spelling,
            QObject *parent = nullptr);

private:
    void open(QPlainTextEdit &box, QPoint at);

    QAction *m_find;
    SpellCheck *m_spelling;
};
