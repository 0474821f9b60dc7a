// A week on paper: printed to a PDF and read back by poppler, every heading and every character
// of every text comes through in order, on as many numbered pages as it takes.
#include "print/week_sheet.h"
#include "printed_text.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace Qt::StringLiterals;

class TestWeekSheet : public QObject
{
    Q_OBJECT
private slots:
    void printsEveryWord_data();
    void printsEveryWord();
};

namespace {

WeekSheet sheet(const WeekTexts &texts)
{
    WeekSheet week;
    const QDate sunday(2026, 12, 6);
    week.title = WeekSheet::titleOf(sunday, QLocale(QLocale::English, QLocale::UnitedKingdom));
    for (int day = 0; day < 7; ++day)
        week.headings[day] = QLocale::c().toString(sunday.addDays(day), QLocale::LongFormat);
    week.headings[kNotesField] = kNotesHeading;
    week.texts = texts;
    return week;
}

// Numbered words in several scripts, so that a line lost anywhere shows.
QString manyWords(int characters)
{
    QString text;
    for (int i = 0; text.size() < characters; ++i)
        text += u"word%1 Слово%1 λέξη%1%2"_s.arg(i).arg(i % 12 == 11 ? u'\n' : u' ');
    return text;
}

} // namespace

void TestWeekSheet::printsEveryWord_data()
{
    QTest::addColumn<WeekTexts>("texts");
    QTest::addColumn<int>("minimumPages");
    QTest::newRow("an ordinary week") << WeekTexts{{u"Dentist 9:00\nthen shopping"_s,
                                                    u"Café with Ann"_s,
                                                    {},
                                                    {},
                                                    u"Ζ, Ж"_s,
                                                    {},
                                                    u"party"_s,
                                                    u"pay the rent"_s}}
                                      << 1;
    QTest::newRow("an empty week keeps its headings") << WeekTexts{} << 1;
    QTest::newRow("a 100,000-character day runs over pages")
        << WeekTexts{{{}, {}, manyWords(100000), {}, {}, {}, u"after it"_s, u"notes"_s}} << 10;
    QTest::newRow("a word wider than the page breaks, not cut")
        << WeekTexts{{QString(600, u'x') + u"END"_s, {}, {}, {}, {}, {}, {}, {}}} << 1;
}

void TestWeekSheet::printsEveryWord()
{
    QFETCH(WeekTexts, texts);
    QFETCH(int, minimumPages);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"week.pdf"_s);
    const WeekSheet week = sheet(texts);
    {
        QPdfWriter writer(pdf);
        week.print(QFont(u"Arial"_s, 9), &writer);
    }
    const QStringList pages = printedPages(pdf);
    QVERIFY(pages.size() >= minimumPages);
    QString expected = week.title;
    for (int box = 0; box < kWeekFieldCount; ++box)
        expected += week.headings[box] + texts[box];
    QCOMPARE(withoutSpaces(pages.join(QString())), withoutSpaces(expected));
}

QTEST_MAIN(TestWeekSheet)
#include "tst_week_sheet.moc"
