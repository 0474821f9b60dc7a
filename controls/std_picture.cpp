#include "std_picture.h"

#include "icon_file.h"

#include <QHash>

namespace {

// Live handles of the process, as the desktop keeps them.
QHash<quint32, const StdPicture *> &handles()
{
    static QHash<quint32, const StdPicture *> table;
    return table;
}

} // namespace

StdPicture::StdPicture(PictureType type, QIcon icon, QPoint hotSpot)
    : m_type(type), m_icon(std::move(icon)), m_hotSpot(hotSpot)
{
    if (m_type == vbPicTypeNone)
        return;
    static quint32 lastHandle = 0;
    lastHandle += 4;
    m_handle = lastHandle;
    handles().insert(m_handle, this);
}

StdPicture::~StdPicture()
{
    handles().remove(m_handle);
}

PictureRef StdPicture::fromIcon(const QIcon &icon)
{
    return PictureRef(new StdPicture(vbPicTypeIcon, icon));
}

PictureRef StdPicture::fromBitmap(const QPixmap &bitmap)
{
    return PictureRef(new StdPicture(vbPicTypeBitmap, QIcon(bitmap)));
}

PictureRef StdPicture::empty()
{
    return PictureRef(new StdPicture(vbPicTypeNone, QIcon()));
}

PictureRef StdPicture::LoadPicture(const QString &path, QString *error)
{
    const std::optional<IconFile> file = IconFile::load(path, error);
    if (!file)
        return nullptr;
    QIcon icon;
    for (const IconFile::Image &image : file->images)
        icon.addPixmap(QPixmap::fromImage(image.image));
    return PictureRef(new StdPicture(vbPicTypeIcon, icon, file->images.first().hotSpot));
}

QIcon StdPicture::iconForHandle(quint32 handle)
{
    const StdPicture *picture = handles().value(handle);
    return picture && picture->m_type == vbPicTypeIcon ? picture->m_icon : QIcon();
}
