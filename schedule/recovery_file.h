#pragma once

#include "week_record.h"

#include <QDate>
#include <QLocale>
#include <QStringList>

// When a week cannot be saved to the database, its texts go to a plain-text file that a
// person can open and copy back: "Orvanta unsaved week of 2026-12-06.txt". Each folder is
// tried in turn and an existing file is never overwritten. Returns the file's path, or an
// empty string when no folder would take it.
QString writeRecoveryFile(const QStringList &folders, QDate firstDay, const WeekTexts &texts,
                          const QLocale &locale = QLocale());

// The week's texts under their headings, as a recovery file holds them.
QString recoveryText(QDate firstDay, const WeekTexts &texts, const QLocale &locale = QLocale());
