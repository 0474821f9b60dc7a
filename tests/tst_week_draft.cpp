// The draft of the week being typed: written whole or not at all, read back as written, and
// never trusted further than it can be read.
#include "odd_files.h"
#include "schedule/week_draft.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestWeekDraft : public QObject
{
    Q_OBJECT
private slots:
    void theNewestDraftIsWrittenAndReadBack();
    void whatIsNoDraftIsSaidSo_data();
    void whatIsNoDraftIsSaidSo();
};

void TestWeekDraft::theNewestDraftIsWrittenAndReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"dbCalendar.mdb.draft"_s);
    WeekTexts texts;
    texts[1] = u"Monday\u2029second line"_s;
    {
        DraftKeeper keeper(path);
        keeper.keep(QDate(2026, 12, 6), texts);
        texts[7] = u"notes"_s;
        keeper.keep(QDate(2026, 12, 6), texts);
        keeper.waitUntilWritten();
        QString error;
        const auto draft = WeekDraft::read(path, &error);
        QVERIFY2(draft, qPrintable(error));
        QCOMPARE(draft->firstDay, QDate(2026, 12, 6));
        QCOMPARE(draft->record, encodeWeekRecord(texts)); // the newest, line breaks as CR LF
        keeper.discard();
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList()); // no temporary file left
}

void TestWeekDraft::whatIsNoDraftIsSaidSo_data()
{
    QTest::addColumn<QByteArray>("content"); // "-fifo" for a pipe of that name
    QTest::addColumn<QString>("error");
    QTest::newRow("another file") << "Dear diary"_ba << u"it is not an Orvanta draft"_s;
    QTest::newRow("a draft without its day")
        << "Orvanta draft 1\n||MySeparator123||"_ba << u"it is not an Orvanta draft"_s;
    QTest::newRow("a FIFO, which nobody writes") << "-fifo"_ba << u"it is not a file"_s;
}

void TestWeekDraft::whatIsNoDraftIsSaidSo()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"dbCalendar.mdb.draft"_s);
    if (content == "-fifo") {
        QVERIFY(makeOddFile(u"fifo"_s, path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString why;
    QVERIFY(!WeekDraft::read(path, &why));
    QCOMPARE(why, error);
    QVERIFY(!WeekDraft::read(dir.filePath(u"none"_s), &why)); // no draft: nothing to say
}

QTEST_GUILESS_MAIN(TestWeekDraft)
#include "tst_week_draft.moc"
