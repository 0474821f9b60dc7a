// Draws Orvanta's pictures into resources/: the tray's hand cursor, the window's empty icon,
// the application icon and its PNGs for the desktop. This file is their source: edit the
// drawings here, then run
//     cmake --build build --target draw_resources && build/tools/draw_resources resources
// and commit what it writes.
#include <cstdio>
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QtEndian>
#include <vector>

namespace {

// The tray's hand, pixel by pixel: '#' black, '-' white, ' ' transparent. The hot spot is the
// fingertip's left pixel (5, 0).
// clang-format off
constexpr const char *kHand[] = {
    "     ##          ",
    "    #--#         ",
    "    #--#         ",
    "    #--#         ",
    "    #--#         ",
    "    #--###       ",
    "    #--#--###    ",
    "    #--#--#--##  ",
    "    #--#--#--#-# ",
    " ## #--------#--#",
    "#--##-----------#",
    "#---#-----------#",
    " #--------------#",
    "  #-------------#",
    "  #-------------#",
    "   #-----------# ",
    "   #-----------# ",
    "    #---------#  ",
    "    #---------#  ",
    "     #-------#   ",
    "     #-------#   ",
    "     #########   ",
};
// clang-format on
constexpr QPoint kHandHotSpot(5, 0);

struct Entry
{
    QImage image;
    int bitCount; // 1 (black and white), 24 or 32
    QPoint hotSpot;
};

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

int rowBytes(int width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

// One image as a bitmap with its mask, the way icon and cursor files store it: bottom row
// first, the mask's 1 bits transparent.
QByteArray bitmap(const Entry &entry)
{
    const QImage image = entry.image.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height(), bits = entry.bitCount;
    QByteArray out;
    put32(out, 40);
    put32(out, w);
    put32(out, 2 * h);
    put16(out, 1);
    put16(out, bits);
    put32(out, 0);
    put32(out, (rowBytes(w, bits) + rowBytes(w, 1)) * h);
    put32(out, 0);
    put32(out, 0);
    put32(out, bits == 1 ? 2 : 0);
    put32(out, 0);
    if (bits == 1) {
        put32(out, 0x00000000); // black
        put32(out, 0x00FFFFFF); // white
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes(w, bits), '\0');
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb p = pixels[x];
            const bool opaque = qAlpha(p) >= 128;
            if (bits == 1) {
                if (opaque && qGray(p) >= 128)
                    row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            } else if (bits == 24) {
                const QRgb c = opaque ? p : 0;
                row[x * 3] = char(qBlue(c));
                row[x * 3 + 1] = char(qGreen(c));
                row[x * 3 + 2] = char(qRed(c));
            } else {
                row[x * 4] = char(qBlue(p));
                row[x * 4 + 1] = char(qGreen(p));
                row[x * 4 + 2] = char(qRed(p));
                row[x * 4 + 3] = char(qAlpha(p));
            }
        }
        out += row;
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes(w, 1), '\0');
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool transparent = bits == 32 ? qAlpha(pixels[x]) == 0 : qAlpha(pixels[x]) < 128;
            if (transparent)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out += row;
    }
    return out;
}

QByteArray iconFile(quint16 type, const std::vector<Entry> &entries)
{
    QByteArray out;
    put16(out, 0);
    put16(out, type);
    put16(out, quint16(entries.size()));
    std::vector<QByteArray> images;
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (const Entry &entry : entries) {
        images.push_back(bitmap(entry));
        const int w = entry.image.width(), h = entry.image.height();
        out.append(char(w == 256 ? 0 : w));
        out.append(char(h == 256 ? 0 : h));
        out.append(char(entry.bitCount == 1 ? 2 : 0));
        out.append('\0');
        put16(out, type == 2 ? entry.hotSpot.x() : 1);
        put16(out, type == 2 ? entry.hotSpot.y() : entry.bitCount);
        put32(out, quint32(images.back().size()));
        put32(out, offset);
        offset += quint32(images.back().size());
    }
    for (const QByteArray &image : images)
        out += image;
    return out;
}

QImage handCursor()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < int(std::size(kHand)); ++y)
        for (int x = 0; kHand[y][x]; ++x)
            if (kHand[y][x] != ' ')
                image.setPixel(x, y, kHand[y][x] == '#' ? 0xFF000000 : 0xFFFFFFFF);
    return image;
}

QImage canvas(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The small picture, drawn on a 32-unit grid: a month grid with a hand holding a pen.
QImage smallIcon(int size, bool smooth)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 3.5, 25, 24));
    p.fillRect(QRectF(2, 4, 24, 5), QColor(0x2F, 0x6F, 0xD0));
    p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    for (int x = 7; x < 26; x += 5)
        p.drawLine(QPointF(x + 0.5, 9), QPointF(x + 0.5, 27));
    for (int y = 13; y < 27; y += 5)
        p.drawLine(QPointF(2, y + 0.5), QPointF(26, y + 0.5));
    // The hand, with the pen held between its fingers and its thumb.
    const QPen skinEdge(QColor(0x60, 0x38, 0x20), 1);
    const QColor skin(0xF5, 0xC8, 0x9A);
    p.setPen(skinEdge);
    p.setBrush(skin);
    QPainterPath hand;
    hand.moveTo(21, 23);
    hand.cubicTo(21, 19, 25, 17, 28, 18);
    hand.cubicTo(31, 19, 31.5, 24, 30, 27);
    hand.cubicTo(28, 30.5, 23, 30.5, 21.5, 28);
    hand.closeSubpath();
    p.drawPath(hand);
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(31, 5), QPointF(15, 25));
    p.setPen(skinEdge);
    p.setBrush(skin);
    p.drawEllipse(QPointF(22.5, 21.5), 2.5, 2);
    return image;
}

// The large picture, drawn on a 256-unit grid: a spiral-bound page with a blue month header, a
// large red 7 and a black pen.
QImage largeIcon(int size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    const QRectF page(24, 36, 196, 204);
    QPainterPath outline;
    outline.addRoundedRect(page, 16, 16);
    p.fillPath(outline.translated(6, 6), QColor(0, 0, 0, 60)); // shadow
    p.fillPath(outline, Qt::white);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(page.left(), page.top(), page.width(), 58), QColor(0x2F, 0x6F, 0xD0));
    p.restore();
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);

    // The spiral: a hole in the header and a ring over the page's top edge for each turn.
    for (int i = 0; i < 6; ++i) {
        const qreal x = 46 + i * 30.4;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x17, 0x2F, 0x5C));
        p.drawEllipse(QPointF(x, 54), 6.5, 6.5);
        p.setPen(QPen(QColor(0x55, 0x55, 0x55), 6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(x - 9, 18, 18, 38), 0 * 16, 180 * 16);
        p.drawLine(QPointF(x + 9, 37), QPointF(x + 4, 52));
    }

    // The 7.
    const QPointF seven[] = {{70, 118}, {170, 118}, {170, 140}, {122, 222},
                             {94, 222}, {142, 142}, {70, 142}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD4, 0x22, 0x22));
    p.drawPolygon(seven, int(std::size(seven)));

    // The pen, lying across the page's lower right corner.
    p.translate(202, 180);
    p.rotate(38);
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(-11, -86, 22, 122), 6, 6);
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    const QPointF nib[] = {{-11, 34}, {11, 34}, {0, 64}};
    p.drawPolygon(nib, 3);
    p.setBrush(Qt::black);
    const QPointF point[] = {{-4, 53}, {4, 53}, {0, 64}};
    p.drawPolygon(point, 3);
    p.setBrush(QColor(0x9A, 0x9A, 0x9A));
    p.drawRect(QRectF(-11.5, -64, 23, 7)); // the clip's band
    return image;
}

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "draw_resources: %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_resources RESOURCES_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    bool ok = write(out.filePath(QStringLiteral("hand.cur")),
                    iconFile(2, {{handCursor(), 1, kHandHotSpot}}));
    // The window's icon: every pixel transparent, so title bar and taskbar show none.
    ok =
        write(out.filePath(QStringLiteral("form1.ico")), iconFile(1, {{canvas(32), 24, {}}})) && ok;
    ok = write(out.filePath(QStringLiteral("orvanta.ico")),
               iconFile(1, {{smallIcon(32, false), 24, {}},
                            {largeIcon(48), 32, {}},
                            {largeIcon(128), 32, {}},
                            {largeIcon(256), 32, {}}})) &&
         ok;
    out.mkpath(QStringLiteral("icons"));
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image = size <= 32 ? smallIcon(size, true) : largeIcon(size);
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
        }
        ok = write(out.filePath(QStringLiteral("icons/orvanta-%1.png").arg(size)), png) && ok;
    }
    return ok ? 0 : 1;
}
