#include "user_guide_window.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

UserGuideWindow::UserGuideWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("UserGuide"));
    setWindowTitle(tr("Orvanta User's Guide"));
    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("UserGuideText"));
    m_browser->setAccessibleName(tr("Orvanta User's Guide"));
    // Links to the web (the style sheet reference) go to the browser; the guide itself needs
    // none.
    m_browser->setOpenExternalLinks(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(640, 720);
    auto *close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WidgetWithChildrenShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void UserGuideWindow::showGuide(const QString &markdown)
{
    if (!isVisible()) // as it was left where it shows already
        m_browser->setMarkdown(markdown);
    show();
    raise();
    activateWindow();
    m_browser->setFocus();
}
