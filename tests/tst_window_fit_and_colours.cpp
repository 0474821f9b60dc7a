// Where the window goes on screens of every size, and text that reads on its fixed colours
// whatever the desktop's theme.
#include "main_window/form1.h"
#include "main_window/readable_colours.h"
#include "main_window/screen_fit.h"
#include "recording_shell.h"

#include <QApplication>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWindowFitAndColours : public QObject
{
    Q_OBJECT
private slots:
    void windowFitsTheAvailableArea_data();
    void windowFitsTheAvailableArea();
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
    QTest::newRow("the frame not yet known: the window's own area takes the height")
        << QRect(0, 0, 1024, 574) << QMargins() << QRect(193, 0, 639, 574);
}

void TestWindowFitAndColours::windowFitsTheAvailableArea()
{
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(QRect, client);
    QCOMPARE(ScreenFit::fitToArea(available, frame, QSize(624, 641), 15), client);
    // Whatever the screen, the frame lies inside the area: the title bar can be reached.
    QVERIFY(available.contains(client.marginsAdded(frame)));
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
}

QTEST_MAIN(TestWindowFitAndColours)
#include "tst_window_fit_and_colours.moc"
