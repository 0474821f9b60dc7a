// "Import weeks…" in the window, through its seams: the file asked for, the shown week saved
// first, the import on its thread with the window taking no typing meanwhile, the shown week
// loaded again, and one message.
#include "desktop/alerts.h"
#include "desktop/clock.h"
#include "main_window/week_importing.h"
#include "other_connection.h"
#include "schedule/calendar_files.h"

#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using Rows = QList<QStringList>; // {StartWeekDate, WeekData}

namespace {

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return {QDate(2026, 12, 7), QTime(10, 0)}; }
};

class RecordingAlerts final : public Alerts
{
public:
    void information(const QString &text) override { messages.append(u"information: "_s + text); }
    void warning(const QString &text) override { messages.append(u"warning: "_s + text); }
    void error(const QString &text) override { messages.append(u"error: "_s + text); }
    bool question(const QString &) override { return false; }
    QStringList messages;
};

const QString S = u"||MySeparator123||"_s;

} // namespace

class TestWeekImporting : public QObject
{
    Q_OBJECT
private slots:
    void importWeeks_data();
    void importWeeks();
};

void TestWeekImporting::importWeeks_data()
{
    QTest::addColumn<QString>("file"); // what the user chooses; empty: the dialog cancelled
    QTest::addColumn<bool>("saved");   // whether the shown week could be saved
    QTest::addColumn<bool>("cancel");  // in the progress dialog
    QTest::addColumn<QString>("told"); // %1: the folder
    QTest::addColumn<bool>("changed");

    QTest::newRow("weeks came, one merged")
        << "other.mdb" << true << false
        << "information: 1 week came from other.mdb; 1 week held text in both and now holds "
           "both: the week of 4 January 2004."
        << true;
    QTest::newRow("the file dialog cancelled") << "" << true << false << "" << false;
    QTest::newRow("the shown week not saved") << "other.mdb" << false << false << "" << false;
    QTest::newRow("cancelled in the progress dialog")
        << "other.mdb" << true << true
        << "information: The import was cancelled. Nothing was changed." << false;
    QTest::newRow("a file that is no database")
        << "notes.txt" << true << false
        << "error: The weeks of notes.txt were not imported. %1/notes.txt is neither a database "
           "of Orvanta's nor one of the earlier Windows program. Nothing was changed."
        << false;
}

void TestWeekImporting::importWeeks()
{
    QFETCH(QString, file);
    QFETCH(bool, saved);
    QFETCH(bool, cancel);
    QFETCH(QString, told);
    QFETCH(bool, changed);
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    const QString other = folder.filePath(u"other.mdb"_s);
    const auto make = [](const QString &path, const Rows &rows) {
        QVERIFY(createEmptyCalendarDatabase(path));
        for (const QStringList &row : rows)
            QVERIFY(OtherConnection(path).exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
                                               {row[0], row[1]}));
    };
    make(database, {{u"2004-01-04"_s, u"mine"_s + S.repeated(8)}});
    make(other, {{u"2004-01-04"_s, u"theirs"_s + S.repeated(8)},
                 {u"2004-01-11"_s, u"new"_s + S.repeated(8)}});
    QFile(folder.filePath(u"notes.txt"_s)).open(QIODevice::WriteOnly);

    QWidget window;
    auto *box = new QPlainTextEdit(&window);
    (new QVBoxLayout(&window))->addWidget(box);
    int saveKeys = 0; // a key of the window's own
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &window), &QShortcut::activated,
            this, [&] { ++saveKeys; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    FixedClock clock;
    RecordingAlerts alerts;
    QStringList steps;
    WeekImporting importing({&window, database, &clock, &alerts,
                             [&] {
                                 steps.append(u"save"_s);
                                 return saved;
                             },
                             [&] {
                                 // What the window loads again is what was imported.
                                 steps.append(u"reload "_s +
                                              OtherConnection(database).weekData(u"2004-01-04"_s));
                             }});
    int asked = 0;
    importing.setChooseFile([&](QWidget *parent) {
        ++asked;
        return parent == &window && !file.isEmpty() ? folder.filePath(file) : QString();
    });
    QSignalSpy finished(&importing, &WeekImporting::finished);
    bool typedWhileRunning = false;
    bool closedWhileRunning = false;
    connect(&importing, &WeekImporting::started, this, [&] {
        QVERIFY(importing.progressDialog());
        QCOMPARE(importing.progressDialog()->parentWidget(), &window);
        importing.importWeeks(); // one import at a time: not asked again
        QTest::keyClick(box, Qt::Key_X);
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        typedWhileRunning = !box->toPlainText().isEmpty() || saveKeys > 0;
        closedWhileRunning = window.close();
        if (cancel)
            emit importing.progressDialog()->canceled();
    });

    importing.importWeeks();
    const bool ran = !file.isEmpty() && saved;
    if (ran)
        QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(asked, 1);
    QCOMPARE(steps.value(0), file.isEmpty() ? QString() : u"save"_s);
    QVERIFY(!typedWhileRunning);
    QVERIFY(!closedWhileRunning);
    QVERIFY(window.isVisible());
    QCOMPARE(alerts.messages, told.isEmpty() ? QStringList() : QStringList{told.arg(folder.path())});
    const QString merged = u"mine\r\n— imported from other.mdb (2026-12-07) —\r\ntheirs"_s +
                           S.repeated(8);
    QCOMPARE(steps.mid(1), changed ? QStringList{u"reload "_s + merged} : QStringList());
    QCOMPARE(OtherConnection(database).rows().size(), changed ? 2 : 1);
    QVERIFY(!importing.progressDialog());
    // Typing and keys work again.
    QTest::keyClick(box, Qt::Key_Y);
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(box->toPlainText(), u"y"_s);
    QCOMPARE(saveKeys, 1);
}

QTEST_MAIN(TestWeekImporting)
#include "tst_week_importing.moc"
