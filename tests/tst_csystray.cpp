#include "recording_shell.h"
#include "tray/csystray.h"

#include <QSignalSpy>
#include <QtEndian>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What the hooked window's own procedure and the control's events did, in order.
QStringList g_log;

constexpr LRESULT kOwnResult = 4242;

LRESULT recordingProc(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    g_log.append(u"window %1 %2 %3"_s.arg(uMsg).arg(wParam).arg(lParam));
    return kOwnResult + uMsg;
}

// A record as the shell must receive it, little-endian as on the shell's own machines.
QByteArray record(HWND hWnd, quint32 flags, quint32 callback = 0, quint32 hIcon = 0,
                  const QByteArray &tip = {})
{
    QByteArray bytes;
    for (const quint32 value : {88u, quint32(hWnd), 0u, flags, callback, hIcon}) {
        char field[4];
        qToLittleEndian(value, field);
        bytes.append(field, 4);
    }
    return bytes + tip + QByteArray(64 - tip.size(), '\0');
}

PictureRef anIcon()
{
    QPixmap image(32, 32);
    image.fill(Qt::black);
    return StdPicture::fromIcon(QIcon(image));
}

} // namespace

class TestCSysTray : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void addRecordsByteForByte_data();
    void addRecordsByteForByte();
    void changesReachTheShellOnlyWhileShown();
    void hookGoesInBeforeTheIconAndComesOutAfterIt();
    void settingInTrayToItsOwnValueDoesNothing();
    void onOffOnAddsDeletesAndAddsAgain();
    void savedWithInTrayOnLoadsInThreeCalls();
    void savedPropertiesAreAlwaysWrittenAndReadBack();
    void onlyIconsAreAccepted_data();
    void onlyIconsAreAccepted();
    void theControlKeepsItsIconHandleValid();
    void designerHoldsTheIconWithoutShowingIt();
    void destroyingRemovesOnlyWhatIsShown_data();
    void destroyingRemovesOnlyWhatIsShown();

    void everyMessagePassesThroughTheHook_data();
    void everyMessagePassesThroughTheHook();
    void callbackQueuedBeforeRemovalRaisesNothing();

private:
    // A control whose own window already runs recordingProc, as the one the hook goes in front of.
    std::unique_ptr<cSysTray> makeControl();
    QStringList deliveries() const;

    RecordingShell m_shell;
    std::unique_ptr<cSysTray> m_tray;
};

void TestCSysTray::init()
{
    m_shell.calls.clear();
    g_log.clear();
    m_tray = makeControl();
}

void TestCSysTray::cleanup()
{
    m_tray.reset();
}

std::unique_ptr<cSysTray> TestCSysTray::makeControl()
{
    auto tray = std::make_unique<cSysTray>(m_shell);
    SetWindowLongA(tray->hWnd(), GWL_WNDPROC, procedureValue(recordingProc));
    auto log = [](const char *event) {
        return [event](qint16 button, qint32 id) {
            g_log.append(u"%1 %2 %3"_s.arg(QLatin1String(event)).arg(button).arg(id));
        };
    };
    connect(tray.get(), &cSysTray::MouseMove, tray.get(),
            [](qint32 id) { g_log.append(u"MouseMove %1"_s.arg(id)); });
    connect(tray.get(), &cSysTray::MouseDown, tray.get(), log("MouseDown"));
    connect(tray.get(), &cSysTray::MouseUp, tray.get(), log("MouseUp"));
    connect(tray.get(), &cSysTray::MouseDblClick, tray.get(), log("MouseDblClick"));
    return tray;
}

void TestCSysTray::addRecordsByteForByte_data()
{
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<QByteArray>("szTip");

    QTest::newRow("the usual add: icon, tip and callback")
        << true << u"Orvanta"_s << 7u << "Orvanta"_ba;
    QTest::newRow("nothing known yet: the callback alone")
        << false << QString() << 1u << QByteArray();
    QTest::newRow("an empty tip adds no tooltip") << true << QString() << 3u << QByteArray();
    QTest::newRow("70 characters: the first 63, then the NUL")
        << true << u"x"_s.repeated(70) << 7u << QByteArray(63, 'x');
    // The field holds bytes: cutting at 63 characters would overflow it.
    QTest::newRow("two-byte characters: 31 whole ones")
        << true << u"é"_s.repeated(40) << 7u << u"é"_s.repeated(31).toUtf8();
    QTest::newRow("a character that would straddle the end is left out")
        << true << u"x"_s.repeated(62) + u"é"_s << 7u << QByteArray(62, 'x');
    QTest::newRow("characters outside the BMP stay whole")
        << true << u"😀"_s.repeated(20) << 7u << u"😀"_s.repeated(15).toUtf8();
}

void TestCSysTray::addRecordsByteForByte()
{
    QFETCH(bool, withIcon);
    QFETCH(QString, tip);
    QFETCH(quint32, flags);
    QFETCH(QByteArray, szTip);
    const PictureRef icon = anIcon();
    if (withIcon)
        m_tray->setTrayIcon(icon);
    m_tray->setTrayTip(tip);

    m_tray->setInTray(true);

    QCOMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    QCOMPARE(m_shell.calls[0].record, record(m_tray->hWnd(), flags, TRAY_CALLBACK_MESSAGE,
                                             withIcon ? icon->Handle() : 0, szTip));
}

void TestCSysTray::changesReachTheShellOnlyWhileShown()
{
    const PictureRef first = anIcon(), second = anIcon();
    m_tray->setTrayIcon(first);
    m_tray->setTrayTip(u"before"_s);
    QVERIFY(m_shell.calls.isEmpty());

    m_tray->setInTray(true);
    m_tray->setTrayIcon(second);
    m_tray->setTrayTip(u"shown"_s);
    m_tray->setTrayTip(QString()); // sent too: it clears the tooltip
    m_tray->setInTray(false);
    m_tray->setTrayTip(u"after"_s);
    m_tray->setInTray(true);

    const HWND h = m_tray->hWnd();
    QCOMPARE(m_shell.operations(),
             (QList<quint32>{NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_MODIFY, NIM_DELETE, NIM_ADD}));
    QCOMPARE(m_shell.calls[0].record, record(h, 7, 1125, first->Handle(), "before"));
    QCOMPARE(m_shell.calls[1].record, record(h, NIF_ICON, 0, second->Handle()));
    QCOMPARE(m_shell.calls[2].record, record(h, NIF_TIP, 0, 0, "shown"));
    QCOMPARE(m_shell.calls[3].record, record(h, NIF_TIP));
    QCOMPARE(m_shell.calls[4].record, record(h, 0));
    QCOMPARE(m_shell.calls[5].record, record(h, 7, 1125, second->Handle(), "after"));
}

void TestCSysTray::hookGoesInBeforeTheIconAndComesOutAfterIt()
{
    m_tray->setInTray(true);
    QVERIFY(m_shell.calls[0].hooked);
    QCOMPARE(GetWindowLongA(m_tray->hWnd(), GWL_USERDATA),
             reinterpret_cast<LONG_PTR>(m_tray.get()));

    m_tray->setInTray(false);
    QVERIFY(m_shell.calls[1].hooked);
    QCOMPARE(GetWindowLongA(m_tray->hWnd(), GWL_WNDPROC), procedureValue(recordingProc));
}

void TestCSysTray::settingInTrayToItsOwnValueDoesNothing()
{
    QSignalSpy changes(m_tray.get(), &UserControl::propertyChanged);
    m_tray->setInTray(false);
    QCOMPARE(changes.size(), 0);

    m_tray->setInTray(true);
    changes.clear();
    const LONG_PTR chain = mSysTray::PrevWndProc;
    m_tray->setInTray(true);

    QCOMPARE(changes.size(), 0);
    QCOMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    // A second hook would have put the hook behind itself.
    QCOMPARE(mSysTray::PrevWndProc, chain);
}

void TestCSysTray::onOffOnAddsDeletesAndAddsAgain()
{
    const PictureRef icon = anIcon();
    m_tray->setTrayIcon(icon);
    m_tray->setTrayTip(u"tip"_s);
    QSignalSpy changes(m_tray.get(), &UserControl::propertyChanged);

    m_tray->setInTray(true);
    const LONG_PTR firstChain = mSysTray::PrevWndProc;
    m_tray->setInTray(false);
    m_tray->setInTray(true);

    QCOMPARE(mSysTray::PrevWndProc, firstChain);
    QCOMPARE(firstChain, procedureValue(recordingProc));
    QCOMPARE(m_shell.operations(), (QList<quint32>{NIM_ADD, NIM_DELETE, NIM_ADD}));
    QCOMPARE(m_shell.calls[2].record, m_shell.calls[0].record);
    QCOMPARE(changes.size(), 3);
    m_tray->setInTray(false);
    QCOMPARE(GetWindowLongA(m_tray->hWnd(), GWL_WNDPROC), procedureValue(recordingProc));
}

void TestCSysTray::savedWithInTrayOnLoadsInThreeCalls()
{
    const PictureRef icon = anIcon();
    PropertyBag bag; // names in any case
    bag.WriteProperty(u"intray"_s, true);
    bag.WriteProperty(u"TRAYICON"_s, QVariant::fromValue(icon));
    bag.WriteProperty(u"trayTip"_s, u"saved"_s);

    m_tray->ReadProperties(bag);

    const HWND h = m_tray->hWnd();
    QCOMPARE(m_shell.operations(), (QList<quint32>{NIM_ADD, NIM_MODIFY, NIM_MODIFY}));
    QCOMPARE(m_shell.calls[0].record, record(h, NIF_MESSAGE, 1125));
    QCOMPARE(m_shell.calls[1].record, record(h, NIF_ICON, 0, icon->Handle()));
    QCOMPARE(m_shell.calls[2].record, record(h, NIF_TIP, 0, 0, "saved"));
}

void TestCSysTray::savedPropertiesAreAlwaysWrittenAndReadBack()
{
    PropertyBag empty;
    m_tray->ReadProperties(empty);
    QCOMPARE(m_tray->TrayTip(), u"Telnet Server"_s);
    QVERIFY(!m_tray->InTray());
    QVERIFY(!m_tray->TrayIcon()); // the class carries no picture of its own

    const PictureRef icon = anIcon();
    m_tray->setTrayIcon(icon);
    m_tray->setTrayTip(QString());
    PropertyBag bag;
    m_tray->WriteProperties(bag);
    QCOMPARE(bag.names(), (QStringList{u"InTray"_s, u"TrayIcon"_s, u"TrayTip"_s}));

    cSysTray copy(m_shell);
    copy.ReadProperties(bag);
    QCOMPARE(copy.TrayIcon(), icon);
    QCOMPARE(copy.TrayTip(), QString());
    QVERIFY(!copy.InTray());
    QVERIFY(m_shell.calls.isEmpty());
}

void TestCSysTray::onlyIconsAreAccepted_data()
{
    QTest::addColumn<PictureRef>("picture");
    QPixmap bitmap(32, 32);
    bitmap.fill(Qt::white);
    QTest::newRow("a bitmap") << StdPicture::fromBitmap(bitmap);
    QTest::newRow("an empty picture") << StdPicture::empty();
    QTest::newRow("no picture") << PictureRef();
}

void TestCSysTray::onlyIconsAreAccepted()
{
    QFETCH(PictureRef, picture);
    const PictureRef icon = anIcon();
    m_tray->setTrayIcon(icon);
    m_tray->setInTray(true);
    QSignalSpy changes(m_tray.get(), &UserControl::propertyChanged);

    m_tray->setTrayIcon(picture);

    QCOMPARE(m_tray->TrayIcon(), icon);
    QCOMPARE(m_tray->Picture(), icon);
    QCOMPARE(m_shell.operations(), QList<quint32>{NIM_ADD});
    QCOMPARE(changes.size(), 0);
}

void TestCSysTray::theControlKeepsItsIconHandleValid()
{
    m_tray->setTrayIcon(anIcon()); // the control holds the only reference
    const HICON first = m_tray->TrayIcon()->Handle();
    QVERIFY(!StdPicture::iconForHandle(first).isNull());

    m_tray->setTrayIcon(anIcon());
    QVERIFY(StdPicture::iconForHandle(first).isNull());
    QVERIFY(m_tray->TrayIcon()->Handle() != first); // handles are never reused
}

void TestCSysTray::designerHoldsTheIconWithoutShowingIt()
{
    m_tray->setAmbientUserMode(false);
    m_tray->setInTray(true);
    QVERIFY(m_tray->InTray());
    m_tray->setTrayTip(u"held"_s);
    m_tray->setInTray(false);

    QVERIFY(m_shell.calls.isEmpty());
    QCOMPARE(GetWindowLongA(m_tray->hWnd(), GWL_WNDPROC), procedureValue(recordingProc));
}

void TestCSysTray::destroyingRemovesOnlyWhatIsShown_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QList<quint32>>("operations");
    QTest::newRow("shown: the icon is deleted") << true << QList<quint32>{NIM_ADD, NIM_DELETE};
    QTest::newRow("not shown: nothing is sent") << false << QList<quint32>{};
}

void TestCSysTray::destroyingRemovesOnlyWhatIsShown()
{
    QFETCH(bool, shown);
    QFETCH(QList<quint32>, operations);
    const HWND h = m_tray->hWnd();
    m_tray->setInTray(shown);

    m_tray.reset();

    QCOMPARE(m_shell.operations(), operations);
    if (shown)
        QCOMPARE(m_shell.calls.last().record, record(h, 0));
    QVERIFY(!IsWindow(h));
}

void TestCSysTray::everyMessagePassesThroughTheHook_data()
{
    QTest::addColumn<UINT>("message");
    QTest::addColumn<LPARAM>("lParam");
    QTest::addColumn<QString>("event");

    QTest::newRow("another message") << UINT(15) << LPARAM(0) << QString();
    QTest::newRow("mouse move") << TRAY_CALLBACK_MESSAGE << LPARAM(512) << u"MouseMove 0"_s;
    QTest::newRow("left down") << TRAY_CALLBACK_MESSAGE << LPARAM(513) << u"MouseDown 1 0"_s;
    QTest::newRow("left up") << TRAY_CALLBACK_MESSAGE << LPARAM(514) << u"MouseUp 1 0"_s;
    QTest::newRow("left double") << TRAY_CALLBACK_MESSAGE << LPARAM(515) << u"MouseDblClick 1 0"_s;
    QTest::newRow("right down") << TRAY_CALLBACK_MESSAGE << LPARAM(516) << u"MouseDown 2 0"_s;
    QTest::newRow("right up") << TRAY_CALLBACK_MESSAGE << LPARAM(517) << u"MouseUp 2 0"_s;
    QTest::newRow("right double: the event ends before the window sees the message")
        << TRAY_CALLBACK_MESSAGE << LPARAM(518) << u"MouseDblClick 2 0"_s;
    QTest::newRow("middle down raises nothing")
        << TRAY_CALLBACK_MESSAGE << LPARAM(519) << QString();
    QTest::newRow("below the mouse range") << TRAY_CALLBACK_MESSAGE << LPARAM(511) << QString();
}

void TestCSysTray::everyMessagePassesThroughTheHook()
{
    QFETCH(UINT, message);
    QFETCH(LPARAM, lParam);
    QFETCH(QString, event);
    m_tray->setInTray(true);

    const LRESULT result = SendMessageA(m_tray->hWnd(), message, 0, lParam);

    QCOMPARE(result, kOwnResult + message);
    QStringList expected{u"window %1 0 %2"_s.arg(message).arg(lParam)};
    if (!event.isEmpty())
        expected.prepend(event);
    QCOMPARE(g_log, expected);
}

void TestCSysTray::callbackQueuedBeforeRemovalRaisesNothing()
{
    m_tray->setInTray(true);
    QVERIFY(PostMessageA(m_tray->hWnd(), TRAY_CALLBACK_MESSAGE, 0, WM_LBUTTONDBLCLK));
    m_tray->setInTray(false);

    QCoreApplication::processEvents();

    QCOMPARE(g_log, QStringList{u"window 1125 0 515"_s});
}

QTEST_MAIN(TestCSysTray)
#include "tst_csystray.moc"
