#pragma once

#include <array>
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The eight texts of a week: days 0 to 6 from its Sunday, then the week's notes.
inline constexpr int kWeekFieldCount = 8;
inline constexpr int kNotesField = 7;
using WeekTexts = std::array<QString, kWeekFieldCount>;

// The heading over the notes, the eighth text.
inline const QString kNotesHeading = QStringLiteral("Additional Notes For The Week");

// Ends every field of a stored week record. Matched exactly and case-sensitively.
inline const QString WeekDataSeparator = QStringLiteral("||MySeparator123||");

// The record as the store writes it, in UTF-8: each text followed by the separator, so that an
// empty week is 144 characters. Records hold line breaks as CR LF: LF, U+2028 and U+2029 (as a
// text box's document gives its breaks) become CR LF in the same pass that encodes the text, and
// a CR LF already there stays one break.
QByteArray encodeWeekRecord(const WeekTexts &texts);

// The fields a stored record fills, in order: one per separator found, at most eight. The
// text after the last separator is no field. Fields from the eighth on all belong to the
// notes, joined again by the separator, so that a text that happened to contain the
// separator is saved back exactly as it was read.
QStringList decodeWeekRecord(const QString &record);
// The same fields of a record's UTF-8 bytes, as views into `record`: what reading every week,
// where decoding each into text is most of the work, splits.
QList<QByteArrayView> decodeWeekRecordUtf8(QByteArrayView record);

// How many lines of each of the eight texts of `record` (days 0 to 6 from its Sunday, then the
// notes) hold anything but white space; a text the record lacks holds none. Any of CR, LF,
// U+2028 and U+2029 ends a line, so a record from anywhere counts alike.
std::array<int, kWeekFieldCount> linesWithText(const QString &record);

// The days of the week starting at `weekStart` whose text in `record` holds anything but white
// space; the notes are no day.
QList<QDate> daysWithText(QDate weekStart, const QString &record);
