#include "jet_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <string>

#include <algorithm>
#include <cstring>

namespace JetFile {

namespace {

char16_t le16(const unsigned char *p)
{
    return char16_t(p[0] | p[1] << 8);
}

} // namespace

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

QByteArray decodeText(QByteArrayView stored, bool jet3)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(stored.data());
    const auto size = size_t(stored.size());
    std::u16string units;
    if (jet3) { // Jet 3 keeps the Windows code page: Western (1252), as in the earlier program
        // 0x80..0x9F, where 1252 differs from Latin-1 (the euro, quotes, dashes).
        static constexpr char16_t kHigh[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
        units.resize(size);
        for (size_t i = 0; i < size; ++i)
            units[i] = bytes[i] >= 0x80 && bytes[i] < 0xA0 ? kHigh[bytes[i] - 0x80] : bytes[i];
        return QString::fromUtf16(units.data(), qsizetype(units.size())).toUtf8();
    }
    if (size >= 2 && bytes[0] == 0xff && bytes[1] == 0xfe) {
        bool compressed = true;
        units.reserve(size);
        for (size_t i = 2; i < size;) {
            if (bytes[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                units.push_back(bytes[i++]);
            } else if (i + 1 < size) {
                units.push_back(char16_t(le16(bytes + i)));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        units.resize(size / 2);
        for (size_t i = 0; i < units.size(); ++i)
            units[i] = char16_t(le16(bytes + 2 * i));
    }
    return QString::fromUtf16(units.data(), qsizetype(units.size())).toUtf8();
}

QString readerProgram(const QString &folder)
{
    return QDir(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder)
        .filePath(QStringLiteral("orvanta-jet-reader"));
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

template <typename T> T numberAt(const char *p)
{
    char bytes[sizeof(T)];
    std::memcpy(bytes, p, sizeof(T));
    if constexpr (Q_BYTE_ORDER == Q_BIG_ENDIAN)
        std::reverse(std::begin(bytes), std::end(bytes));
    T value;
    std::memcpy(&value, bytes, sizeof(T));
    return value;
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

void Parser::append(const QByteArray &bytes)
{
    if (m_at > (1 << 20)) {
        m_buffer.remove(0, m_at);
        m_at = 0;
    }
    m_buffer.append(bytes);
}

Parser::Next Parser::next(Row *row)
{
    const auto available = [this] { return m_buffer.size() - m_at; };
    if (!m_magicSeen) {
        if (available() < 4)
            return Next::NeedMore;
        if (QByteArrayView(m_buffer).sliced(m_at, 4) != QByteArrayView(kMagic))
            return Next::Damaged;
        m_at += 4;
        m_magicSeen = true;
    }
    if (available() < 5)
        return Next::NeedMore;
    const char *p = m_buffer.constData() + m_at;
    if (*p == kEndTag) {
        m_rows = numberAt<quint32>(p + 1);
        m_at += 5;
        return Next::End;
    }
    if (*p != kRowTag)
        return Next::Damaged;
    if (available() < kRowHeaderBytes)
        return Next::NeedMore;
    const quint8 flags = quint8(p[5]);
    const quint32 length = numberAt<quint32>(p + 14);
    if (flags > (kHasDate | kHasText) || length > kMaxTextBytes ||
        (!(flags & kHasText) && length != 0))
        return Next::Damaged;
    if (available() < kRowHeaderBytes + qsizetype(length))
        return Next::NeedMore;
    row->number = numberAt<quint32>(p + 1);
    row->date.reset();
    row->text.reset();
    if (flags & kHasDate)
        row->date = numberAt<double>(p + 6);
    if (flags & kHasText)
        row->text = QByteArray(p + kRowHeaderBytes, length);
    m_at += kRowHeaderBytes + length;
    return Next::Row;
}

} // namespace JetReaderStream
