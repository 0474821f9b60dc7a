// Icon and cursor files come from users' folders too: a damaged one must be refused with a
// reason, never read out of bounds.
#include "controls/icon_file.h"
#include "main_window/form1_design.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryFile>
#include <QtEndian>
#include <QTest>

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

} // namespace

class TestIconFile : public QObject
{
    Q_OBJECT
private slots:
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void pngImagesAreRead();
    void missingFileIsAnError();
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
}

void TestIconFile::damagedFilesAreRefused()
{
    QFETCH(QByteArray, data);
    QString error;
    QVERIFY(!IconFile::read(data, &error));
    QVERIFY(!error.isEmpty());
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

void TestIconFile::missingFileIsAnError()
{
    QString error;
    QVERIFY(!IconFile::load(QStringLiteral("/nonexistent/HAND-M.CUR"), &error));
    QVERIFY(!error.isEmpty());

    // A huge file is refused before anything is read.
    QTemporaryFile huge;
    QVERIFY(huge.open() && huge.resize(IconFile::kMaxFileBytes + 1));
    QVERIFY(!IconFile::load(huge.fileName(), &error));
    QCOMPARE(error, QStringLiteral("it is larger than an icon or cursor file can be"));
}

QTEST_GUILESS_MAIN(TestIconFile)
#include "tst_icon_file.moc"
