#pragma once

#include <QWidget>

class QTextBrowser;

// The user's guide in a window of its own, read from the program itself (no browser, no
// network): the README's part for users and the table of keys. Escape closes it.
class UserGuideWindow : public QWidget
{
    Q_OBJECT
public:
    explicit UserGuideWindow(QWidget *parent = nullptr);

    // Shows `markdown` (or brings the window forward where it shows already).
    void showGuide(const QString &markdown);
    QTextBrowser *browser() const { return m_browser; }

private:
    QTextBrowser *m_browser = nullptr;
};
