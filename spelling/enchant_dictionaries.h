#pragma once

#include "spelling/spell_dictionary.h"

struct str_enchant_broker;

// The dictionaries Enchant finds (Hunspell's, Aspell's, …). Enchant is loaded on first use only,
// so that constructing this costs the start nothing. The personal word list is Enchant's own,
// shared with the user's other programs.
class EnchantDictionaries final : public SpellDictionaries
{
public:
    EnchantDictionaries();
    ~EnchantDictionaries() override;

    QStringList languages() override;
    std::unique_ptr<SpellDictionary> open(const QString &language) override;

private:
    str_enchant_broker *broker();

    // Shared with the open dictionaries, which must be freed before it.
    std::shared_ptr<str_enchant_broker> m_broker;
};
