#include "spelling/enchant_dictionaries.h"

#include <enchant.h>

namespace {

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
    ~EnchantDictionary() override { enchant_broker_free_dict(m_broker.get(), m_dict); }
    EnchantDictionary(const EnchantDictionary &) = delete;
    EnchantDictionary &operator=(const EnchantDictionary &) = delete;

    QString language() const override { return m_language; }

    bool isCorrect(QStringView word) override
    {
        const QByteArray utf8 = forDictionary(word);
        // Below zero is Enchant's error: better no underline than a wrong one.
        return enchant_dict_check(m_dict, utf8.constData(), utf8.size()) <= 0;
    }

    QStringList suggestions(const QString &word) override
    {
        const QByteArray utf8 = forDictionary(word);
        size_t count = 0;
        char **list = enchant_dict_suggest(m_dict, utf8.constData(), utf8.size(), &count);
        QStringList result;
        for (size_t i = 0; i < count; ++i)
            result.append(QString::fromUtf8(list[i]));
        if (list)
            enchant_dict_free_string_list(m_dict, list);
        return result;
    }

    void addToPersonal(const QString &word) override
    {
        const QByteArray utf8 = forDictionary(word);
        enchant_dict_add(m_dict, utf8.constData(), utf8.size());
    }

    void ignore(const QString &word) override
    {
        const QByteArray utf8 = forDictionary(word);
        enchant_dict_add_to_session(m_dict, utf8.constData(), utf8.size());
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
    if (!m_broker)
        m_broker.reset(enchant_broker_init(), [](EnchantBroker *b) {
            if (b)
                enchant_broker_free(b);
        });
    return m_broker.get();
}

QStringList EnchantDictionaries::languages()
{
    QStringList tags;
    if (EnchantBroker *b = broker()) {
        enchant_broker_list_dicts(
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
    EnchantDict *dict = enchant_broker_request_dict(b, language.toUtf8().constData());
    if (!dict)
        return nullptr;
    return std::make_unique<EnchantDictionary>(m_broker, dict, language);
}
