#include "week_keys.h"

#include "desktop/clock.h"
#include "schedule/week.h"
#include "week_page.h"

#include <QDateTime>
#include <QShortcut>
#include <QWidget>

WeekKeys::WeekKeys(QWidget &window, const WeekPage &page, const Clock &clock, QObject *parent)
    : QObject(parent)
{
    const auto addKey = [&](const QKeySequence &keys, const char *name, auto action) {
        auto *shortcut = new QShortcut(keys, &window);
        shortcut->setObjectName(QLatin1String(name));
        connect(shortcut, &QShortcut::activated, this, action);
    };
    addKey(QKeySequence::Save, "SaveWeekKey", [this] { emit saveRequested(); });
    addKey(QKeySequence(Qt::ALT | Qt::Key_Home), "ThisWeekKey",
           [this, &clock] { emit dayRequested(clock.now().date()); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_PageUp), "PreviousWeekKey",
           [this, &page] { emit dayRequested(page.weekStart().addDays(-kDaysPerWeek)); });
    addKey(QKeySequence(Qt::CTRL | Qt::Key_PageDown), "NextWeekKey",
           [this, &page] { emit dayRequested(page.weekStart().addDays(kDaysPerWeek)); });
}
