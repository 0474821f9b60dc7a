#include "date_text.h"

#include <array>
#include <QList>
#include <QLocale>
#include <QRegularExpression>

namespace {

struct Token
{
    QString text;
    bool number = false;
};

// Runs of digits and runs of letters; everything else only parts them.
QList<Token> tokensOf(const QString &text)
{
    QList<Token> tokens;
    for (qsizetype at = 0; at < text.size();) {
        const QChar c = text.at(at);
        if (!c.isLetterOrNumber()) {
            ++at;
            continue;
        }
        const bool number = c.isDigit();
        qsizetype end = at;
        while (end < text.size() && text.at(end).isLetterOrNumber() &&
               text.at(end).isDigit() == number)
            ++end;
        tokens.append({text.mid(at, end - at), number});
        at = end;
    }
    return tokens;
}

// Lower case, without accents and dots, so that "Dez.", "dez" and "DÉZ" read alike.
QString folded(const QString &word)
{
    QString plain;
    for (const QChar c : word.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing && c != u'.')
            plain.append(c.toLower());
    }
    return plain;
}

// Which of `count` names (1-based) the word starts, each name given in several forms; 0 for
// none, -1 where it could be more than one.
// A word shorter than three letters that only starts a name ("Ju") could be more than one.
template <typename Names> int nameOf(const QString &word, int count, Names names)
{
    const QString typed = folded(word);
    int found = 0;
    bool starts = false;
    for (int n = 1; n <= count; ++n) {
        for (const QString &name : names(n)) {
            const QString plain = folded(name);
            if (plain.isEmpty() || !plain.startsWith(typed))
                continue;
            starts = true;
            // A name typed whole, or cut short to three letters or more.
            if (plain != typed && typed.size() < 3)
                continue;
            if (found != 0 && found != n)
                return -1;
            found = n;
        }
    }
    return found == 0 && starts ? -1 : found;
}

int monthOf(const QString &word, const QLocale &locale)
{
    const QLocale english(QLocale::English);
    return nameOf(word, 12, [&](int month) {
        return std::array<QString, 6>{locale.monthName(month, QLocale::LongFormat),
                                      locale.monthName(month, QLocale::ShortFormat),
                                      locale.standaloneMonthName(month, QLocale::LongFormat),
                                      locale.standaloneMonthName(month, QLocale::ShortFormat),
                                      english.monthName(month, QLocale::LongFormat),
                                      english.monthName(month, QLocale::ShortFormat)};
    });
}

bool isDayName(const QString &word, const QLocale &locale)
{
    const QLocale english(QLocale::English);
    return nameOf(word, 7, [&](int day) {
               return std::array<QString, 4>{locale.dayName(day, QLocale::LongFormat),
                                             locale.dayName(day, QLocale::ShortFormat),
                                             english.dayName(day, QLocale::LongFormat),
                                             english.dayName(day, QLocale::ShortFormat)};
           }) != 0;
}

// The words the locale writes between the parts of its dates ("de" in Spanish), which name
// nothing.
bool isGlueWord(const QString &word, const QLocale &locale)
{
    static const QRegularExpression quoted(QStringLiteral("'([^']+)'"));
    const QString typed = folded(word);
    for (const auto format : {QLocale::LongFormat, QLocale::ShortFormat}) {
        for (const auto &match : quoted.globalMatch(locale.dateFormat(format))) {
            if (folded(match.captured(1)).split(u' ', Qt::SkipEmptyParts).contains(typed))
                return true;
        }
    }
    return false;
}

// A year as typed: in full, or two digits for the year of that ending nearest today's.
int yearOf(const QString &digits, QDate today)
{
    const int value = digits.toInt();
    if (digits.size() > 2)
        return value;
    const int century = today.year() - today.year() % 100;
    int nearest = century - 100 + value;
    for (const int candidate : {century + value, century + 100 + value}) {
        if (std::abs(candidate - today.year()) < std::abs(nearest - today.year()))
            nearest = candidate;
    }
    return nearest;
}

std::optional<QDate> dayOf(int year, int month, int day)
{
    const QDate date(year, month, day);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

// The order of day, month and year in the locale's short dates: "dMy", "Mdy" or "yMd".
QString numericOrder(const QLocale &locale)
{
    QString order;
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        if ((c == u'd' || c == u'M' || c == u'y') && !order.contains(c))
            order.append(c);
    }
    return order.size() == 3 ? order : QStringLiteral("yMd");
}

std::optional<QDate> fromNumbers(const QStringList &numbers, const QLocale &locale, QDate today)
{
    if (numbers.size() == 1 && numbers[0].size() > 2)
        return dayOf(yearOf(numbers[0], today), 1, 1); // a year alone
    if (numbers.size() == 2) {                         // a month and a year, either way round
        const int yearAt = numbers[0].size() > 2 ? 0 : 1;
        if (numbers[yearAt].size() <= 2 || numbers[1 - yearAt].size() > 2)
            return std::nullopt;
        return dayOf(yearOf(numbers[yearAt], today), numbers[1 - yearAt].toInt(), 1);
    }
    if (numbers.size() != 3)
        return std::nullopt;
    // A year written first is always year, month, day; otherwise the locale's order.
    const QString order = numbers[0].size() > 2 ? QStringLiteral("yMd") : numericOrder(locale);
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < 3; ++i) {
        if (order[i] == u'y')
            year = yearOf(numbers[i], today);
        else if (order[i] == u'M')
            month = numbers[i].toInt();
        else
            day = numbers[i].toInt();
    }
    return dayOf(year, month, day);
}

std::optional<QDate> withMonthName(int month, const QStringList &numbers, QDate today)
{
    if (numbers.isEmpty())
        return std::nullopt;
    if (numbers.size() == 1) // a day of today's year, or the month of a year
        return numbers[0].size() > 2 ? dayOf(yearOf(numbers[0], today), month, 1)
                                     : dayOf(today.year(), month, numbers[0].toInt());
    if (numbers.size() != 2)
        return std::nullopt;
    // The year is the number in full; of two short ones, the last.
    const int yearAt = numbers[0].size() > 2 ? 0 : 1;
    if (numbers[1 - yearAt].size() > 2)
        return std::nullopt;
    return dayOf(yearOf(numbers[yearAt], today), month, numbers[1 - yearAt].toInt());
}

} // namespace

namespace DateText {

std::optional<QDate> parse(const QString &text, const QLocale &locale, QDate today)
{
    static const QRegularExpression iso(
        QStringLiteral("^\\s*(\\d{4})-(\\d{1,2})(?:-(\\d{1,2}))?\\s*$"));
    if (const auto match = iso.match(text); match.hasMatch())
        return dayOf(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).isEmpty() ? 1 : match.captured(3).toInt());

    QStringList numbers;
    int month = 0;
    for (const Token &token : tokensOf(text)) {
        if (token.number) {
            numbers.append(token.text);
            continue;
        }
        if (isGlueWord(token.text, locale))
            continue;
        if (const int named = monthOf(token.text, locale); named != 0) {
            if (named < 0 || month != 0)
                return std::nullopt; // "Ma", or two months
            month = named;
        } else if (!isDayName(token.text, locale) && token.text.size() > 2) {
            // Short words are the glue of written dates ("de", "of", "th", 年); longer ones
            // that name nothing make it no date.
            return std::nullopt;
        }
    }
    return month != 0 ? withMonthName(month, numbers, today) : fromNumbers(numbers, locale, today);
}

QString format(QDate day, const QLocale &locale)
{
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)yy(?!y)"));
    pattern.replace(shortYear, QStringLiteral("yyyy"));
    return locale.toString(day, pattern);
}

} // namespace DateText
