// The program's folder, where its database lies, whatever bytes its name is made of.
#include "desktop/program_folder.h"

#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestProgramFolder : public QObject
{
    Q_OBJECT
private slots:
    void reachesTheFolderWhateverItsName_data();
    void reachesTheFolderWhateverItsName();
    void theRunningProgramsFolder();
};

void TestProgramFolder::reachesTheFolderWhateverItsName_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<bool>("nameIsPath");
    QTest::newRow("a name in UTF-8") << "Wöche #1"_ba << true;
    QTest::newRow("a name in Latin-1, not UTF-8") << "W\xf6"
                                                     "che"_ba
                                                  << false;
}

void TestProgramFolder::reachesTheFolderWhateverItsName()
{
    QFETCH(QByteArray, folder);
    QFETCH(bool, nameIsPath);
    QTemporaryDir root;
    const QByteArray bytes = QFile::encodeName(root.path()) + '/' + folder;
    QCOMPARE(::mkdir(bytes.constData(), 0700), 0);
    // By its bytes: QTemporaryDir cannot remove a folder whose name is no text.
    const auto removed = qScopeGuard([&bytes] {
        ::unlink((bytes + "/dbCalendar.mdb").constData());
        ::rmdir(bytes.constData());
    });
    QCOMPARE(::close(::open((bytes + "/dbCalendar.mdb").constData(), O_CREAT | O_WRONLY, 0600)), 0);

    QString error;
    const auto found = ProgramFolder::ofExecutable(bytes + "/orvanta", &error);
    QVERIFY2(found, qPrintable(error));
    QVERIFY(QFileInfo(QDir(found->path).filePath(u"dbCalendar.mdb"_s)).isFile());
    QCOMPARE(found->path == found->name, nameIsPath);
    QVERIFY(found->name.startsWith(root.path() + u"/W"_s));
}

void TestProgramFolder::theRunningProgramsFolder()
{
    QString error;
    const auto found = ProgramFolder::find(&error);
    QVERIFY2(found, qPrintable(error));
    QCOMPARE(found->path, QCoreApplication::applicationDirPath());
    QVERIFY(!ProgramFolder::ofExecutable("orvanta", &error));
    QVERIFY(error.contains(u"names no folder"_s));
    const auto atTheRoot = ProgramFolder::ofExecutable("/orvanta", &error); // installed in /
    QVERIFY(atTheRoot);
    QCOMPARE(atTheRoot->path, u"/"_s);
}

QTEST_GUILESS_MAIN(TestProgramFolder)
#include "tst_program_folder.moc"
