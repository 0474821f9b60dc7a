#pragma once

#include <array>
#include <QByteArray>
#include <QDate>
#include <string_view>

// Which bytes `bytes` holds, as a table looked up once per byte of every text written.
constexpr std::array<bool, 256> byteSet(std::string_view bytes)
{
    std::array<bool, 256> set{};
    for (const char c : bytes)
        set[static_cast<unsigned char>(c)] = true;
    return set;
}

// A day as "yyyy-MM-dd" (or "yyyyMMdd" without dashes), written straight into bytes for the
// years 1 to 9999: the exports write several per week, and QDate's formatting goes through
// QString.
inline QByteArray isoDateBytes(QDate day, bool dashes = true)
{
    int year = 0, month = 0, date = 0;
    day.getDate(&year, &month, &date);
    if (year < 1 || year > 9999) // a week that runs past the year 9999, from a hand-made key
        return day.toString(dashes ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("yyyyMMdd"))
            .toLatin1();
    char text[10];
    char *out = text;
    const auto two = [&out](int value) {
        *out++ = char('0' + value / 10);
        *out++ = char('0' + value % 10);
    };
    two(year / 100);
    two(year % 100);
    if (dashes)
        *out++ = '-';
    two(month);
    if (dashes)
        *out++ = '-';
    two(date);
    return QByteArray(text, out - text);
}
