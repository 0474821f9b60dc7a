#pragma once

#include <QList>
#include <QString>

// The user's guide as Markdown: the README's part for users (from "Using Orvanta" up to the
// part for developers), without the pictures that only the web shows, then a table of every
// key. No widgets.
namespace GuideText {

struct Key
{
    QString action;
    QString keys; // as the desktop writes them; empty for an action without one
};

// `readme`: the README's text; `keys`: the actions in the menu's order.
QString markdown(const QString &readme, const QList<Key> &keys);

// The README built into the program.
QString builtInReadme();
// The users' part in the language the program speaks: its own translation, or the README.
QString builtInGuide();

} // namespace GuideText
