// "Import weeks…" in the window, through its seams: the file asked for, the shown week saved
// first, the import on its thread with the window taking no typing meanwhile, the shown week
// loaded again, and one message.
#include "desktop/alerts.h"
#include "english_texts.h"
#include "desktop/clock.h"
#include "main_window/week_importing.h"
#include "odd_files.h"
#include "other_connection.h"
#include "schedule/calendar_files.h"

#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
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

// Counts the paint events that reach a widget.
class PaintCounter : public QObject
{
public:
    PaintCounter(QWidget *widget, int &count) : m_count(count) { widget->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_count += event->type() == QEvent::Paint;
        return false;
    }

private:
    int &m_count;
};

} // namespace

class TestWeekImporting : public QObject
{
    Q_OBJECT
private slots:
    void importWeeks_data();
    void importWeeks();
    void stoppedWhileRunning_data();
    void stoppedWhileRunning();
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
    int painted = 0; // the window still draws itself
    PaintCounter counter(box->viewport(), painted);
    connect(&importing, &WeekImporting::started, this, [&] {
        QProgressDialog *dialog = importing.progressDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->parentWidget(), &window);
        QCOMPARE(dialog->labelText(), u"Importing the weeks of %1…"_s.arg(file));
        QCOMPARE(dialog->windowTitle(), u"Orvanta"_s);
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(dialog->minimumDuration(), 500);
        QVERIFY(!dialog->autoClose() && !dialog->autoReset()); // not gone at its first value
        importing.importWeeks(); // one import at a time: not asked again
        QTest::keyClick(box, Qt::Key_X);
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        typedWhileRunning = !box->toPlainText().isEmpty() || saveKeys > 0;
        closedWhileRunning = window.close();
        box->viewport()->repaint();
        if (cancel) { // as once the dialog shows
            dialog->show();
            QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        }
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
    QCOMPARE(painted > 0, ran);
    QCOMPARE(alerts.messages, told.isEmpty() ? QStringList() : QStringList{told.arg(folder.path())});
    const QString merged = u"mine\r\n— imported from other.mdb (2026-12-07) —\r\ntheirs"_s +
                           S.repeated(8);
    QCOMPARE(steps.mid(1), changed ? QStringList{u"reload "_s + merged} : QStringList());
    QCOMPARE(OtherConnection(database).rows().size(), changed ? 2 : 1);
    QVERIFY(!importing.progressDialog());
    // Typing and keys work again.
    window.activateWindow(); // the dialog may have been shown
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(box, Qt::Key_Y);
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(box->toPlainText(), u"y"_s);
    QCOMPARE(saveKeys, 1);
}

void TestWeekImporting::stoppedWhileRunning_data()
{
    QTest::addColumn<bool>("closing"); // the window closes; otherwise the room itself goes
    QTest::newRow("the window closes") << true;
    QTest::newRow("the room goes") << false;
}

void TestWeekImporting::stoppedWhileRunning()
{
    QFETCH(bool, closing);
    QTemporaryDir folder;
    const QString database = folder.filePath(u"dbCalendar.mdb"_s);
    QVERIFY(createEmptyCalendarDatabase(database));
    QVERIFY(OtherConnection(database).exec(u"INSERT INTO tblCalendar VALUES (?, ?)"_s,
                                           {u"2004-01-04"_s, u"mine"_s + S.repeated(8)}));
    // The earlier program's file, whose reader waits on a pipe that nobody writes.
    const QString old = folder.filePath(u"old.mdb"_s);
    QVERIFY(QFile::copy(QStringLiteral(ORVANTA_JET_FIXTURES "/calendar-jet4.mdb"), old));
    QVERIFY(makeOddFile(u"fifo"_s, folder.filePath(u"rows"_s)));
    const QString reader = folder.filePath(u"reader.sh"_s);
    {
        QFile script(reader);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nexec cat \"$(dirname \"$0\")/rows\"\n");
        script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    QFile file(database);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();

    QWidget window;
    auto *box = new QPlainTextEdit(&window);
    FixedClock clock;
    RecordingAlerts alerts;
    int reloads = 0;
    auto *importing = new WeekImporting({&window, database, &clock, &alerts, [] { return true; },
                                         [&] { ++reloads; }, reader});
    importing->setChooseFile([&](QWidget *) { return old; });
    importing->cancelAndWait(); // nothing under way: nothing to stop
    QSignalSpy finished(importing, &WeekImporting::finished);
    importing->importWeeks();
    QVERIFY(importing->isRunning());
    if (closing) {
        importing->cancelAndWait();
        QVERIFY(!importing->isRunning());
        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.first().first().value<WeekImport::Result>().cancelled);
    } else {
        delete importing; // told nothing, loads nothing
        importing = nullptr;
    }
    QCoreApplication::processEvents(); // what the thread's end queued
    QCOMPARE(finished.count(), closing ? 1 : 0);
    QCOMPARE(alerts.messages, QStringList());
    QCOMPARE(reloads, 0);
    QVERIFY(file.seek(0));
    QCOMPARE(file.readAll(), before);
    QTest::keyClick(box, Qt::Key_Y); // the window takes typing again
    QCOMPARE(box->toPlainText(), u"y"_s);
    delete importing;
}

QTEST_MAIN(TestWeekImporting)
#include "tst_week_importing.moc"
