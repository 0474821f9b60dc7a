#pragma once

#include <QString>

class Alerts;

// A dbCalendar.mdb of the earlier Windows program (a Jet or ACE file) at start: its weeks are
// read into a new database with progress shown, the user is asked whether to take it (Yes by
// default), and told how it went. The original is kept whatever the answer.
namespace EarlierProgramOffer {

struct Window
{
    QString databasePath;
    QString readerProgram; // empty: orvanta-jet-reader beside the program
    Alerts *alerts = nullptr;
};

enum class Outcome { Converted, Declined, Failed };

// Failed: the reason was told. Declined: the user said No; nothing was changed.
Outcome offer(const Window &window);

} // namespace EarlierProgramOffer
