// Files that users put beside the program are read whole up to a limit, never past it.
#include "files/small_file.h"
#include "odd_files.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSmallFile : public QObject
{
    Q_OBJECT
private slots:
    void readUpToTheLimit_data();
    void readUpToTheLimit();
};

void TestSmallFile::readUpToTheLimit_data()
{
    QTest::addColumn<QString>("kind"); // a size in bytes, or an odd file's kind
    QTest::addColumn<SmallFile::Problem>("problem");
    QTest::newRow("empty") << u"0"_s << SmallFile::None;
    QTest::newRow("one byte short of the limit") << u"4095"_s << SmallFile::None;
    QTest::newRow("exactly the limit") << u"4096"_s << SmallFile::None;
    QTest::newRow("one byte over") << u"4097"_s << SmallFile::TooLarge;
    QTest::newRow("a FIFO, which nobody writes") << u"fifo"_s << SmallFile::NotARegularFile;
    QTest::newRow("a link to /dev/zero, which never ends")
        << u"zero"_s << SmallFile::NotARegularFile;
}

void TestSmallFile::readUpToTheLimit()
{
    QFETCH(QString, kind);
    QFETCH(SmallFile::Problem, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x"_s);
    bool isSize = false;
    const int size = kind.toInt(&isSize);
    if (isSize) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(size, 'x'));
    } else {
        QVERIFY(makeOddFile(kind, path));
    }
    const SmallFile read = SmallFile::read(path, 4096);
    QCOMPARE(read.problem, problem);
    if (isSize && problem == SmallFile::None)
        QCOMPARE(read.bytes, QByteArray(size, 'x'));
}

QTEST_GUILESS_MAIN(TestSmallFile)
#include "tst_small_file.moc"
