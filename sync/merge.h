#pragma once

#include <optional>
#include <QDateTime>
#include <QString>

// How one box's text here and on the server come together, from the text both had at the last
// sync (the base). Texts have LF line breaks; an empty text is a box emptied or an entry gone.
// No word is ever lost: where both sides changed, the box keeps both.
namespace SyncMerge {

struct Result
{
    QString text;
    bool conflict = false; // both sides changed, and both texts are kept
};

// The line between the two texts of a day changed on both sides, `when` in local time:
// "— changed on another device (2026-12-08 14:02) —".
QString conflictLine(const QDateTime &when);

// `base` is nullopt where the box was never synced. `otherChanged` is when the server's text
// changed, for the conflict line.
//  - the same text on both sides, or one side still the base: the other side's text;
//  - both changed, one of them emptied: the edit (an edit wins over a delete);
//  - both changed, and one already holds the other beside a conflict line (a merge made before,
//    by this or another device, whose upload or bookkeeping was cut short): that one, so that
//    merging again never doubles a text;
//  - otherwise this side's text, the conflict line, then the server's.
Result merge(const std::optional<QString> &base, const QString &here, const QString &there,
             const QDateTime &otherChanged);

// `text` with CR LF and lone CR as LF: how sync compares and sends texts whatever their origin.
QString withLfBreaks(QString text);

} // namespace SyncMerge
