#include "spelling/enchant_dictionaries.h"

#include <enchant.h>
#include <optional>
#include <QLibrary>

namespace {

// Enchant's functions, from its library loaded on the first use: a start loads no spelling
// library, and a desktop without Enchant gets no underline rather than no program.
struct Enchant
{
    decltype(&enchant_broker_init) brokerInit = nullptr;
    decltype(&enchant_broker_free) brokerFree = nullptr;
    decltype(&enchant_broker_list_dicts) listDicts = nullptr;
    decltype(&enchant_broker_request_dict) requestDict = nullptr;
    decltype(&enchant_broker_free_dict) freeDict = nullptr;
    decltype(&enchant_dict_check) check = nullptr;
    decltype(&enchant_dict_suggest) suggest = nullptr;
    decltype(&enchant_dict_free_string_list) freeStringList = nullptr;
    decltype(&enchant_dict_add) add = nullptr;
    decltype(&enchant_dict_add_to_session) addToSession = nullptr;
};

const Enchant *enchant()
{
    static const std::optional<Enchant> loaded = []() -> std::optional<Enchant> {
        QLibrary library(QStringLiteral("enchant-2"), 2);
        if (!library.load())
            return std::nullopt;
        Enchant api;
        bool all = true;
        const auto resolve = [&](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                library.resolve(name));
            all = all && function;
        };
        resolve(api.brokerInit, "enchant_broker_init");
        resolve(api.brokerFree, "enchant_broker_free");
        resolve(api.listDicts, "enchant_broker_list_dicts");
        resolve(api.requestDict, "enchant_broker_request_dict");
        resolve(api.freeDict, "enchant_broker_free_dict");
        resolve(api.check, "enchant_dict_check");
        resolve(api.suggest, "enchant_dict_suggest");
        resolve(api.freeStringList, "enchant_dict_free_string_list");
        resolve(api.add, "enchant_dict_add");
        resolve(api.addToSession, "enchant_dict_add_to_session");
        return all ? std::optional(api) : std::nullopt; // the library stays loaded
    }();
    return loaded ? &*loaded : nullptr;
}

// Dictionaries know the typewriter apostrophe; people's keyboards often type the curly one.
QByteArray forDictionary(QStringView word)
{
    QString plain = word.toString();
    plain.replace(QChar(0x2019), QLatin1Char('\''));
    return plain.toUtf8();
}

class EnchantDictionary final : public SpellDictionary
{
public:
    EnchantDictionary(std::shared_ptr<EnchantBroker> broker, EnchantDict *dict, QString language)
        : m_broker(std::move(broker)), m_dict(dict), m_language(std::move(language))
    {}
    ~EnchantDictionary() override { enchant()->freeDict(m_broker.get(), m_dict); }
    EnchantDictionary(const EnchantDictionary &) = delete;
    EnchantDictionary &operator=(const EnchantDictionary &) = delete;

    QString language() const override { return m_language; }

    bool isCorrect(QStringView word) override
    {
        const QByteArray utf8 = forDictionary(word);
        // Below zero is Enchant's error: better no underline than a wrong one.
        return enchant()->check(m_dict, utf8.constData(), utf8.size()) <= 0;
    }

    QStringList suggestions(const QString &word) override
    {
        const QByteArray utf8 = forDictionary(word);
        size_t count = 0;
        char **list = enchant()->suggest(m_dict, utf8.constData(), utf8.size(), &count);
        QStringList result;
        for (size_t i = 0; i < count; ++i)
            result.append(QString::fromUtf8(list[i]));
        if (list)
            enchant()->freeStringList(m_dict, list);
        return result;
    }

    void addToPersonal(const QString &word) override
    {
        const QByteArray utf8 = forDictionary(word);
        enchant()->add(m_dict, utf8.constData(), utf8.size());
    }

    void ignore(const QString &word) override
    {
        const QByteArray utf8 = forDictionary(word);
        enchant()->addToSession(m_dict, utf8.constData(), utf8.size());
    }

private:
    std::shared_ptr<EnchantBroker> m_broker;
    EnchantDict *m_dict;
    QString m_language;
};

} // namespace

EnchantDictionaries::EnchantDictionaries() = default;
EnchantDictionaries::~EnchantDictionaries() = default;

EnchantBroker *EnchantDictionaries::broker()
{
    if (!m_broker && enchant())
        m_broker.reset(enchant()->brokerInit(), [](EnchantBroker *b) {
            if (b)
                enchant()->brokerFree(b);
        });
    return m_broker.get();
}

QStringList EnchantDictionaries::languages()
{
    QStringList tags;
    if (EnchantBroker *b = broker()) {
        enchant()->listDicts(
            b,
            [](const char *tag, const char *, const char *, const char *, void *data) {
                static_cast<QStringList *>(data)->append(QString::fromUtf8(tag));
            },
            &tags);
    }
    tags.sort();
    tags.removeDuplicates(); // one language from several providers
    return tags;
}

std::unique_ptr<SpellDictionary> EnchantDictionaries::open(const QString &language)
{
    EnchantBroker *b = broker();
    if (!b || language.isEmpty())
        return nullptr;
    EnchantDict *dict = enchant()->requestDict(b, language.toUtf8().constData());
    if (!dict)
        return nullptr;
    return std::make_unique<EnchantDictionary>(m_broker, dict, language);
}
