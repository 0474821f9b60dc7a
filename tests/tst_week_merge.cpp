// Two versions of a week's texts merged: nothing of either is lost, and merging the same text
// again adds nothing.
#include "schedule/week_merge.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The literal line, not the code's: a marker written differently must fail here.
const QString M = u"\r\n— imported from old.mdb (2026-12-07) —\r\n"_s;
const QString kMarker = M.trimmed();

} // namespace

class TestWeekMerge : public QObject
{
    Q_OBJECT
private slots:
    void boxes_data();
    void boxes();
    void weeks();
};

void TestWeekMerge::boxes_data()
{
    QTest::addColumn<QString>("here");
    QTest::addColumn<QString>("incoming");
    QTest::addColumn<QString>("merged"); // a null string: here's text, unchanged

    QTest::newRow("equal") << u"Dentist 9:00"_s << u"Dentist 9:00"_s << QString();
    QTest::newRow("equal but for LF against CR LF")
        << u"a\r\nb"_s << u"a\nb"_s << QString();
    QTest::newRow("here empty") << u""_s << u"b\r\nc"_s << u"b\r\nc"_s;
    QTest::newRow("here only white space") << u" \r\n"_s << u"b"_s << u"b"_s;
    QTest::newRow("incoming empty") << u"a"_s << u""_s << QString();
    QTest::newRow("incoming only white space") << u"a"_s << u"\r\n\t"_s << QString();
    QTest::newRow("both empty") << u""_s << u""_s << QString();
    QTest::newRow("different") << u"a"_s << u"b"_s << u"a"_s + M + u"b"_s;
    QTest::newRow("different, breaks as the record keeps them")
        << u"a\nx"_s << u"b\u2029y"_s << u"a\r\nx"_s + M + u"b\r\ny"_s;
    QTest::newRow("here starts with a break") << u"\r\nb"_s << u"a"_s << u"\r\nb"_s + M + u"a"_s;
    QTest::newRow("here ends in a break") << u"a\r\n"_s << u"b"_s << u"a\r\n"_s + M + u"b"_s;
    QTest::newRow("already merged in, on another day")
        << u"a\r\n— imported from old.mdb (2026-01-02) —\r\nb"_s << u"b"_s << QString();
    QTest::newRow("already merged in, from another file")
        << u"a\r\n— imported from other.mdb (2026-01-02) —\r\nb"_s << u"b"_s << QString();
    QTest::newRow("between two merged texts") << u"a"_s + M + u"b"_s + M + u"c"_s << u"b"_s
                                              << QString();
    QTest::newRow("here's own text before a merged one") << u"a"_s + M + u"b"_s << u"a"_s
                                                         << QString();
    QTest::newRow("a merged text whole") << u"a"_s + M + u"b"_s + M + u"c"_s
                                         << u"b"_s + M + u"c"_s << QString();
    QTest::newRow("the start of a merged text only")
        << u"a"_s + M + u"bc"_s << u"b"_s << u"a"_s + M + u"bc"_s + M + u"b"_s;
    QTest::newRow("the end of a merged text only")
        << u"a"_s + M + u"bc"_s << u"c"_s << u"a"_s + M + u"bc"_s + M + u"c"_s;
    QTest::newRow("inside here's text, not a whole one")
        << u"see b"_s << u"b"_s << u"see b"_s + M + u"b"_s;
    QTest::newRow("after a line that is no marker")
        << u"a\r\n— imported from old.mdb —\r\nb"_s << u"b"_s
        << u"a\r\n— imported from old.mdb —\r\nb"_s + M + u"b"_s;
}

void TestWeekMerge::boxes()
{
    QFETCH(QString, here);
    QFETCH(QString, incoming);
    QFETCH(QString, merged);
    const WeekMerge::Box box = WeekMerge::mergeBox(here, incoming, kMarker);
    QCOMPARE(box.text, merged.isNull() ? here : merged);
    QCOMPARE(box.changed, !merged.isNull());
    // The same text merged again adds nothing, whatever day it comes on.
    const WeekMerge::Box again = WeekMerge::mergeBox(
        box.text, incoming, WeekMerge::markerLine(u"old.mdb"_s, QDate(2027, 3, 1)));
    QCOMPARE(again.text, box.text);
    QVERIFY(!again.changed);
}

void TestWeekMerge::weeks()
{
    QCOMPARE(WeekMerge::markerLine(u"old.mdb"_s, QDate(2026, 12, 7)), kMarker);
    const WeekTexts here{{u"a"_s, u""_s, u"same"_s, {}, {}, {}, {}, u"notes"_s}};
    const WeekTexts incoming{{u""_s, u"b"_s, u"same"_s, {}, {}, {}, {}, u"other notes"_s}};
    const WeekMerge::Week week = WeekMerge::mergeWeek(here, incoming, kMarker);
    QVERIFY(week.changed);
    QCOMPARE(week.texts, (WeekTexts{{u"a"_s, u"b"_s, u"same"_s, {}, {}, {}, {},
                                     u"notes"_s + M + u"other notes"_s}}));
    QVERIFY(!WeekMerge::mergeWeek(here, WeekTexts{}, kMarker).changed);
    QVERIFY(WeekMerge::isBlank(WeekTexts{{u" "_s, u"\r\n"_s}}));
    QVERIFY(!WeekMerge::isBlank(WeekTexts{{{}, {}, {}, {}, {}, {}, {}, u"n"_s}}));
    // Fields a short record lacks are empty; notes that hold the separator stay whole.
    const QString S = u"||MySeparator123||"_s;
    QCOMPARE(WeekMerge::textsOf(u"a"_s + S + u"b"_s + S),
             (WeekTexts{{u"a"_s, u"b"_s, {}, {}, {}, {}, {}, {}}}));
    QCOMPARE(WeekMerge::textsOf(S.repeated(7) + u"n"_s + S + u"m"_s + S)[kNotesField],
             u"n"_s + S + u"m"_s);
}

QTEST_GUILESS_MAIN(TestWeekMerge)
#include "tst_week_merge.moc"
