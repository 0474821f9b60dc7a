#pragma once

#include <QList>
#include <QStringView>

// Where a word stands in its line.
struct WordSpan
{
    qsizetype start = 0;
    qsizetype length = 0;
    friend bool operator==(const WordSpan &, const WordSpan &) = default;
};

// The words of `line` worth asking a dictionary about: letters (accents included) joined by
// inner apostrophes, as in "don't". Left out, as no dictionary knows them: numbers and words
// with digits or underscores, ALL-CAPS abbreviations, and web and e-mail addresses.
QList<WordSpan> checkableWords(QStringView line);
