#pragma once

#include <memory>
#include <QString>
#include <QStringList>
#include <QStringView>

// One language's dictionary, as the spelling check uses it. Enchant's in the program; tests put
// their own in its place.
class SpellDictionary
{
public:
    virtual ~SpellDictionary() = default;

    // Its tag, such as "en_US".
    virtual QString language() const = 0;
    virtual bool isCorrect(QStringView word) = 0;
    // The best first.
    virtual QStringList suggestions(const QString &word) = 0;
    // Into the user's personal word list, for good.
    virtual void addToPersonal(const QString &word) = 0;
    // Correct for as long as this dictionary is open.
    virtual void ignore(const QString &word) = 0;
};

// The dictionaries installed on the machine.
class SpellDictionaries
{
public:
    virtual ~SpellDictionaries() = default;

    // Their tags, sorted.
    virtual QStringList languages() = 0;
    // Null when `language` is not installed or cannot be opened.
    virtual std::unique_ptr<SpellDictionary> open(const QString &language) = 0;
};
