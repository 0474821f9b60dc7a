#include "jet_file.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace JetFile {

bool hasJetOrAceHeader(QByteArrayView firstBytes)
{
    static constexpr char kPageZero[] = {0x00, 0x01, 0x00, 0x00};
    if (firstBytes.size() < 20 || std::memcmp(firstBytes.data(), kPageZero, 4) != 0)
        return false;
    const QByteArrayView name = firstBytes.sliced(4, 16);
    return name == QByteArrayView("Standard Jet DB\0", 16) ||
           name == QByteArrayView("Standard ACE DB\0", 16);
}

bool isJetOrAceFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    return hasJetOrAceHeader(file.read(20));
}

} // namespace JetFile

namespace JetReaderStream {

namespace {

void appendNumber(QByteArray &out, auto value)
{
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
        std::reverse(std::begin(bytes), std::end(bytes));
    out.append(bytes, sizeof value);
}

} // namespace

QByteArray rowRecord(const Row &row)
{
    QByteArray out;
    const QByteArray text = row.text.value_or(QByteArray());
    out.reserve(kRowHeaderBytes + text.size());
    out.append(kRowTag);
    appendNumber(out, row.number);
    const quint8 flags = (row.date ? kHasDate : 0) | (row.text ? kHasText : 0);
    appendNumber(out, flags);
    appendNumber(out, row.date.value_or(0.0));
    appendNumber(out, static_cast<quint32>(text.size()));
    out.append(text);
    return out;
}

QByteArray endRecord(quint32 rows)
{
    QByteArray out(1, kEndTag);
    appendNumber(out, rows);
    return out;
}

} // namespace JetReaderStream
