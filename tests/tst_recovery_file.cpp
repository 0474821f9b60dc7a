#include "schedule/recovery_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRecoveryFile : public QObject
{
    Q_OBJECT
private slots:
    void placesTheFileWithoutOverwriting_data();
    void placesTheFileWithoutOverwriting();
};

void TestRecoveryFile::placesTheFileWithoutOverwriting_data()
{
    QTest::addColumn<QStringList>("folders");  // "a", "b": temporary folders; "gone": missing
    QTest::addColumn<QStringList>("existing"); // file names already in folder a
    QTest::addColumn<QString>("expected");     // folder/name of the new file, empty for none

    const QString name = u"Orvanta unsaved week of 1752-12-31"_s;
    QTest::newRow("beside the database")
        << QStringList{u"a"_s, u"b"_s} << QStringList() << u"a/"_s + name + u".txt"_s;
    QTest::newRow("an earlier file is kept; the new one is numbered")
        << QStringList{u"a"_s} << QStringList{name + u".txt"_s, name + u" (2).txt"_s}
        << u"a/"_s + name + u" (3).txt"_s;
    QTest::newRow("a folder that is gone is passed over")
        << QStringList{u"gone"_s, u"b"_s} << QStringList() << u"b/"_s + name + u".txt"_s;
    QTest::newRow("no folder at all") << QStringList{u"gone"_s} << QStringList() << QString();
}

void TestRecoveryFile::placesTheFileWithoutOverwriting()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, existing);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QDir(root.path()).mkdir(QStringLiteral("a"));
    QDir(root.path()).mkdir(QStringLiteral("b"));
    for (const QString &name : existing) {
        QFile file(root.filePath(QStringLiteral("a/") + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("earlier words");
    }
    QStringList paths;
    for (const QString &folder : folders)
        paths << root.filePath(folder);

    WeekTexts texts;
    texts[0] = QStringLiteral("Sunday\nsecond line");
    texts[kNotesField] = QStringLiteral("notes");
    const QString written = writeRecoveryFile(paths, QDate(1752, 12, 31), texts, QLocale::c());

    QCOMPARE(written, expected.isEmpty() ? QString() : root.filePath(expected));
    for (const QString &name : existing) {
        QFile file(root.filePath(QStringLiteral("a/") + name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier words"));
    }
    if (written.isEmpty())
        return;
    QFile file(written);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains(QStringLiteral("== Sunday, 31 December 1752 ==\nSunday\nsecond line\n")));
    QVERIFY(text.contains(QStringLiteral("== Saturday, 6 January 1753 ==\n\n")));
    QVERIFY(text.contains(QStringLiteral("== Additional Notes For The Week ==\nnotes\n")));
}

QTEST_APPLESS_MAIN(TestRecoveryFile)
#include "tst_recovery_file.moc"
