#include "notify_icon.h"

#include <algorithm>
#include <cstring>
#include <QByteArray>

void setTipField(NOTIFYICONDATA &data, const QString &tip)
{
    constexpr qsizetype capacity = sizeof data.szTip - 1; // the NUL always fits
    QByteArray encoded;
    // Whole characters (a surrogate pair is one) as long as their bytes fit.
    for (qsizetype i = 0; i < tip.size();) {
        const qsizetype length = tip.at(i).isHighSurrogate() && i + 1 < tip.size() ? 2 : 1;
        const QByteArray character = tip.mid(i, length).toLocal8Bit();
        if (encoded.size() + character.size() > capacity)
            break;
        encoded += character;
        i += length;
    }
    std::memset(data.szTip, 0, sizeof data.szTip);
    std::memcpy(data.szTip, encoded.constData(), static_cast<std::size_t>(encoded.size()));
}

QString tipField(const NOTIFYICONDATA &data)
{
    const auto end = std::find(std::begin(data.szTip), std::end(data.szTip), '\0');
    return QString::fromLocal8Bit(data.szTip, end - std::begin(data.szTip));
}
