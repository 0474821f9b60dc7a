#include "tray_menu.h"

#include "tray/csystray.h"

#include <QApplication>
#include <QCursor>
#include <QStyleHints>
#include <QWidget>
#include <utility>

namespace {

constexpr qint16 kRightButton = 2;

bool shown(const QWidget &window)
{
    return window.isVisible() && !window.isMinimized();
}

} // namespace

TrayMenu::TrayMenu(QWidget &window, cSysTray &tray, QObject *parent)
    : QObject(parent), m_window(window)
{
    m_menu.setObjectName(QStringLiteral("TrayMenu"));
    m_showOrHide = m_menu.addAction(QString());
    m_menu.addSeparator();
    m_beforeLast = m_menu.addSeparator();
    nameShowOrHide();
    connect(&m_menu, &QMenu::aboutToShow, this, &TrayMenu::nameShowOrHide);
    connect(m_showOrHide, &QAction::triggered, this, [this] {
        if (shown(m_window))
            emit hideRequested();
        else
            emit showRequested();
    });

    m_rightClick.setSingleShot(true);
    connect(&m_rightClick, &QTimer::timeout, this, [this] { m_menu.popup(QCursor::pos()); });
    connect(&tray, &cSysTray::MouseUp, this, [this](qint16 button, qint32) { onMouseUp(button); });
    // A double-click, of either button, is no menu's click, nor is the release that ends it.
    connect(&tray, &cSysTray::MouseDblClick, this, [this] {
        m_rightClick.stop();
        m_releaseEndsDoubleClick = true;
    });
}

void TrayMenu::addEntry(QAction *action)
{
    m_menu.insertAction(m_beforeLast, action);
}

void TrayMenu::addLast(QAction *action)
{
    m_menu.addAction(action);
}

void TrayMenu::nameShowOrHide()
{
    m_showOrHide->setText(shown(m_window) ? tr("&Hide Orvanta")
                                          : tr("&Show Orvanta"));
}

void TrayMenu::onMouseUp(qint16 button)
{
    if (std::exchange(m_releaseEndsDoubleClick, false) || button != kRightButton ||
        m_menu.isVisible())
        return;
    if (m_rightClick.isActive()) {
        m_rightClick.stop(); // two quick clicks whose second press came as a press: no menu
        return;
    }
    m_rightClick.start(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}
