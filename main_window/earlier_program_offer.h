#pragma once

#include <QDate>
#include <QString>

class Alerts;
class CalendarConnection;

// A dbCalendar.mdb of the earlier Windows program (a Jet or ACE file) at start: its weeks are
// read into a new database with progress shown, the user is asked whether to take it (Yes by
// default), and what to tell of how it went is handed back. The original is kept whatever the
// answer.
namespace EarlierProgramOffer {

struct Window
{
    QString databasePath;
    QString readerProgram; // empty: orvanta-jet-reader beside the program
    Alerts *alerts = nullptr;
};

enum class Outcome { Converted, Declined, Failed };

struct Result
{
    Outcome outcome = Outcome::Failed;
    // Converted: how it went, for the window to tell once it knows which week it shows.
    QString told = {};
};

// Failed: the reason was told. Declined: the user said No; nothing was changed.
Result offer(const Window &window);

// The week to show once the weeks came over: the newest that holds text up to `today`, which
// `told` then names; invalid (today's week is shown) where there is none.
QDate weekToShow(CalendarConnection &connection, QDate today, QString &told);

} // namespace EarlierProgramOffer
