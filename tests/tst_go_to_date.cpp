// Going to any date: a day read as people type it in their language, and the small window that
// asks for it.
#include "go_to_date/date_text.h"
#include "go_to_date/go_to_date_dialog.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;

class TestGoToDate : public QObject
{
    Q_OBJECT
private slots:
    void readsADayAsTyped_data();
    void readsADayAsTyped();
    void twoDigitYearsNearestToday_data();
    void twoDigitYearsNearestToday();
    void writtenDaysReadBack_data();
    void writtenDaysReadBack();
    void theWindowSaysWhichDayAndGoes_data();
    void theWindowSaysWhichDayAndGoes();
    void aDayPickedInTheCalendarFillsTheField();
    void theWindowIsMadeForTheKeyboard();
};

namespace {
const QDate kToday(2026, 12, 8);
}

void TestGoToDate::readsADayAsTyped_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("day"); // invalid: no day

    const QDate christmas(2003, 12, 25);
    QTest::newRow("ISO, anywhere") << u"de_DE"_s << u" 2003-12-25 "_s << christmas;
    QTest::newRow("ISO month") << u"en_US"_s << u"2003-12"_s << QDate(2003, 12, 1);
    QTest::newRow("German numbers") << u"de_DE"_s << u"25.12.2003"_s << christmas;
    QTest::newRow("German, one digit each") << u"de_DE"_s << u"5.1.2003"_s << QDate(2003, 1, 5);
    QTest::newRow("American numbers") << u"en_US"_s << u"12/25/2003"_s << christmas;
    QTest::newRow("British numbers") << u"en_GB"_s << u"25/12/2003"_s << christmas;
    QTest::newRow("a year first is year, month, day") << u"en_US"_s << u"2003/12/25"_s << christmas;
    QTest::newRow("Japanese") << u"ja_JP"_s << u"2003年12月25日"_s << christmas;
    QTest::newRow("Korean, a short year first") << u"ko_KR"_s << u"03. 12. 25."_s << christmas;
    QTest::newRow("a Sunday named")
        << u"en_GB"_s << u"Sunday 21 December 2003"_s << QDate(2003, 12, 21);
    QTest::newRow("two-digit year, this century") << u"de_DE"_s << u"25.12.03"_s << christmas;
    QTest::newRow("two-digit year, the last") << u"de_DE"_s << u"1.2.80"_s << QDate(1980, 2, 1);
    QTest::newRow("English month short") << u"en_US"_s << u"Dec 2003"_s << QDate(2003, 12, 1);
    QTest::newRow("English month in German") << u"de_DE"_s << u"Dec 2003"_s << QDate(2003, 12, 1);
    QTest::newRow("German month short") << u"de_DE"_s << u"Dez. 2003"_s << QDate(2003, 12, 1);
    QTest::newRow("German long form")
        << u"de_DE"_s << u"Donnerstag, 25. Dezember 2003"_s << christmas;
    QTest::newRow("French with an accent left out")
        << u"fr_FR"_s << u"25 fevrier 2003"_s << QDate(2003, 2, 25);
    QTest::newRow("Spanish with its glue words")
        << u"es_ES"_s << u"25 de diciembre de 2003"_s << christmas;
    QTest::newRow("American long form") << u"en_US"_s << u"December 25th, 2003"_s << christmas;
    QTest::newRow("a day and month of this year")
        << u"en_GB"_s << u"25 Dec"_s << QDate(2026, 12, 25);
    QTest::newRow("a year alone") << u"en_GB"_s << u"2003"_s << QDate(2003, 1, 1);
    QTest::newRow("a month and a year in numbers")
        << u"de_DE"_s << u"12/2003"_s << QDate(2003, 12, 1);
    QTest::newRow("a year past 9999 is read, for the window to refuse")
        << u"en_GB"_s << u"10000-01-02"_s << QDate(10000, 1, 2);
    QTest::newRow("no such day") << u"de_DE"_s << u"31.02.2003"_s << QDate();
    QTest::newRow("a month that could be two") << u"en_GB"_s << u"Ju 2003"_s << QDate();
    QTest::newRow("two months") << u"en_GB"_s << u"Dec Jan 2003"_s << QDate();
    QTest::newRow("a word that names nothing") << u"en_GB"_s << u"tomorrow"_s << QDate();
    QTest::newRow("a lone day") << u"en_GB"_s << u"25"_s << QDate();
    QTest::newRow("nothing") << u"en_GB"_s << u"  "_s << QDate();
    QTest::newRow("four numbers") << u"en_GB"_s << u"1 2 3 2003"_s << QDate();
}

void TestGoToDate::readsADayAsTyped()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, day);
    const std::optional<QDate> read = DateText::parse(text, QLocale(locale), kToday);
    QCOMPARE(read.value_or(QDate()), day);
}

void TestGoToDate::twoDigitYearsNearestToday_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("day");
    QTest::newRow("late in a century: the next one")
        << QDate(2090, 6, 1) << u"25.12.03"_s << QDate(2103, 12, 25);
    QTest::newRow("early in a century: the last one")
        << QDate(2003, 6, 1) << u"25.12.97"_s << QDate(1997, 12, 25);
    QTest::newRow("fifty years either way: the past")
        << QDate(2026, 12, 8) << u"25.12.76"_s << QDate(1976, 12, 25);
}

void TestGoToDate::twoDigitYearsNearestToday()
{
    QFETCH(QDate, today);
    QFETCH(QString, text);
    QFETCH(QDate, day);
    QCOMPARE(DateText::parse(text, QLocale(u"de_DE"_s), today).value_or(QDate()), day);
}

void TestGoToDate::writtenDaysReadBack_data()
{
    QTest::addColumn<QString>("locale");
    for (const char *name : {"C", "en_US", "en_GB", "de_DE", "fr_FR", "es_ES", "ja_JP", "ko_KR"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestGoToDate::writtenDaysReadBack()
{
    QFETCH(QString, locale);
    const QLocale here(locale);
    for (const QDate day : {QDate(1753, 1, 1), QDate(1980, 2, 29), QDate(2003, 12, 25),
                            QDate(2076, 7, 4), QDate(9999, 12, 31)}) {
        const QString written = DateText::format(day, here);
        QVERIFY2(written.contains(QString::number(day.year())), qPrintable(written));
        QCOMPARE(DateText::parse(written, here, kToday).value_or(QDate()), day);
    }
}

void TestGoToDate::theWindowSaysWhichDayAndGoes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("chosen");
    QTest::addColumn<QString>("hint");
    QTest::newRow("a day") << u"25 Dec 2003"_s << QDate(2003, 12, 25)
                           << u"Thursday, 25 December 2003"_s;
    QTest::newRow("a day of this year")
        << u"25 Dec"_s << QDate(2026, 12, 25) << u"Friday, 25 December 2026"_s;
    QTest::newRow("the calendar's first day")
        << u"1753-01-01"_s << QDate(1753, 1, 1) << u"Monday, 1 January 1753"_s;
    QTest::newRow("no day") << u"soon"_s << QDate() << u"cannot read this as a day"_s;
    QTest::newRow("before the calendar")
        << u"1752-12-31"_s << QDate() << u"runs from Monday, 1 January 1753"_s;
    QTest::newRow("after the calendar")
        << u"10000-01-01"_s << QDate() << u"to Friday, 31 December 9999"_s;
    QTest::newRow("nothing") << QString() << QDate() << u"Type a day, such as"_s;
}

void TestGoToDate::theWindowSaysWhichDayAndGoes()
{
    QFETCH(QString, typed);
    QFETCH(QDate, chosen);
    QFETCH(QString, hint);
    QLocale::setDefault(QLocale(u"en_GB"_s));
    GoToDateDialog dialog(QDate(1753, 1, 1), QDate(9999, 12, 31));
    QSignalSpy went(&dialog, &GoToDateDialog::dateChosen);
    dialog.ask(QDate(2026, 12, 6), kToday);
    QTRY_VERIFY(dialog.isVisible());
    QCOMPARE(dialog.field()->text(), u"06/12/2026"_s);
    QCOMPARE(dialog.field()->selectedText(), dialog.field()->text()); // typing replaces it
    QTest::keyClick(dialog.field(), Qt::Key_Backspace);
    QTest::keyClicks(dialog.field(), typed);
    QVERIFY2(dialog.hint()->text().contains(hint), qPrintable(dialog.hint()->text()));
    QCOMPARE(dialog.field()->accessibleDescription(), dialog.hint()->text());
    QTest::keyClick(dialog.field(), Qt::Key_Return);
    if (chosen.isValid()) {
        QCOMPARE(went.count(), 1);
        QCOMPARE(went.first().first().toDate(), chosen);
        QVERIFY(!dialog.isVisible());
    } else {
        QCOMPARE(went.count(), 0);
        QVERIFY(dialog.isVisible()); // it stays, to be mended
    }
}

void TestGoToDate::aDayPickedInTheCalendarFillsTheField()
{
    QLocale::setDefault(QLocale(u"de_DE"_s));
    GoToDateDialog dialog(QDate(1753, 1, 1), QDate(9999, 12, 31));
    QSignalSpy went(&dialog, &GoToDateDialog::dateChosen);
    dialog.ask(QDate(2026, 12, 6), kToday);
    QCOMPARE(dialog.calendar()->firstDayOfWeek(), Qt::Sunday);
    emit dialog.calendar()->clicked(QDate(2003, 12, 25));
    QCOMPARE(dialog.field()->text(), u"25.12.2003"_s);
    QCOMPARE(dialog.day(), QDate(2003, 12, 25));
    QCOMPARE(went.count(), 0); // picked, not yet gone to
    QTest::keyClick(dialog.field(), Qt::Key_Return);
    QCOMPARE(went.count(), 1);
}

// Titled, its field named by its label (Alt+D), the field ready to be typed over, the calendar
// a key away and taking the keys once it drops down, and the line that says which day in sight.
void TestGoToDate::theWindowIsMadeForTheKeyboard()
{
    QLocale::setDefault(QLocale(u"en_GB"_s));
    QWidget main;
    main.show();
    GoToDateDialog dialog(QDate(1753, 1, 1), QDate(9999, 12, 31), &main);
    dialog.ask(QDate(2026, 12, 6), kToday);
    QTRY_VERIFY(dialog.isActiveWindow());
    QCOMPARE(dialog.windowTitle(), u"Go to date"_s);
    QCOMPARE(dialog.calendarButton()->accessibleName(), u"Choose in a calendar"_s);
    QVERIFY(!dialog.calendarButton()->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), dialog.field());
    QCOMPARE(dialog.field()->selectedText(), u"06/12/2026"_s);
    QVERIFY(dialog.hint()->isVisible());
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QVERIFY(!dialog.field()->hasFocus());
    QTest::keyClick(&dialog, Qt::Key_D, Qt::AltModifier); // the label's mnemonic
    QCOMPARE(QApplication::focusWidget(), dialog.field());

    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(dialog.calendar()->isVisible());
        QCOMPARE(dialog.calendar()->selectedDate(), QDate(2026, 12, 6));
        QVERIFY(dialog.calendar()->hasFocus() ||
                dialog.calendar()->isAncestorOf(QApplication::focusWidget()));
        emit dialog.calendar()->activated(QDate(2003, 12, 25));
    });
    QTest::mouseClick(dialog.calendarButton(), Qt::LeftButton);
    QTRY_VERIFY(!dialog.calendar()->isVisible());
    QCOMPARE(dialog.day(), QDate(2003, 12, 25));
    QCOMPARE(dialog.focusWidget(), dialog.field()); // where the keys go once it is back
}

QTEST_MAIN(TestGoToDate)
#include "tst_go_to_date.moc"
