#pragma once

#include <QHash>
#include <QString>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

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
    SpellDictionary *m_dictionary = nullptr;
    QHash<QString, bool> m_misspelled;
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
