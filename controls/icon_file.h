#pragma once

#include <optional>
#include <QImage>
#include <QList>
#include <QPoint>

// An icon (.ico) or cursor (.cur) file: a directory of images, each a device-independent
// bitmap with its transparency mask, or a PNG. Cursor files also give each image a hot spot.
struct IconFile
{
    enum Type : quint16 { Icon = 1, Cursor = 2 };

    struct Image
    {
        QImage image;     // ARGB32, the mask applied
        int bitCount = 0; // bits per pixel of the stored colours (32 for a PNG)
        QPoint hotSpot;   // cursors only
    };

    Type type = Icon;
    QList<Image> images; // in the file's order

    // Larger than any icon or cursor file: never read into memory.
    static constexpr qint64 kMaxFileBytes = 16 << 20;

    // Reads a whole file. Files come from users' folders, so every offset and size is checked;
    // on failure `error` says what is wrong.
    static std::optional<IconFile> read(const QByteArray &data, QString *error = nullptr);
    static std::optional<IconFile> load(const QString &path, QString *error = nullptr);
};
