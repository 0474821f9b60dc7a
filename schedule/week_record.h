#pragma once

#include <array>
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

// Each text followed by the separator; an empty week is 144 characters.
QString encodeWeekRecord(const WeekTexts &texts);

// The fields a stored record fills, in order: one per separator found, at most eight. The
// text after the last separator is no field. Fields from the eighth on all belong to the
// notes, joined again by the separator, so that a text that happened to contain the
// separator is saved back exactly as it was read.
QStringList decodeWeekRecord(const QString &record);

// Records hold line breaks as CR LF; a text box works with LF alone.
QString toStoredText(const QString &shown);
QString toShownText(const QString &stored);
