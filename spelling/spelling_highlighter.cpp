#include "spelling/spelling_highlighter.h"

#include "spelling/spell_dictionary.h"
#include "spelling/words.h"

namespace {
// Beyond this many distinct words the answers are forgotten, to bound the memory they take.
constexpr qsizetype kMostAnswers = 200'000;
} // namespace

void WordChecker::setDictionary(SpellDictionary *dictionary)
{
    m_dictionary = dictionary;
    m_misspelled.clear();
}

bool WordChecker::isMisspelled(QStringView word)
{
    if (!m_dictionary)
        return false;
    const auto known = m_misspelled.find(word);
    if (known != m_misspelled.end())
        return known->second;
    if (qsizetype(m_misspelled.size()) >= kMostAnswers)
        m_misspelled.clear();
    const bool misspelled = !m_dictionary->isCorrect(word);
    m_misspelled.emplace(word.toString(), misspelled);
    return misspelled;
}

SpellingHighlighter::SpellingHighlighter(QTextDocument *document, WordChecker &checker)
    : QSyntaxHighlighter(document), m_checker(checker)
{
    m_misspelled.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    m_misspelled.setUnderlineColor(Qt::red);
}

void SpellingHighlighter::highlightBlock(const QString &text)
{
    const QStringView line(text);
    for (const WordSpan &word : checkableWords(line)) {
        if (m_checker.isMisspelled(line.sliced(word.start, word.length)))
            setFormat(int(word.start), int(word.length), m_misspelled);
    }
}
