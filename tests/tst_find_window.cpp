// The find window as people read it (and as a screen reader reads it): each result headed by its
// own day's date, in the user's language.
#include "find_window/find_window.h"
#include "schedule/calendar_files.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFindWindow : public QObject
{
    Q_OBJECT
private slots:
    void resultsNameTheirOwnDay_data();
    void resultsNameTheirOwnDay();
};

void TestFindWindow::resultsNameTheirOwnDay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("expected"); // newest week first, then by box

    QTest::newRow("English") << u"en_GB"_s
                             << QStringList{u"Thursday, 25 December 2003: dentist at nine"_s,
                                            u"Notes, week of Sunday, 21 December 2003: dentist "
                                            u"bill"_s,
                                            u"Saturday, 6 December 2003: dentist"_s};
    QTest::newRow("German") << u"de_DE"_s
                            << QStringList{u"Donnerstag, 25. Dezember 2003: dentist at nine"_s,
                                           u"Notes, week of Sonntag, 21. Dezember 2003: dentist "
                                           u"bill"_s,
                                           u"Samstag, 6. Dezember 2003: dentist"_s};
}

void TestFindWindow::resultsNameTheirOwnDay()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, expected);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });

    QTemporaryDir folder;
    const QString path = folder.filePath(u"dbCalendar.mdb"_s);
    QVERIFY(createEmptyCalendarDatabase(path));
    {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"fill"_s);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        const QString s = u"||MySeparator123||"_s;
        QSqlQuery insert(db);
        QVERIFY(insert.prepare(u"INSERT INTO tblCalendar VALUES (?, ?)"_s));
        // Thursday is the week's fifth box; the week of 30 November has Saturday's text only.
        insert.addBindValue(QVariantList{u"2003-12-21"_s, u"2003-11-30"_s});
        insert.addBindValue(
            QVariantList{s + s + s + s + u"dentist at nine"_s + s + s + s + u"dentist bill"_s + s,
                         s + s + s + s + s + s + u"dentist"_s + s + s});
        QVERIFY(insert.execBatch());
        db.close();
    }
    QSqlDatabase::removeDatabase(u"fill"_s);

    QWidget main;
    FindWindow window(path, {}, &main);
    window.open(main);
    QTest::keyClicks(window.queryField(), u"dentist"_s);
    QTRY_COMPARE(window.resultList()->count(), expected.size());
    QTRY_VERIFY(!window.countLabel()->text().contains(u"so far"_s));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(window.resultList());
    QVERIFY(list);
    for (int row = 0; row < expected.size(); ++row) {
        QCOMPARE(window.resultList()->item(row)->text(), expected[row]);
        QAccessibleInterface *item = list->child(row);
        QVERIFY(item);
        QCOMPARE(item->text(QAccessible::Name), expected[row]);
    }
}

QTEST_MAIN(TestFindWindow)
#include "tst_find_window.moc"
