#include "icon_file.h"

#include "files/small_file.h"

#include <QCoreApplication>
#include <QtEndian>

namespace {

constexpr int kDirectorySize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40; // BITMAPINFOHEADER
constexpr int kMaxSide = 256;
// A cursor needs one small image and an icon a few sizes. These bound what one file can make
// the program decode, whatever its directory says.
constexpr int kMaxImages = 64;
constexpr qint64 kMaxPixels = 4 * kMaxSide * kMaxSide;
constexpr quint32 kUncompressed = 0; // BI_RGB

// Little-endian fields of a byte range whose size the caller has checked.
struct Bytes
{
    const uchar *data;
    quint16 u16(qsizetype at) const { return qFromLittleEndian<quint16>(data + at); }
    quint32 u32(qsizetype at) const { return qFromLittleEndian<quint32>(data + at); }
    qint32 i32(qsizetype at) const { return qFromLittleEndian<qint32>(data + at); }
};

qsizetype rowBytes(int width, int bitCount)
{
    return (qsizetype(width) * bitCount + 31) / 32 * 4;
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// Takes an image of `width` x `height` from what the file may still decode.
bool spendPixels(qint64 &pixelsLeft, int width, int height, QString *error)
{
    const qint64 pixels = qint64(width) * height;
    if (pixels > pixelsLeft)
        return fail(error, QCoreApplication::translate("IconFile", "its images hold more pixels than an icon or cursor"));
    pixelsLeft -= pixels;
    return true;
}

// One device-independent bitmap: its header, palette, colour rows and mask rows, bottom row
// first. `available` is what the file holds from `at` on.
bool readBitmap(Bytes file, qsizetype at, qsizetype available, qint64 &pixelsLeft,
                IconFile::Image &out, QString *error)
{
    if (available < kInfoHeaderSize)
        return fail(error, QCoreApplication::translate("IconFile", "an image is cut short"));
    const Bytes bitmap{file.data + at};
    const quint32 headerSize = bitmap.u32(0);
    const int width = bitmap.i32(4);
    const int doubleHeight = bitmap.i32(8); // colour rows and mask rows
    const int bitCount = bitmap.u16(14);
    const quint32 compression = bitmap.u32(16);
    const quint32 coloursUsed = bitmap.u32(32);
    const int height = doubleHeight / 2;
    if (headerSize < kInfoHeaderSize || headerSize > quint32(available) || bitmap.u16(12) != 1)
        return fail(error, QCoreApplication::translate("IconFile", "an image has an unknown header"));
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide || doubleHeight % 2)
        return fail(error, QCoreApplication::translate("IconFile", "an image has an impossible size"));
    if (compression != kUncompressed)
        return fail(error, QCoreApplication::translate("IconFile", "an image is compressed"));
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32)
        return fail(error, QCoreApplication::translate("IconFile", "an image has %1 bits per pixel").arg(bitCount));

    const qsizetype paletteSize =
        bitCount <= 8 ? (coloursUsed ? qsizetype(coloursUsed) : qsizetype(1) << bitCount) : 0;
    if (paletteSize > 256)
        return fail(error, QCoreApplication::translate("IconFile", "an image has an impossible palette"));
    const qsizetype paletteAt = headerSize;
    const qsizetype colourAt = paletteAt + paletteSize * 4;
    const qsizetype colourStride = rowBytes(width, bitCount);
    const qsizetype maskAt = colourAt + colourStride * height;
    const qsizetype maskStride = rowBytes(width, 1);
    const bool hasMask = maskAt + maskStride * height <= available;
    // A 32-bit image carries its own alpha, so its mask may be left out.
    if (maskAt > available || (!hasMask && bitCount != 32))
        return fail(error, QCoreApplication::translate("IconFile", "an image is cut short"));

    if (!spendPixels(pixelsLeft, width, height, error))
        return false;
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return fail(error, QCoreApplication::translate("IconFile", "there is no memory for an image"));
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const uchar *row = bitmap.data + colourAt + (height - 1 - y) * colourStride;
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if (bitCount == 32) {
                const uchar *p = row + x * 4;
                pixels[x] = qRgba(p[2], p[1], p[0], p[3]);
                anyAlpha = anyAlpha || p[3];
            } else if (bitCount == 24) {
                const uchar *p = row + x * 3;
                pixels[x] = qRgb(p[2], p[1], p[0]);
            } else {
                const int perByte = 8 / bitCount;
                const int shift = (perByte - 1 - x % perByte) * bitCount;
                const int index = (row[x / perByte] >> shift) & ((1 << bitCount) - 1);
                if (index >= paletteSize)
                    return fail(error, QCoreApplication::translate("IconFile", "an image uses a colour it does not have"));
                const uchar *p = bitmap.data + paletteAt + index * 4;
                pixels[x] = qRgb(p[2], p[1], p[0]);
            }
        }
    }
    // The mask marks transparent pixels with 1; an image with alpha of its own goes by that.
    if (hasMask && !anyAlpha) {
        for (int y = 0; y < height; ++y) {
            const uchar *row = bitmap.data + maskAt + (height - 1 - y) * maskStride;
            auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const bool transparent = row[x / 8] & (0x80 >> (x % 8));
                pixels[x] = transparent ? qRgba(0, 0, 0, 0) : (pixels[x] | 0xFF000000);
            }
        }
    }
    out.image = std::move(image);
    out.bitCount = bitCount;
    return true;
}

// A PNG image: its size is read from its header before anything is decoded.
bool readPng(const QByteArray &data, qsizetype at, qsizetype length, qint64 &pixelsLeft,
             IconFile::Image &out, QString *error)
{
    constexpr qsizetype kHeaderEnd = 8 + 8 + 8; // signature, IHDR length and type, width, height
    const QByteArray png = data.mid(at, length);
    if (png.size() < kHeaderEnd || png.mid(12, 4) != "IHDR")
        return fail(error, QCoreApplication::translate("IconFile", "an image is an unreadable PNG"));
    const auto width = qFromBigEndian<quint32>(png.constData() + 16);
    const auto height = qFromBigEndian<quint32>(png.constData() + 20);
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide)
        return fail(error, QCoreApplication::translate("IconFile", "an image has an impossible size"));
    if (!spendPixels(pixelsLeft, int(width), int(height), error))
        return false;
    out.image = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32);
    if (out.image.isNull() || out.image.size() != QSize(int(width), int(height)))
        return fail(error, QCoreApplication::translate("IconFile", "an image is an unreadable PNG"));
    out.bitCount = 32;
    return true;
}

} // namespace

std::optional<IconFile> IconFile::read(const QByteArray &data, QString *error)
{
    const Bytes file{reinterpret_cast<const uchar *>(data.constData())};
    if (data.size() < kDirectorySize || file.u16(0) != 0 ||
        (file.u16(2) != Icon && file.u16(2) != Cursor)) {
        fail(error, QCoreApplication::translate("IconFile", "not an icon or cursor file"));
        return std::nullopt;
    }
    IconFile result;
    result.type = Type(file.u16(2));
    const int count = file.u16(4);
    if (count == 0 || data.size() < kDirectorySize + qsizetype(count) * kEntrySize) {
        fail(error, QCoreApplication::translate("IconFile", "the file's list of images is empty or cut short"));
        return std::nullopt;
    }
    if (count > kMaxImages) {
        fail(error,
             QCoreApplication::translate("IconFile", "it lists %1 images, more than an icon or cursor has").arg(count));
        return std::nullopt;
    }
    static const QByteArray png("\x89PNG\r\n\x1a\n", 8);
    qint64 pixelsLeft = kMaxPixels;
    for (int i = 0; i < count; ++i) {
        const Bytes entry{file.data + kDirectorySize + i * kEntrySize};
        const quint32 offset = entry.u32(12);
        if (offset >= quint32(data.size())) {
            fail(error, QCoreApplication::translate("IconFile", "an image lies outside the file"));
            return std::nullopt;
        }
        Image image;
        const bool read =
            data.mid(offset, png.size()) == png
                ? readPng(data, offset, qsizetype(entry.u32(8)), pixelsLeft, image, error)
                : readBitmap(file, offset, data.size() - offset, pixelsLeft, image, error);
        if (!read)
            return std::nullopt;
        // In cursor files the colour-plane and bit-count fields hold the hot spot instead.
        if (result.type == Cursor)
            image.hotSpot = QPoint(entry.u16(4), entry.u16(6));
        result.images.append(std::move(image));
    }
    return result;
}

std::optional<IconFile> IconFile::load(const QString &path, QString *error)
{
    const SmallFile file = SmallFile::read(path, kMaxFileBytes);
    if (file.ok())
        return read(file.bytes, error);
    fail(error,
         file.problemText(QCoreApplication::translate("IconFile", "it is larger than an icon or cursor file can be")));
    return std::nullopt;
}
