// Where the window goes on screens of every size, and text that reads on its fixed colours
// whatever the desktop's theme.
#include "main_window/form1.h"
#include "main_window/readable_colours.h"
#include "main_window/screen_fit.h"
#include "recording_shell.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

class EventCounting : public QWidget
{
public:
    int userEvents = 0;

protected:
    bool event(QEvent *e) override
    {
        userEvents += e->type() == QEvent::User;
        return QWidget::event(e);
    }
};

} // namespace

class TestWindowFitAndColours : public QObject
{
    Q_OBJECT
private slots:
    void windowFitsTheAvailableArea_data();
    void windowFitsTheAvailableArea();
    void keeperLooksAtTheFrame_data();
    void keeperLooksAtTheFrame();
    void keeperFollowsTheDesktop();
    void contrastAsWcagReckonsIt_data();
    void contrastAsWcagReckonsIt();
    void textReadsOnFixedColours_data();
    void textReadsOnFixedColours();
};

void TestWindowFitAndColours::windowFitsTheAvailableArea_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QRect>("client");
    const QMargins icewm(5, 24, 5, 5);
    // 624 x 641 as designed; a scroll bar is 15 wide.
    QTest::newRow("1280 x 800, centred as designed")
        << QRect(0, 0, 1280, 800) << QMargins() << QRect(328, 80, 624, 641);
    QTest::newRow("1280 x 800 less a 26-pixel taskbar, the frame centred")
        << QRect(0, 0, 1280, 774) << icewm << QRect(328, 76, 624, 641);
    QTest::newRow("a panel at the top: never above the area")
        << QRect(0, 30, 1280, 770) << icewm << QRect(328, 104, 624, 641);
    QTest::newRow("a second screen's area, right of the first")
        << QRect(1024, 100, 1280, 800) << QMargins() << QRect(1352, 180, 624, 641);
    QTest::newRow("1024 x 600 less the taskbar: the height scrolls, the width makes room")
        << QRect(0, 0, 1024, 574) << icewm << QRect(193, 24, 639, 545);
    QTest::newRow("1080p at 200 %: 960 x 540")
        << QRect(0, 0, 960, 540) << icewm << QRect(161, 24, 639, 511);
    QTest::newRow("narrower and lower than the window: both scroll, from the top-left")
        << QRect(0, 0, 600, 400) << icewm << QRect(5, 24, 590, 371);
    QTest::newRow("exactly the window with its frame: nothing scrolls")
        << QRect(0, 0, 634, 670) << icewm << QRect(5, 24, 624, 641);
    QTest::newRow("a pixel lower: the height scrolls, and the width makes no room")
        << QRect(0, 0, 634, 669) << icewm << QRect(5, 24, 624, 640);
    QTest::newRow("an area smaller than the frame: a pixel, never none")
        << QRect(0, 0, 8, 20) << icewm << QRect(5, 24, 1, 1);
    QTest::newRow("the frame not yet known: the window's own area takes the height")
        << QRect(0, 0, 1024, 574) << QMargins() << QRect(193, 0, 639, 574);
}

void TestWindowFitAndColours::windowFitsTheAvailableArea()
{
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(QRect, client);
    QCOMPARE(ScreenFit::fitToArea(available, frame, QSize(624, 641), 15), client);
    // Whatever the screen, the frame lies inside the area, where the frame alone fits: the
    // title bar can be reached.
    if (available.width() > frame.left() + frame.right() &&
        available.height() > frame.top() + frame.bottom())
        QVERIFY(available.contains(client.marginsAdded(frame)));
}

void TestWindowFitAndColours::keeperLooksAtTheFrame_data()
{
    QTest::addColumn<QString>("shown"); // "normal", "maximised" or "full screen"
    // Where the user moves it after the first look; -1, -1: where its frame just fits into
    // the area's bottom-right corner.
    QTest::addColumn<QPoint>("movedTo");
    QTest::addColumn<bool>("fittedBack"); // the later looks put it back
    QTest::newRow("moved by the user in its first seconds: it stays")
        << u"normal"_s << QPoint(40, 60) << false;
    QTest::newRow("moved to the area's bottom-right corner, frame and all: it stays")
        << u"normal"_s << QPoint(-1, -1) << false;
    QTest::newRow("its title bar above the area: brought back")
        << u"normal"_s << QPoint(300, -30) << true;
    QTest::newRow("its left edge off the area: brought back")
        << u"normal"_s << QPoint(-10, 100) << true;
    QTest::newRow("maximised at once: left as it is") << u"maximised"_s << QPoint() << false;
    QTest::newRow("full screen at once: left as it is") << u"full screen"_s << QPoint() << false;
}

void TestWindowFitAndColours::keeperLooksAtTheFrame()
{
    QFETCH(QString, shown);
    QFETCH(QPoint, movedTo);
    QFETCH(bool, fittedBack);
    const QSize designed(624, 641);
    EventCounting window;
    window.resize(designed);
    QList<std::function<void()>> looks; // run here, in order, instead of on timers
    ScreenFitKeeper keeper(window, designed, nullptr,
                           [&looks](int, std::function<void()> look) { looks.append(look); });
    keeper.fit();
    if (shown == u"maximised")
        window.showMaximized();
    else if (shown == u"full screen")
        window.showFullScreen();
    else
        window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(looks.size(), 5);
    // The keeper only watches: the window still gets its events.
    QEvent user(QEvent::User);
    QCoreApplication::sendEvent(&window, &user);
    QCOMPARE(window.userEvents, 1);
    const QRect area = ScreenFit::primaryAvailableArea();
    if (shown != u"normal") {
        const QRect before = window.geometry();
        for (const auto &look : looks)
            look();
        QCoreApplication::processEvents();
        QCOMPARE(window.geometry(), before);
        QCOMPARE(window.windowState(),
                 shown == u"maximised" ? Qt::WindowMaximized : Qt::WindowFullScreen);
        return;
    }
    // The first look knows the frame: the window is centred with it.
    const QMargins frame = window.windowHandle()->frameMargins();
    QVERIFY(!frame.isNull());
    const QRect fitted = ScreenFit::fitToArea(
        area, frame, designed, window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    window.move(0, 0); // where a window manager might have put it first
    QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(0, 0));
    looks.takeFirst()();
    QCoreApplication::processEvents();
    QCOMPARE(window.geometry(), fitted);

    if (movedTo == QPoint(-1, -1))
        movedTo = area.bottomRight() -
                  QPoint(window.frameGeometry().width() - 1, window.frameGeometry().height() - 1);
    window.move(movedTo);
    QTRY_COMPARE(window.frameGeometry().topLeft(), movedTo);
    for (const auto &look : looks)
        look();
    QCoreApplication::processEvents(); // where the looks placed it, as the platform says
    if (fittedBack)
        QCOMPARE(window.geometry(), fitted);
    else
        QCOMPARE(window.frameGeometry().topLeft(), movedTo);
    QVERIFY(!fittedBack || area.contains(window.frameGeometry()));

    // Hidden to the tray and shown again: the first seconds are over, it stays where it is.
    const QRect placed = window.geometry();
    window.hide();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(looks.size(), 4);
    QCOMPARE(window.geometry(), placed);
}

void TestWindowFitAndColours::keeperFollowsTheDesktop()
{
    // On its own timers, as in a run: the first look, at once, fits the framed window.
    const QSize designed(624, 641);
    QWidget window;
    window.resize(designed);
    ScreenFitKeeper keeper(window, designed);
    window.move(0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect fitted = ScreenFit::fitToArea(
        ScreenFit::primaryAvailableArea(), window.windowHandle()->frameMargins(), designed,
        window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QTRY_COMPARE(window.geometry(), fitted);

    // A panel comes or goes: the window is fitted to the new area, wherever the user put it.
    window.move(40, 60);
    QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(40, 60));
    QScreen *screen = QGuiApplication::primaryScreen();
    emit screen->availableGeometryChanged(screen->availableGeometry());
    QCoreApplication::processEvents();
    QCOMPARE(window.geometry(), fitted);
    // So does another primary screen.
    window.move(40, 60);
    QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(40, 60));
    emit qApp->primaryScreenChanged(screen);
    QCoreApplication::processEvents();
    QCOMPARE(window.geometry(), fitted);
}

void TestWindowFitAndColours::contrastAsWcagReckonsIt_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QColor>("shown"); // the text's colour there
    const QColor black(Qt::black), white(Qt::white);
    QTest::newRow("black on white") << white << black << 21.0 << black;
    QTest::newRow("black on the headings' yellow")
        << QColor(0xFF, 0xFF, 0xC0) << black << 20.317 << black;
    // Only through the sRGB curve: taken straight, the channels would give this red 4.89:1.
    QTest::newRow("a red on black at 4.46:1: not enough")
        << black << QColor(0xE9, 0, 0) << 4.465 << white;
    QTest::newRow("a red on black at 4.53:1: enough")
        << black << QColor(0xEB, 0, 0) << 4.532 << QColor(0xEB, 0, 0);
    QTest::newRow("a grey on white at 4.48:1: not enough")
        << white << QColor(0x77, 0x77, 0x77) << 4.478 << black;
    QTest::newRow("a grey on white at 4.54:1: enough")
        << white << QColor(0x76, 0x76, 0x76) << 4.542 << QColor(0x76, 0x76, 0x76);
    QTest::newRow("a mid grey on itself: black reads better than white")
        << QColor(0x80, 0x80, 0x80) << QColor(0x80, 0x80, 0x80) << 1.0 << black;
}

void TestWindowFitAndColours::contrastAsWcagReckonsIt()
{
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    QFETCH(double, ratio);
    QFETCH(QColor, shown);
    QVERIFY2(qAbs(ReadableColours::contrastRatio(background, text) - ratio) < 0.001,
             qPrintable(QString::number(ReadableColours::contrastRatio(background, text))));
    QCOMPARE(ReadableColours::contrastRatio(text, background),
             ReadableColours::contrastRatio(background, text));
    QCOMPARE(ReadableColours::textOn(background, text), shown);
    // Given to a widget, at once, with the desktop's text colour.
    QWidget widget;
    ReadableColours::setFixedBackground(widget, background, QPalette::WindowText);
    QCOMPARE(widget.palette().color(QPalette::Window), background);
    QCOMPARE(
        widget.palette().color(QPalette::WindowText),
        ReadableColours::textOn(background, QApplication::palette().color(QPalette::WindowText)));
}

void TestWindowFitAndColours::textReadsOnFixedColours_data()
{
    QTest::addColumn<QColor>("buttonText");
    QTest::addColumn<QColor>("windowText");
    QTest::addColumn<QColor>("headingText");
    QTest::addColumn<QColor>("windowTextOnWhite");
    const QColor black(Qt::black);
    QTest::newRow("a light theme: the desktop's own colours, as designed")
        << QColor(0x10, 0x10, 0x10) << QColor(0x20, 0x20, 0x20) << QColor(0x10, 0x10, 0x10)
        << QColor(0x20, 0x20, 0x20);
    QTest::newRow("Adwaita dark: light text would be 1.1:1 on the yellow")
        << QColor(0xF0, 0xF0, 0xF0) << QColor(0xEE, 0xEE, 0xEC) << black << black;
    QTest::newRow("a mid grey of 3:1 is not enough")
        << QColor(0x90, 0x90, 0x90) << QColor(0x90, 0x90, 0x90) << black << black;
    QTest::newRow("a dark blue reads, and stays")
        << QColor(0x00, 0x00, 0x80) << QColor(0x00, 0x00, 0x80) << QColor(0x00, 0x00, 0x80)
        << QColor(0x00, 0x00, 0x80);
}

void TestWindowFitAndColours::textReadsOnFixedColours()
{
    QFETCH(QColor, buttonText);
    QFETCH(QColor, windowText);
    QFETCH(QColor, headingText);
    QFETCH(QColor, windowTextOnWhite);
    // The desktop's theme changes while the window is open (a dark mode switched on).
    RecordingShell shell;
    Form1 form({nullptr, nullptr, &shell, {}, [](int) {}});
    const QPalette before = QApplication::palette();
    QPalette desktop = before;
    desktop.setColor(QPalette::ButtonText, buttonText);
    desktop.setColor(QPalette::WindowText, windowText);
    desktop.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    QApplication::setPalette(desktop);
    const auto restored = qScopeGuard([&before] { QApplication::setPalette(before); });

    for (int k = 0; k < 8; ++k) {
        const QPalette heading = form.label1(k)->palette();
        QCOMPARE(heading.color(QPalette::Window), QColor(0xFF, 0xFF, 0xC0));
        QCOMPARE(heading.color(QPalette::WindowText), headingText);
    }
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(form.palette().color(QPalette::WindowText), windowTextOnWhite);
    QVERIFY(ReadableColours::contrastRatio(headingText, QColor(0xFF, 0xFF, 0xC0)) >= 4.5);
    // What follows the theme sees every event of the program, and keeps none: typing still
    // reaches the boxes.
    form.text1(0)->clear();
    QTest::keyClicks(form.text1(0), u"typed"_s);
    QCOMPARE(form.text1(0)->toPlainText(), u"typed"_s);
}

QTEST_MAIN(TestWindowFitAndColours)
#include "tst_window_fit_and_colours.moc"
