#pragma once

#include <algorithm>
#include <climits>
#include <QLocale>
#include <QStringList>

class QCoreApplication;

// The language Orvanta speaks: the first of the user's languages (LANGUAGE, then LC_ALL,
// LC_MESSAGES or LANG, as desktop programs read them) that it has a translation for, else
// English, the texts' own. Qt's own texts (the print, file and message dialogs) follow it.
namespace AppLanguage {

// The languages Orvanta has translations for, English first.
QStringList available();

// Which of them speaks to a user who reads `uiLanguages` (best first, as QLocale gives them:
// "de-DE", "fr", "C"): the first that has a translation, matched by its language, else "en".
QString chooseFor(const QStringList &uiLanguages);

// Installs the translations of `language` (one of available()) into the application: the
// program's and, for a language other than English, Qt's own where they are installed. Returns
// false where the program's own could not be loaded (a build without them).
bool install(QCoreApplication &application, const QString &language);

// The language last installed; English before any.
QString current();

// install() for the languages of the user's environment; returns the language chosen.
QString installForUser(QCoreApplication &application);

// A count as Qt's plural forms take it, an int; one beyond shows as the largest.
constexpr int pluralCount(qint64 n)
{
    return int(std::min<qint64>(n, INT_MAX));
}

// The user's guide in `language`, Markdown from its first heading; empty for English, whose
// guide is the README's.
QString guide(const QString &language);

} // namespace AppLanguage
