#pragma once

#include <QDate>
#include <QObject>

class Clock;
class QWidget;
class WeekPage;

// The keys that people press by habit in a schedule book, anywhere in the window: Ctrl+S saves
// the shown week; Alt+Home goes to this week, Ctrl+PageUp and Ctrl+PageDown to the previous and
// the next one. The window does with them what a click on a day does.
class WeekKeys : public QObject
{
    Q_OBJECT
public:
    WeekKeys(QWidget &window, const WeekPage &page, const Clock &clock, QObject *parent = nullptr);

signals:
    void saveRequested();
    // A day of the week to show, as if clicked in the calendar.
    void dayRequested(QDate day);
};
