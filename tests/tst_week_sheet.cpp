// A week on paper: printed to a PDF and read back by poppler, every heading and every character
// of every text comes through in order; a page that goes on with a text starts with its heading
// marked "(continued)"; every page's foot names the week and says "page N of M". The print
// preview shows the same pages of the week on screen.
#include "controls/month_view.h"
#include "main_window/week_page.h"
#include "main_window/week_printing.h"
#include "print/week_sheet.h"
#include "printed_text.h"
#include "schedule/calendar_connection.h"

#include <algorithm>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QPageRanges>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestWeekSheet : public QObject
{
    Q_OBJECT
private slots:
    void printsEveryWordUnderItsHeading_data();
    void printsEveryWordUnderItsHeading();
    void aHeadingNeverEndsAPage();
    void printsOnlyTheChosenPages();
    void keepsToThePage_data();
    void keepsToThePage();
    void printsNoPageWhereItCannot_data();
    void printsNoPageWhereItCannot();
    void previewShowsTheWeekOnScreen();
    void previewDialogShowsThePages();
    void printingWithoutItsModuleIsTold_data();
    void printingWithoutItsModuleIsTold();
};

namespace {

const QDate kSunday(2026, 12, 6);

WeekSheet sheet(const WeekTexts &texts)
{
    WeekSheet week;
    const QLocale british(QLocale::English, QLocale::UnitedKingdom);
    week.title = WeekSheet::titleOf(kSunday, british);
    week.week = WeekSheet::weekOf(kSunday, british);
    for (int day = 0; day < 7; ++day)
        week.headings[day] = british.toString(kSunday.addDays(day), QLocale::LongFormat);
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

struct Printed
{
    int pageCount = 0; // what print() says
    QString pdf;
};

Printed print(const WeekSheet &week, const QTemporaryDir &dir, const QPageRanges &ranges = {})
{
    Printed printed{0, dir.filePath(u"week.pdf"_s)};
    QPdfWriter writer(printed.pdf);
    writer.setPageRanges(ranges);
    printed.pageCount = week.print(QFont(u"Arial"_s, 9), &writer);
    return printed;
}

// The printed pages' text as a reader takes it in: without the headings repeated at the top of a
// page, and the texts whose headings were so repeated, a page each. Fails where a page starts
// with anything but the next heading or the repeated heading of the text the page before ended
// in, where that page ended with the heading itself, or where "(continued)" is found elsewhere.
struct ReadBack
{
    QString text;
    QList<int> continued;
};

ReadBack readBack(const QStringList &pages, const WeekSheet &week)
{
    ReadBack back;
    int next = 0; // the text whose heading is still to come
    QString lastLine;
    for (qsizetype page = 0; page < pages.size(); ++page) {
        QStringList lines;
        for (const QString &line : pages[page].split(u'\n'))
            if (!line.trimmed().isEmpty())
                lines.append(line.trimmed());
        if (page > 0 && (next == kWeekFieldCount || lines.first() != week.headings[next])) {
            const int box = next - 1;
            if (lines.first() != WeekSheet::continuedOf(week.headings[box]) ||
                lastLine == week.headings[box]) {
                QTest::qFail(
                    qPrintable(u"page %1 starts with \"%2\" after \"%3\""_s.arg(page + 1).arg(
                        lines.first(), lastLine)),
                    __FILE__, __LINE__);
                return {};
            }
            back.continued.append(box);
            lines.removeFirst();
        }
        for (const QString &line : std::as_const(lines)) {
            if (line.contains(u"(continued)"_s)) {
                QTest::qFail(qPrintable(u"\"%1\" within page %2"_s.arg(line).arg(page + 1)),
                             __FILE__, __LINE__);
                return {};
            }
            if (next < kWeekFieldCount && line == week.headings[next])
                ++next;
        }
        lastLine = lines.isEmpty() ? QString() : lines.last();
        back.text += lines.join(u'\n') + u'\n';
    }
    return back;
}

QString wholeWeek(const WeekSheet &week)
{
    QString text = week.title;
    for (int box = 0; box < kWeekFieldCount; ++box)
        text += week.headings[box] + week.texts[box];
    return text;
}

// The words on each page as pdftotext places them, in millimetres from the paper's top left.
struct Paper
{
    QSizeF size;
    QList<QRectF> words; // in reading order
};

QList<Paper> printedWords(const QString &pdf)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
        return {};
    static const QRegularExpression tag(
        uR"re(<page width="([\d.]+)" height="([\d.]+)"|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        uR"re(xMax="([\d.]+)" yMax="([\d.]+)")re"_s);
    const auto mm = [](const QString &points) { return points.toDouble() * 25.4 / 72; };
    QList<Paper> pages;
    for (const QRegularExpressionMatch &match :
         tag.globalMatch(QString::fromUtf8(pdftotext.readAllStandardOutput()))) {
        if (match.hasCaptured(1))
            pages.append({{mm(match.captured(1)), mm(match.captured(2))}, {}});
        else
            pages.last().words.append(
                QRectF(QPointF(mm(match.captured(3)), mm(match.captured(4))),
                       QPointF(mm(match.captured(5)), mm(match.captured(6)))));
    }
    return pages;
}

WeekPage::Controls controlsOn(QWidget &window)
{
    WeekPage::Controls controls{new MonthView(&window), {}, {}};
    for (int box = 0; box < kWeekFieldCount; ++box) {
        controls.headings[box] = new QLabel(&window);
        controls.boxes[box] = new QPlainTextEdit(&window);
    }
    return controls;
}

// What printing takes the week from: the window's headings and boxes.
struct ShownWeek
{
    QWidget window;
    WeekPage::Controls controls = controlsOn(window);
    CalendarConnection connection;
    WeekPage page{controls, connection, {}};
};

} // namespace

void TestWeekSheet::printsEveryWordUnderItsHeading_data()
{
    QTest::addColumn<WeekTexts>("texts");
    QTest::addColumn<int>("minimumPages");
    QTest::addColumn<QList<int>>("continues"); // the texts that go on over a page, in order
    QTest::newRow("an ordinary week") << WeekTexts{{u"Dentist 9:00\nthen shopping"_s,
                                                    u"Café with Ann"_s,
                                                    {},
                                                    {},
                                                    u"Ζ, Ж"_s,
                                                    {},
                                                    u"party"_s,
                                                    u"pay the rent"_s}}
                                      << 1 << QList<int>{};
    QTest::newRow("an empty week keeps its headings") << WeekTexts{} << 1 << QList<int>{};
    QTest::newRow("a 100,000-character day runs over pages")
        << WeekTexts{{{}, {}, manyWords(100000), {}, {}, {}, u"after it"_s, u"notes"_s}} << 10
        << QList<int>{2};
    QTest::newRow("long notes go on under their heading")
        << WeekTexts{{u"Sunday"_s, {}, {}, {}, {}, {}, {}, manyWords(20000)}} << 2
        << QList<int>{kNotesField};
    QTest::newRow("two long days, each continued")
        << WeekTexts{{manyWords(15000), {}, {}, {}, manyWords(15000), {}, {}, {}}} << 3
        << QList<int>{0, 4};
    QTest::newRow("a word wider than the page breaks, not cut")
        << WeekTexts{{QString(600, u'x') + u"END"_s, {}, {}, {}, {}, {}, {}, {}}} << 1
        << QList<int>{};
}

void TestWeekSheet::printsEveryWordUnderItsHeading()
{
    QFETCH(WeekTexts, texts);
    QFETCH(int, minimumPages);
    QFETCH(QList<int>, continues);
    QTemporaryDir dir;
    const WeekSheet week = sheet(texts);
    const Printed printed = print(week, dir);
    QStringList feet;
    const QStringList pages = printedPages(printed.pdf, &feet);
    QVERIFY(pages.size() >= minimumPages);
    QCOMPARE(printed.pageCount, pages.size());
    QCOMPARE(feet.last(), u"Week of Sunday, 6 December 2026 · page %1 of %1"_s.arg(pages.size()));
    for (qsizetype page = 0; page < pages.size(); ++page)
        QCOMPARE(feet[page], WeekSheet::footOf(week.week, page + 1, pages.size()));

    const ReadBack back = readBack(pages, week);
    QList<int> continued = back.continued;
    continued.erase(std::unique(continued.begin(), continued.end()), continued.end());
    QCOMPARE(continued, continues);
    QCOMPARE(withoutSpaces(back.text), withoutSpaces(wholeWeek(week)));
}

// Monday's heading moves down Sunday's page, one line of Sunday's text at a time, until it is on
// the next page: it never stands at the foot of a page with its text on the next.
void TestWeekSheet::aHeadingNeverEndsAPage()
{
    QTemporaryDir dir;
    WeekSheet week = sheet({});
    week.texts[1] = u"first of Monday\nsecond of Monday"_s;
    for (int lines = 40; lines < 200; ++lines) {
        week.texts[0].clear();
        for (int line = 0; line < lines; ++line)
            week.texts[0] += u"Sunday line %1\n"_s.arg(line);
        const QStringList pages = printedPages(print(week, dir).pdf);
        const ReadBack back = readBack(pages, week);
        QCOMPARE(withoutSpaces(back.text), withoutSpaces(wholeWeek(week)));
        if (pages.size() > 1 && pages[1].trimmed().section(u'\n', 0, 0) == week.headings[1]) {
            QVERIFY2(back.continued.isEmpty(), qPrintable(pages[1]));
            return;
        }
    }
    QFAIL("Monday's heading never reached the second page");
}

// The print dialog's "Pages from 2 to 3": those pages as they are in the whole sheet.
void TestWeekSheet::printsOnlyTheChosenPages()
{
    QTemporaryDir dir;
    const WeekSheet week = sheet({{{}, {}, manyWords(100000), {}, {}, {}, {}, {}}});
    QPageRanges ranges;
    ranges.addRange(2, 3);
    const Printed printed = print(week, dir, ranges);
    const QStringList pages = pdfPages(printed.pdf);
    QCOMPARE(pages.size(), 2);
    for (int page = 0; page < 2; ++page) {
        const QStringList lines = pages[page].trimmed().split(u'\n');
        QCOMPARE(lines.first(), WeekSheet::continuedOf(week.headings[2]));
        QCOMPARE(lines.last(), WeekSheet::footOf(week.week, page + 2, printed.pageCount));
    }
}

void TestWeekSheet::keepsToThePage_data()
{
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    QTest::addColumn<qreal>("printerMargin"); // mm, the device's own
    QTest::addColumn<qreal>("margin");        // mm, where the sheet must keep to
    QTest::newRow("A4 with no margins of its own") << QPageSize::A4 << 0.0 << 20.0;
    QTest::newRow("Letter with 3 cm margins") << QPageSize::Letter << 30.0 << 30.0;
    QTest::newRow("A6 with 5 mm margins: title and foot on two lines")
        << QPageSize::A6 << 5.0 << 20.0;
}

// The text starts at the margin, top and left, and keeps within it on the right and at the foot,
// which is centred at the bottom; no word is printed over another, and lines are the font's line
// spacing apart; the title is half as big again as the text, headings bold.
void TestWeekSheet::keepsToThePage()
{
    QFETCH(QPageSize::PageSizeId, paper);
    QFETCH(qreal, printerMargin);
    QFETCH(qreal, margin);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"week.pdf"_s);
    qreal lineSpacing = 0; // mm
    {
        QPdfWriter writer(pdf);
        lineSpacing =
            QFontMetricsF(QFont(u"Arial"_s, 9), &writer).lineSpacing() / writer.resolution() * 25.4;
        writer.setPageSize(QPageSize(paper));
        writer.setPageMargins(QMarginsF(printerMargin, printerMargin, printerMargin, printerMargin),
                              QPageLayout::Millimeter);
        sheet({{QString(600, u'x'), {}, manyWords(6000), {}, {}, {}, {}, {}}})
            .print(QFont(u"Arial"_s, 9), &writer);
    }
    const QList<Paper> pages = printedWords(pdf);
    QCOMPARE_GE(pages.size(), 2);
    for (const Paper &page : pages) {
        QRectF inked;
        for (const QRectF &word : page.words)
            inked |= word;
        QCOMPARE_LT(qAbs(inked.left() - margin), 0.2);
        QCOMPARE_LT(qAbs(inked.top() - margin), 0.2);
        QCOMPARE_LE(inked.right(), page.size.width() - margin + 0.2);
        QCOMPARE_LE(inked.bottom(), page.size.height() - margin + 0.2);
        QCOMPARE_GE(inked.bottom(), page.size.height() - margin - 1);
        QRectF foot;
        for (const QRectF &word : page.words)
            if (word.top() == page.words.last().top())
                foot |= word;
        QCOMPARE_LT(qAbs(foot.center().x() - page.size.width() / 2), 0.2);
        QList<qreal> tops;
        for (qsizetype i = 0; i < page.words.size(); ++i) {
            for (qsizetype j = i + 1; j < page.words.size(); ++j) {
                const QRectF over = page.words[i] & page.words[j];
                QVERIFY(over.width() < 0.05 || over.height() < 0.05);
            }
            tops.append(page.words[i].top());
        }
        std::sort(tops.begin(), tops.end());
        qreal step = page.size.height();
        for (qsizetype i = 1; i < tops.size(); ++i)
            if (tops[i] - tops[i - 1] > 0.01)
                step = qMin(step, tops[i] - tops[i - 1]);
        QCOMPARE_LT(qAbs(step - lineSpacing), 0.02);
    }
    const QRectF title = pages.first().words.first();
    const QRectF text = pages.first().words.last();
    QCOMPARE_LT(qAbs(title.height() / text.height() - 1.5), 0.05);
    QProcess pdffonts;
    pdffonts.start(u"pdffonts"_s, {pdf});
    QVERIFY(pdffonts.waitForFinished(60000));
    QVERIFY(pdffonts.readAllStandardOutput().contains("Bold"));
}

void TestWeekSheet::printsNoPageWhereItCannot_data()
{
    QTest::addColumn<QSizeF>("paper"); // mm
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pages");
    QTest::newRow("paper no bigger than the margins") << QSizeF(40, 40) << u"week.pdf"_s << 0;
    QTest::newRow("a file that cannot be written") << QSizeF(210, 297) << u"gone/week.pdf"_s << 0;
    QTest::newRow("paper with no room for a line: a page each") // and no endless pages
        << QSizeF(45, 45) << u"week.pdf"_s << 1 + 2 * kWeekFieldCount;
}

void TestWeekSheet::printsNoPageWhereItCannot()
{
    QFETCH(QSizeF, paper);
    QFETCH(QString, file);
    QFETCH(int, pages);
    QTemporaryDir dir;
    if (file.contains(u'/'))
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QPdfWriter writer(dir.filePath(file));
    writer.setPageSize(QPageSize(paper, QPageSize::Millimeter));
    QCOMPARE(sheet({}).print(QFont(u"Arial"_s, 9), &writer), pages);
}

// The preview shows the week as on screen, typing not saved included, with the dates as the
// user's locale writes them. One dialog at a time: neither a preview nor the print dialog opens
// while the other is open, and either opens again once it is closed.
void TestWeekSheet::previewShowsTheWeekOnScreen()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto backToC = qScopeGuard([] { QLocale::setDefault(QLocale::c()); });
    ShownWeek shown;
    WeekPrinting printing(shown.window, shown.page, shown.controls.headings);
    printing.setModulePath(u"" ORVANTA_PRINT_MODULE ""_s);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"preview.pdf"_s);
    QStringList opened; // each dialog with the printer's document name
    printing.setShowPreview(
        [&](QPrinter &printer, const WeekPrinting::PaintPages &paint, QWidget *parent) {
            opened.append(u"preview of "_s + printer.docName());
            QCOMPARE(parent, &shown.window);
            printing.preview();
            printing.print();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            paint(&printer);
        });
    printing.setChoosePrinter([&](QPrinter &printer, QWidget *) {
        opened.append(u"print of "_s + printer.docName());
        printing.preview();
        printing.print();
        return false;
    });
    printing.preview();
    printing.print();
    QCOMPARE(opened, QStringList()); // no week shown yet

    shown.page.SelectWeek(kSunday.addDays(3));
    shown.controls.boxes[2]->setPlainText(u"typed, not saved\nsecond line"_s);
    printing.preview();
    printing.print();
    printing.preview();
    const QString name = u"Orvanta week 2026-12-06"_s;
    QCOMPARE(opened, QStringList({u"preview of "_s + name, u"print of "_s + name,
                                  u"preview of "_s + name}));
    QStringList feet;
    const QString printed = withoutSpaces(printedPages(pdf, &feet).join(QString()));
    QCOMPARE(feet, QStringList(u"Week of Sonntag, 6. Dezember 2026 · page 1 of 1"_s));
    QString expected = u"Sonntag, 6. Dezember 2026 – Samstag, 12. Dezember 2026"_s;
    for (int box = 0; box < kWeekFieldCount; ++box)
        expected += shown.controls.headings[box]->text() + shown.controls.boxes[box]->toPlainText();
    QVERIFY(expected.contains(u"Dienstag, 8. Dezember 2026typed, not saved"_s));
    QCOMPARE(printed, withoutSpaces(expected));
}

// Qt's preview dialog, named, big enough to read, showing the pages.
void TestWeekSheet::previewDialogShowsThePages()
{
    ShownWeek shown;
    WeekPrinting printing(shown.window, shown.page, shown.controls.headings);
    printing.setModulePath(u"" ORVANTA_PRINT_MODULE ""_s);
    shown.page.SelectWeek(kSunday);
    QString title;
    QSize size;
    int pages = 0;
    // Runs once the dialog does; `during` takes it away with the test should no dialog run.
    QObject during;
    QTimer::singleShot(0, &during, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QPrintPreviewDialog *>(modal)) {
            title = dialog->windowTitle();
            size = dialog->size();
            pages = dialog->findChild<QPrintPreviewWidget *>()->pageCount();
        }
        if (modal)
            modal->close();
    });
    printing.preview();
    QCOMPARE(title, u"Print Preview"_s);
    QCOMPARE(size, shown.window.screen()->availableSize() * 3 / 4);
    QCOMPARE(pages, 1);
}

// A module that is missing, no library, or not Orvanta's: each print and each preview says so,
// naming the module, and opens no dialog; the window goes on.
void TestWeekSheet::printingWithoutItsModuleIsTold_data()
{
    QTest::addColumn<QString>("module");
    QTest::addColumn<QByteArray>("content"); // of a file made there first; none where null
    QTest::addColumn<QString>("why");
    QTest::newRow("missing") << u"orvanta-print.so"_s << QByteArray() << u"it is not there"_s;
    QTest::newRow("not a library")
        << u"orvanta-print.so"_s << QByteArray("not a library") << u"file too short"_s;
    QTest::newRow("another library") << u"" ORVANTA_NO_PRINT_MODULE ""_s << QByteArray()
                                     << u"it is not Orvanta's printing module"_s;
}

void TestWeekSheet::printingWithoutItsModuleIsTold()
{
    QFETCH(QString, module);
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    QTemporaryDir dir;
    if (!QFileInfo(module).isAbsolute())
        module = dir.filePath(module);
    if (!content.isNull()) {
        QFile notALibrary(module);
        QVERIFY(notALibrary.open(QIODevice::WriteOnly));
        notALibrary.write(content);
    }
    ShownWeek shown;
    WeekPrinting printing(shown.window, shown.page, shown.controls.headings);
    printing.setModulePath(module);
    QStringList told;
    printing.setTellError([&](const QString &text) { told.append(text); });
    int dialogs = 0;
    printing.setChoosePrinter([&](QPrinter &, QWidget *) { return ++dialogs, false; });
    printing.setShowPreview([&](QPrinter &, const WeekPrinting::PaintPages &, QWidget *) { ++dialogs; });
    shown.page.SelectWeek(kSunday);
    printing.print();
    printing.preview();
    printing.print();
    QCOMPARE(dialogs, 0);
    QCOMPARE(told.size(), 3);
    for (const QString &text : std::as_const(told)) {
        QVERIFY2(text.startsWith(u"Orvanta cannot print: its printing module "_s +
                                 QDir::toNativeSeparators(module) + u" cannot be used: "_s),
                 qPrintable(text));
        QVERIFY2(text.contains(why), qPrintable(text));
    }
}

QTEST_MAIN(TestWeekSheet)
#include "tst_week_sheet.moc"
