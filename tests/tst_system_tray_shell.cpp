#include "controls/std_picture.h"
#include "desktop/system_tray_shell.h"

#include <QLoggingCategory>
#include <QMenu>
#include <QMouseEvent>
#include <QSystemTrayIcon>
#include <QTest>

using namespace Qt::StringLiterals;

// Named as the small window that Qt makes for a tray icon on an XEmbed tray, whose raw mouse
// events the shell reads.
class QSystemTrayIconSys : public QWidget
{
    Q_OBJECT
};

namespace {

constexpr UINT kCallback = 1125;
constexpr quint32 kId = 3;

// What reached the icon's window.
QList<LPARAM> g_mouse;

LRESULT recordingProc(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == kCallback && wParam == kId)
        g_mouse.append(lParam);
    return 0;
}

NOTIFYICONDATA record(HWND hWnd, quint32 flags, const QString &tip = {}, HICON icon = 0)
{
    NOTIFYICONDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = hWnd;
    data.uID = kId;
    data.uFlags = flags;
    data.uCallbackMessage = flags & NIF_MESSAGE ? kCallback : 0;
    data.hIcon = icon;
    setTipField(data, tip);
    return data;
}

} // namespace

class TestSystemTrayShell : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void iconAndTipComeFromTheRecord();
    void callsThatTheShellRefuses_data();
    void callsThatTheShellRefuses();
    void rawMouseEventsBecomeMouseMessages_data();
    void rawMouseEventsBecomeMouseMessages();
    void activationWithoutRawEventsIsALeftDoubleClick_data();
    void activationWithoutRawEventsIsALeftDoubleClick();
    void anIconWithoutATrayIsNotShowing();
    void hostsThatShowMenusGetTheMenu();

private:
    void send(QWidget *target, QEvent::Type type, Qt::MouseButton button);

    std::unique_ptr<SystemTrayShell> m_shell;
    HWND m_window = 0;
};

void TestSystemTrayShell::initTestCase()
{
    // The offscreen platform has no tray; Qt says so on every icon it is asked to show.
    QLoggingCategory::setFilterRules(u"qt.core.qobject.connect.warning=false"_s);
}

void TestSystemTrayShell::init()
{
    g_mouse.clear();
    m_shell = std::make_unique<SystemTrayShell>();
    m_window = CreateWindowA(recordingProc);
}

void TestSystemTrayShell::cleanup()
{
    m_shell.reset();
    DestroyWindow(m_window);
}

void TestSystemTrayShell::send(QWidget *target, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF local(5, 5);
    QMouseEvent event(type, local, target->mapToGlobal(local), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button),
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
    QCoreApplication::processEvents(); // the shell posts what it saw
}

void TestSystemTrayShell::iconAndTipComeFromTheRecord()
{
    QPixmap image(32, 32);
    image.fill(Qt::red);
    const PictureRef picture = StdPicture::fromIcon(QIcon(image));
    QVERIFY(m_shell->Shell_NotifyIconA(NIM_ADD, record(m_window, NIF_MESSAGE | NIF_ICON | NIF_TIP,
                                                       u"Orvanta é"_s, picture->Handle())));
    const QSystemTrayIcon *tray = m_shell->trayIcon(m_window, kId);
    QVERIFY(tray);
    QVERIFY(tray->isVisible());
    QCOMPARE(tray->toolTip(), u"Orvanta é"_s);
    QCOMPARE(tray->icon().pixmap(32).toImage().pixelColor(10, 10), QColor(Qt::red));

    QVERIFY(m_shell->Shell_NotifyIconA(NIM_MODIFY, record(m_window, NIF_TIP)));
    QCOMPARE(tray->toolTip(), QString());
    QVERIFY(!tray->icon().isNull());

    QVERIFY(m_shell->Shell_NotifyIconA(NIM_DELETE, record(m_window, 0)));
    QVERIFY(!m_shell->trayIcon(m_window, kId));
}

void TestSystemTrayShell::hostsThatShowMenusGetTheMenu()
{
    // Without an XEmbed tray (as here) the icon's host, where there is one, shows menus itself:
    // it gets the menu, for icons added before and after.
    QMenu menu;
    QVERIFY(m_shell->Shell_NotifyIconA(NIM_ADD, record(m_window, NIF_MESSAGE)));
    m_shell->setHostMenu(&menu);
    QCOMPARE(m_shell->trayIcon(m_window, kId)->contextMenu(), &menu);
    const HWND other = CreateWindowA(recordingProc);
    QVERIFY(m_shell->Shell_NotifyIconA(NIM_ADD, record(other, NIF_MESSAGE)));
    QCOMPARE(m_shell->trayIcon(other, kId)->contextMenu(), &menu);
    QVERIFY(m_shell->Shell_NotifyIconA(NIM_DELETE, record(other, 0)));
    DestroyWindow(other);
}

void TestSystemTrayShell::anIconWithoutATrayIsNotShowing()
{
    QVERIFY(!m_shell->isIconShowing(m_window, kId)); // never added
    QVERIFY(m_shell->Shell_NotifyIconA(NIM_ADD, record(m_window, NIF_MESSAGE)));
    QVERIFY(m_shell->trayIcon(m_window, kId)->isVisible()); // what Qt was asked for...
    QVERIFY(!m_shell->isIconShowing(m_window, kId));        // ...is not there: no tray here
}

void TestSystemTrayShell::callsThatTheShellRefuses_data()
{
    QTest::addColumn<bool>("addFirst");
    QTest::addColumn<quint32>("operation");
    QTest::addColumn<quint32>("cbSize");
    QTest::newRow("a second add of the same icon") << true << NIM_ADD << 88u;
    QTest::newRow("a change of an icon never added") << false << NIM_MODIFY << 88u;
    QTest::newRow("a delete of an icon never added") << false << NIM_DELETE << 88u;
    QTest::newRow("a record of another size") << false << NIM_ADD << 504u;
    QTest::newRow("an unknown operation") << true << 7u << 88u;
}

void TestSystemTrayShell::callsThatTheShellRefuses()
{
    QFETCH(bool, addFirst);
    QFETCH(quint32, operation);
    QFETCH(quint32, cbSize);
    if (addFirst)
        QVERIFY(m_shell->Shell_NotifyIconA(NIM_ADD, record(m_window, NIF_TIP, u"first"_s)));
    NOTIFYICONDATA data = record(m_window, NIF_TIP, u"second"_s);
    data.cbSize = cbSize;

    QVERIFY(!m_shell->Shell_NotifyIconA(operation, data));
    QCOMPARE(m_shell->trayIcon(m_window, kId) != nullptr, addFirst);
    if (addFirst)
        QCOMPARE(m_shell->trayIcon(m_window, kId)->toolTip(), u"first"_s);
}

void TestSystemTrayShell::rawMouseEventsBecomeMouseMessages_data()
{
    QTest::addColumn<QEvent::Type>("type");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QList<LPARAM>>("messages");

    QTest::newRow("move") << QEvent::MouseMove << Qt::NoButton << QList<LPARAM>{WM_MOUSEMOVE};
    QTest::newRow("left down") << QEvent::MouseButtonPress << Qt::LeftButton
                               << QList<LPARAM>{WM_LBUTTONDOWN};
    QTest::newRow("left up") << QEvent::MouseButtonRelease << Qt::LeftButton
                             << QList<LPARAM>{WM_LBUTTONUP};
    QTest::newRow("left double") << QEvent::MouseButtonDblClick << Qt::LeftButton
                                 << QList<LPARAM>{WM_LBUTTONDBLCLK};
    QTest::newRow("right down") << QEvent::MouseButtonPress << Qt::RightButton
                                << QList<LPARAM>{WM_RBUTTONDOWN};
    QTest::newRow("right up") << QEvent::MouseButtonRelease << Qt::RightButton
                              << QList<LPARAM>{WM_RBUTTONUP};
    QTest::newRow("right double, which Qt's own reasons lose")
        << QEvent::MouseButtonDblClick << Qt::RightButton << QList<LPARAM>{WM_RBUTTONDBLCLK};
    QTest::newRow("middle double")
        << QEvent::MouseButtonDblClick << Qt::MiddleButton << QList<LPARAM>{WM_MBUTTONDBLCLK};
    QTest::newRow("a side button") << QEvent::MouseButtonPress << Qt::BackButton << QList<LPARAM>{};
}

void TestSystemTrayShell::rawMouseEventsBecomeMouseMessages()
{
    QFETCH(QEvent::Type, type);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QList<LPARAM>, messages);
    QVERIFY(m_shell->Shell_NotifyIconA(NIM_ADD, record(m_window, NIF_MESSAGE)));
    QSystemTrayIconSys iconWindow;
    QWidget otherWindow;

    send(&otherWindow, type, button);
    QVERIFY(g_mouse.isEmpty());
    send(&iconWindow, type, button);
    QCOMPARE(g_mouse, messages);

    // Once the icon's own events are seen, Qt's activation adds nothing.
    g_mouse.clear();
    emit m_shell->trayIcon(m_window, kId)->activated(QSystemTrayIcon::DoubleClick);
    QCoreApplication::processEvents();
    QVERIFY(g_mouse.isEmpty());
}

void TestSystemTrayShell::activationWithoutRawEventsIsALeftDoubleClick_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<QList<LPARAM>>("messages");
    QTest::newRow("the host's primary action")
        << QSystemTrayIcon::Trigger << QList<LPARAM>{WM_LBUTTONDBLCLK};
    QTest::newRow("a double-click")
        << QSystemTrayIcon::DoubleClick << QList<LPARAM>{WM_LBUTTONDBLCLK};
    QTest::newRow("the context request") << QSystemTrayIcon::Context << QList<LPARAM>{};
    QTest::newRow("the middle button") << QSystemTrayIcon::MiddleClick << QList<LPARAM>{};
}

void TestSystemTrayShell::activationWithoutRawEventsIsALeftDoubleClick()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(QList<LPARAM>, messages);
    QVERIFY(m_shell->Shell_NotifyIconA(NIM_ADD, record(m_window, NIF_MESSAGE)));

    emit m_shell->trayIcon(m_window, kId)->activated(reason);
    QCoreApplication::processEvents();

    QCOMPARE(g_mouse, messages);
}

QTEST_MAIN(TestSystemTrayShell)
#include "tst_system_tray_shell.moc"
