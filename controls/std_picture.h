#pragma once

#include <memory>
#include <QIcon>
#include <QPixmap>
#include <QPoint>

class StdPicture;
// Pictures are shared by reference: whoever holds one keeps its handle valid.
using PictureRef = std::shared_ptr<const StdPicture>;

// A picture object: an image with a type and a handle. The handle of an icon is what the
// desktop shell takes (NOTIFYICONDATA::hIcon); it stays valid while any reference to the picture
// lives and is never reused.
class StdPicture
{
public:
    enum PictureType : qint16 { vbPicTypeNone = 0, vbPicTypeBitmap = 1, vbPicTypeIcon = 3 };

    static PictureRef fromIcon(const QIcon &icon);
    static PictureRef fromBitmap(const QPixmap &bitmap);
    static PictureRef empty();
    // An icon or cursor file as a picture of the icon type, its first image's hot spot kept.
    // Null when the file cannot be read; `error` says why.
    static PictureRef LoadPicture(const QString &path, QString *error = nullptr);

    // The icon behind a live icon handle; a null icon for any other number.
    static QIcon iconForHandle(quint32 handle);

    ~StdPicture();
    StdPicture(const StdPicture &) = delete;
    StdPicture &operator=(const StdPicture &) = delete;

    qint16 Type() const { return m_type; }
    quint32 Handle() const { return m_handle; } // 0 for an empty picture
    const QIcon &icon() const { return m_icon; }
    QPoint hotSpot() const { return m_hotSpot; } // where a cursor points; (0, 0) otherwise

private:
    StdPicture(PictureType type, QIcon icon, QPoint hotSpot = {});

    PictureType m_type;
    QIcon m_icon;
    QPoint m_hotSpot;
    quint32 m_handle = 0;
};
