// Icon and cursor files come from users' folders too: a damaged one must be refused with a
// reason, never read out of bounds.
#include "controls/icon_file.h"
#include "main_window/form1_design.h"
#include "odd_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray hand()
{
    QFile file(QString::fromLatin1(Form1Design::kTrayIconResource));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The hand cursor with one little-endian field overwritten.
QByteArray patched(qsizetype at, quint32 value, int bytes)
{
    QByteArray data = hand();
    if (bytes == 2)
        qToLittleEndian(quint16(value), data.data() + at);
    else
        qToLittleEndian(value, data.data() + at);
    return data;
}

constexpr int kEntry = 6;   // the first directory entry
constexpr int kHeader = 22; // the hand's bitmap header

// An icon file whose `count` directory entries all point at one 32-bit image of side x side
// pixels, stored without a mask, as 32-bit images may be.
QByteArray sharedImage(int side, int count)
{
    const qsizetype imageAt = 6 + 16 * qsizetype(count);
    QByteArray file(imageAt + 40 + qsizetype(side) * side * 4, '\0');
    qToLittleEndian(quint16(1), file.data() + 2);
    qToLittleEndian(quint16(count), file.data() + 4);
    for (int i = 0; i < count; ++i)
        qToLittleEndian(quint32(imageAt), file.data() + 6 + 16 * i + 12);
    char *header = file.data() + imageAt;
    qToLittleEndian(quint32(40), header);
    qToLittleEndian(qint32(side), header + 4);
    qToLittleEndian(qint32(2 * side), header + 8);
    qToLittleEndian(quint16(1), header + 12);
    qToLittleEndian(quint16(32), header + 14);
    return file;
}

} // namespace

class TestIconFile : public QObject
{
    Q_OBJECT
private slots:
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void filesAtTheLimitsAreRead_data();
    void filesAtTheLimitsAreRead();
    void pngImagesAreRead();
    void onlySmallRegularFilesAreRead_data();
    void onlySmallRegularFilesAreRead();
};

void TestIconFile::damagedFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("reserved field set") << patched(0, 1, 2);
    QTest::newRow("neither icon nor cursor") << patched(2, 3, 2);
    QTest::newRow("no images") << patched(4, 0, 2);
    QTest::newRow("more images than entries") << patched(4, 2, 2);
    QTest::newRow("directory cut short") << hand().left(12);
    QTest::newRow("image beyond the end") << patched(kEntry + 12, 5000, 4);
    QTest::newRow("short header") << patched(kHeader, 12, 4);
    QTest::newRow("header beyond the end") << patched(kHeader, 5000, 4);
    QTest::newRow("no width") << patched(kHeader + 4, 0, 4);
    QTest::newRow("negative width") << patched(kHeader + 4, quint32(-32), 4);
    QTest::newRow("too wide") << patched(kHeader + 4, 4096, 4);
    QTest::newRow("odd height") << patched(kHeader + 8, 63, 4);
    QTest::newRow("two planes") << patched(kHeader + 12, 2, 2);
    QTest::newRow("16 bits per pixel") << patched(kHeader + 14, 16, 2);
    QTest::newRow("compressed") << patched(kHeader + 16, 1, 4);
    QTest::newRow("huge palette") << patched(kHeader + 32, 1u << 30, 4);
    QTest::newRow("colour outside the palette") << patched(kHeader + 32, 1, 4);
    QTest::newRow("pixels cut short") << hand().left(kHeader + 40 + 8 + 100);
    QTest::newRow("mask cut short") << hand().chopped(1);
    QTest::newRow("a 32-bit image's pixels cut short") << sharedImage(16, 1).chopped(4);
    QTest::newRow("more images than an icon has") << sharedImage(1, 65);
    QTest::newRow("one large image listed again and again") << sharedImage(256, 5);
}

void TestIconFile::damagedFilesAreRefused()
{
    QFETCH(QByteArray, data);
    QString error;
    QVERIFY(!IconFile::read(data, &error));
    QVERIFY(!error.isEmpty());
}

void TestIconFile::filesAtTheLimitsAreRead_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("images");
    QTest::newRow("exactly 64 images") << sharedImage(1, 64) << 64;
    QTest::newRow("exactly the pixel budget: four images of 256 x 256") << sharedImage(256, 4) << 4;
    QTest::newRow("a 32-bit image without a mask, ending at the file's end")
        << sharedImage(16, 1) << 1;
}

void TestIconFile::filesAtTheLimitsAreRead()
{
    QFETCH(QByteArray, data);
    QFETCH(int, images);
    QString error;
    const auto icon = IconFile::read(data, &error);
    QVERIFY2(icon, qPrintable(error));
    QCOMPARE(icon->images.size(), images);

    // The same, padded to exactly the largest file that is read.
    QTemporaryDir dir;
    QFile file(dir.filePath(u"HAND-M.CUR"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
    QVERIFY(file.resize(IconFile::kMaxFileBytes));
    file.close();
    QVERIFY2(IconFile::load(file.fileName(), &error), qPrintable(error));
}

void TestIconFile::pngImagesAreRead()
{
    QImage drawn(48, 48, QImage::Format_ARGB32);
    drawn.fill(qRgba(10, 20, 30, 128));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(drawn.save(&buffer, "PNG"));

    QByteArray file(22, '\0');
    qToLittleEndian(quint16(1), file.data() + 2);
    qToLittleEndian(quint16(1), file.data() + 4);
    file[6] = 48;
    file[7] = 48;
    qToLittleEndian(quint32(png.size()), file.data() + 14);
    qToLittleEndian(quint32(22), file.data() + 18);
    file += png;

    const auto read = IconFile::read(file);
    QVERIFY(read);
    QCOMPARE(read->type, IconFile::Icon);
    QCOMPARE(read->images.size(), 1);
    QCOMPARE(read->images[0].image, drawn);
}

void TestIconFile::onlySmallRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("error");
    QTest::newRow("missing") << u"missing"_s << u"No such file or directory"_s;
    QTest::newRow("larger than any icon")
        << u"huge"_s << u"it is larger than an icon or cursor file can be"_s;
    const QString notAFile = u"it is not a file but a folder, a device or a pipe"_s;
    QTest::newRow("a FIFO, which nobody writes") << u"fifo"_s << notAFile;
    QTest::newRow("a link to /dev/zero, which never ends") << u"zero"_s << notAFile;
    QTest::newRow("a folder") << u"folder"_s << notAFile;
}

void TestIconFile::onlySmallRegularFilesAreRead()
{
    QFETCH(QString, kind);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"HAND-M.CUR"_s);
    if (kind == u"huge") {
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(IconFile::kMaxFileBytes + 1));
    } else if (kind != u"missing") {
        QVERIFY(makeOddFile(kind, path));
    }
    QString reason;
    QVERIFY(!IconFile::load(path, &reason));
    QCOMPARE(reason, error);
}

QTEST_GUILESS_MAIN(TestIconFile)
#include "tst_icon_file.moc"
