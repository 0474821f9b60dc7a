// The boxes' text size: the steps, Ctrl and the wheel, and the size remembered and kept within
// its limits.
#include "text_size/text_size.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

class TestTextSize : public QObject
{
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }
    void cleanup() { QSettings().clear(); }
    void stepsBetweenTheLimits_data();
    void stepsBetweenTheLimits();
    void ctrlAndTheWheelChangeTheSize_data();
    void ctrlAndTheWheelChangeTheSize();
    void theSizeIsRememberedWithinItsLimits_data();
    void theSizeIsRememberedWithinItsLimits();
};

void TestTextSize::stepsBetweenTheLimits_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("larger");
    QTest::addColumn<int>("smaller");
    QTest::newRow("the usual size") << 100 << 110 << 90;
    QTest::newRow("the smallest") << 75 << 90 << 75;
    QTest::newRow("the largest") << 300 << 300 << 250;
    QTest::newRow("between two steps") << 105 << 110 << 100;
    QTest::newRow("one below the largest") << 299 << 300 << 250;
}

void TestTextSize::stepsBetweenTheLimits()
{
    QFETCH(int, from);
    QFETCH(int, larger);
    QFETCH(int, smaller);
    QCOMPARE(TextSize::larger(from), larger);
    QCOMPARE(TextSize::smaller(from), smaller);
}

void TestTextSize::ctrlAndTheWheelChangeTheSize_data()
{
    QTest::addColumn<QList<int>>("turns"); // eighths of a degree, one wheel event each
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("scrolled"); // the box got the wheel
    QTest::newRow("a notch up") << QList<int>{120} << Qt::KeyboardModifiers(Qt::ControlModifier)
                                << 110 << false;
    QTest::newRow("a notch down") << QList<int>{-120}
                                  << Qt::KeyboardModifiers(Qt::ControlModifier) << 90 << false;
    QTest::newRow("two half notches of a touchpad")
        << QList<int>{60, 60} << Qt::KeyboardModifiers(Qt::ControlModifier) << 110 << false;
    QTest::newRow("half a notch") << QList<int>{60} << Qt::KeyboardModifiers(Qt::ControlModifier)
                                  << 100 << false;
    QTest::newRow("two notches at once")
        << QList<int>{240} << Qt::KeyboardModifiers(Qt::ControlModifier) << 125 << false;
    QTest::newRow("without Ctrl the box scrolls")
        << QList<int>{120} << Qt::KeyboardModifiers() << 100 << true;
}

void TestTextSize::ctrlAndTheWheelChangeTheSize()
{
    QFETCH(QList<int>, turns);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, percent);
    QFETCH(bool, scrolled);
    QPlainTextEdit box;
    box.resize(200, 100);
    for (int i = 0; i < 50; ++i)
        box.appendPlainText(u"line"_s);
    box.verticalScrollBar()->setValue(20);
    TextSize size({&box}, 9);
    for (const int turn : turns) {
        QWheelEvent wheel(QPointF(10, 10), box.mapToGlobal(QPointF(10, 10)), {}, {0, turn},
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(box.viewport(), &wheel);
    }
    QCOMPARE(size.percent(), percent);
    QCOMPARE(box.font().pointSizeF(), 9.0 * percent / 100);
    QCOMPARE(box.verticalScrollBar()->value() != 20, scrolled);
}

void TestTextSize::theSizeIsRememberedWithinItsLimits_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("percent");
    QTest::newRow("nothing stored") << QVariant() << 100;
    QTest::newRow("a step") << QVariant(150) << 150;
    QTest::newRow("too large") << QVariant(1000) << 300;
    QTest::newRow("too small") << QVariant(10) << 75;
    QTest::newRow("not a number") << QVariant(u"large"_s) << 100;
}

void TestTextSize::theSizeIsRememberedWithinItsLimits()
{
    QFETCH(QVariant, stored);
    QFETCH(int, percent);
    if (stored.isValid())
        QSettings().setValue(QLatin1String(TextSize::kSettingsKey), stored);
    QPlainTextEdit a, b;
    TextSize size({&a, &b}, 10);
    QCOMPARE(size.percent(), percent);
    QCOMPARE(b.font().pointSizeF(), 10.0 * percent / 100);

    // A change is kept for the next run and told; the same size again is no change.
    QSignalSpy changed(&size, &TextSize::changed);
    size.makeLarger();
    size.setPercent(size.percent());
    QCOMPARE(changed.count(), percent == 300 ? 0 : 1);
    QCOMPARE(TextSize({}, 10).percent(), TextSize::larger(percent));
    size.makeUsual();
    QCOMPARE(a.font().pointSizeF(), 10.0);
    QCOMPARE(QSettings().value(QLatin1String(TextSize::kSettingsKey)).toInt(), 100);
}

QTEST_MAIN(TestTextSize)
#include "tst_text_size.moc"
