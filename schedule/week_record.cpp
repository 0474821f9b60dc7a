#include "week_record.h"

QString encodeWeekRecord(const WeekTexts &texts)
{
    qsizetype size = kWeekFieldCount * WeekDataSeparator.size();
    for (const QString &text : texts)
        size += text.size();

    QString record;
    record.reserve(size);
    for (const QString &text : texts) {
        record += text;
        record += WeekDataSeparator;
    }
    return record;
}

QStringList decodeWeekRecord(const QString &record)
{
    QStringList pieces = record.split(WeekDataSeparator, Qt::KeepEmptyParts, Qt::CaseSensitive);
    pieces.removeLast(); // never a field: it is not ended by a separator

    if (pieces.size() > kWeekFieldCount) {
        const QString notes = pieces.mid(kNotesField).join(WeekDataSeparator);
        pieces.resize(kWeekFieldCount);
        pieces[kNotesField] = notes;
    }
    return pieces;
}

QString toStoredText(const QString &shown)
{
    QString stored = shown;
    stored.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return stored;
}

QString toShownText(const QString &stored)
{
    QString shown = stored;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}
