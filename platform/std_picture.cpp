#include "std_picture.h"

#include <QHash>

namespace {

// Live handles of the process, as the desktop keeps them.
QHash<quint32, const StdPicture *> &handles()
{
    static QHash<quint32, const StdPicture *> table;
    return table;
}

} // namespace

StdPicture::StdPicture(PictureType type, QIcon icon) : m_type(type), m_icon(std::move(icon))
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

QIcon StdPicture::iconForHandle(quint32 handle)
{
    const StdPicture *picture = handles().value(handle);
    return picture && picture->m_type == vbPicTypeIcon ? picture->m_icon : QIcon();
}
