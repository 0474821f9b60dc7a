#include "schedule/week.h"

#include <QTest>

class TestWeek : public QObject
{
    Q_OBJECT
private slots:
    void firstDayOfWeek_data();
    void firstDayOfWeek();
};

void TestWeek::firstDayOfWeek_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDate>("sunday");
    QTest::addColumn<int>("weekday");

    QTest::newRow("a Sunday begins its own week") << QDate(2026, 12, 6) << QDate(2026, 12, 6) << 1;
    QTest::newRow("a Saturday belongs to the week six days earlier")
        << QDate(2026, 12, 12) << QDate(2026, 12, 6) << 7;
    QTest::newRow("Thursday 1 January 2026 belongs to the week of 28 December 2025")
        << QDate(2026, 1, 1) << QDate(2025, 12, 28) << 5;
    QTest::newRow("leap day 2024 (Thursday)") << QDate(2024, 2, 29) << QDate(2024, 2, 25) << 5;
    QTest::newRow("the week after a leap day crosses into March")
        << QDate(2028, 3, 1) << QDate(2028, 2, 27) << 4;
    QTest::newRow("first selectable day, a Monday, keeps its real Sunday in 1752")
        << QDate(1753, 1, 1) << QDate(1752, 12, 31) << 2;
    QTest::newRow("last selectable day, a Friday")
        << QDate(9999, 12, 31) << QDate(9999, 12, 26) << 6;
}

void TestWeek::firstDayOfWeek()
{
    QFETCH(QDate, day);
    QFETCH(QDate, sunday);
    QFETCH(int, weekday);

    QCOMPARE(weekdayNumber(day), weekday);
    QCOMPARE(::firstDayOfWeek(day), sunday);
    QCOMPARE(weekdayNumber(sunday), 1);
    // Every day of the week maps to the same Sunday.
    for (int k = 0; k < kDaysPerWeek; ++k)
        QCOMPARE(::firstDayOfWeek(sunday.addDays(k)), sunday);
}

QTEST_APPLESS_MAIN(TestWeek)
#include "tst_week.moc"
