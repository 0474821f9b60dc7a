#include "controls/month_view.h"
#include "main_window/day_marks.h"
#include "other_connection.h"
#include "schedule/calendar_connection.h"
#include "schedule/calendar_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using Lines = QHash<QDate, int>;
using Rows = QList<QStringList>; // StartWeekDate, WeekData

namespace {

const QString S = QStringLiteral("||MySeparator123||");

// A week's record from its eight texts.
QString record(const QStringList &texts)
{
    QString joined;
    for (const QString &text : texts)
        joined += text + S;
    return joined;
}

} // namespace

// What the calendar learns from a real database: the lines of each day and of each week's notes.
class TestDayMarks : public QObject
{
    Q_OBJECT
private slots:
    void marksCountTheLinesOfTheWeeksOnView_data();
    void marksCountTheLinesOfTheWeeksOnView();
};

void TestDayMarks::marksCountTheLinesOfTheWeeksOnView_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Lines>("days");
    QTest::addColumn<Lines>("notes");

    // On view: December 2026 to February 2027, so the weeks from 29 November.
    const QDate sunday(2026, 12, 6);
    QTest::newRow("lines that hold something count; blank and spaced ones do not")
        << Rows{{u"2026-12-06"_s, record({{},
                                          u"a\r\nb\r\nc"_s,
                                          u" \r\n\t"_s,
                                          u"\r\nx\r\n \r\ny\r\n"_s,
                                          {},
                                          {},
                                          {},
                                          u"n1\r\nn2"_s})}}
        << Lines{{sunday.addDays(1), 3}, {sunday.addDays(3), 2}} << Lines{{sunday, 2}};
    QTest::newRow("LF, CR and the Unicode breaks each end a line")
        << Rows{{u"2026-12-06"_s,
                 record({u"a\nb"_s, u"a\rb"_s, u"a\u2028b\u2029c"_s, {}, {}, {}, {}, {}})}}
        << Lines{{sunday, 2}, {sunday.addDays(1), 2}, {sunday.addDays(2), 3}} << Lines{};
    QTest::newRow("a week whose only text is in its notes")
        << Rows{{u"2027-02-28"_s, S.repeated(7) + u"call"_s + S}} << Lines{}
        << Lines{{QDate(2027, 2, 28), 1}};
    QTest::newRow("the week before the first month, keyed month/day/year, and a short record")
        << Rows{{u"11/29/2026"_s, S.repeated(6) + u"Sat"_s + S}, {u"2027-01-03"_s, u"Sun"_s + S}}
        << Lines{{QDate(2026, 12, 5), 1}, {QDate(2027, 1, 3), 1}} << Lines{};
    QTest::newRow("weeks off the page mark nothing")
        << Rows{{u"2026-11-22"_s, record({u"x"_s, {}, {}, {}, {}, {}, u"y"_s, u"z"_s})},
                {u"2027-03-07"_s, u"x"_s + S}}
        << Lines{} << Lines{};
    // As the window shows that week: the row with the program's own key, older rows aside.
    QTest::newRow("two rows for one week: the program's own key counts")
        << Rows{{u"12/06/2026"_s, u"old"_s + S.repeated(8)},
                {u"2026-12-06"_s, S + u"new"_s + S.repeated(7)}}
        << Lines{{sunday.addDays(1), 1}} << Lines{};
}

void TestDayMarks::marksCountTheLinesOfTheWeeksOnView()
{
    QFETCH(Rows, rows);
    QFETCH(Lines, days);
    QFETCH(Lines, notes);
    QTemporaryDir folder;
    const QString path = databasePath(folder.path());
    QVERIFY(createEmptyCalendarDatabase(path));
    for (const QStringList &row : rows)
        QVERIFY(OtherConnection(path).exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
                                           {row[0], row[1]}));
    CalendarConnection connection;
    QVERIFY(connection.open(path));
    MonthView calendar;
    calendar.setGeometry(0, 0, 607, 178);
    calendar.showMonth(QDate(2026, 12, 1));
    QCOMPARE(calendar.lastShownDay(), QDate(2027, 2, 28));
    // Something stale, to see it replaced.
    calendar.setMarks({{QDate(2027, 1, 20), 9}}, {{QDate(2027, 1, 17), 9}});

    DayMarks marks(calendar, connection);
    marks.refresh();
    QTRY_COMPARE(calendar.dayLines(), days);
    QCOMPARE(calendar.notesLines(), notes);
}

QTEST_MAIN(TestDayMarks)
#include "tst_day_marks.moc"
