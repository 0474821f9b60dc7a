#pragma once

#include <QHashFunctions>
#include <QString>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <unordered_map>

class SpellDictionary;

// A dictionary's answers, remembered: a long line is checked again on every key typed in it,
// and asking the dictionary each time about every word of it would stall the typing.
class WordChecker
{
public:
    // Null checks nothing. Forgets the answers of the one before.
    void setDictionary(SpellDictionary *dictionary);
    SpellDictionary *dictionary() const { return m_dictionary; }

    bool isMisspelled(QStringView word);
    // After the dictionary's words changed (a word added or ignored).
    void forgetAnswers() { m_misspelled.clear(); }

private:
    // Looked up by the word's view into its line: no copy of each word on every key.
    struct WordHash
    {
        using is_transparent = void;
        size_t operator()(QStringView word) const { return qHash(word); }
    };

    SpellDictionary *m_dictionary = nullptr;
    std::unordered_map<QString, bool, WordHash, std::equal_to<>> m_misspelled;
};

// Underlines the misspelled words of a document with the style's wavy line. Qt calls it for the
// lines that changed only.
class SpellingHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT
public:
    SpellingHighlighter(QTextDocument *document, WordChecker &checker);

protected:
    void highlightBlock(const QString &text) override;

private:
    WordChecker &m_checker;
    QTextCharFormat m_misspelled;
};
