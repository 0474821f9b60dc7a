// Typing one key at a time into a box of 100,000 characters, with Enchant's English dictionary
// underlining misspelled words and without it: the key's press and release, the underlines of
// the changed line and the repaint. The text is in lines of about 60 characters, or one line.
#include "spelling/enchant_dictionaries.h"
#include "spelling/spell_check.h"
#include "spelling/words.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCharacters = 100'000;

// Sentences of a schedule book, one word in eleven misspelled: more than most people leave.
QString scheduleText(bool oneLine)
{
    const QStringList words = (u"meeting with the dentist at ten tommorow bring the papers and "
                               u"call Sam about lunch recieve the parcel from the post office "
                               u"don’t forget the school play on Friday definately buy flowers"_s)
                                  .split(u' ');
    QString text;
    text.reserve(kCharacters + 100);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; text.size() < kCharacters; ++i) {
        if (!text.isEmpty())
            text += !oneLine && text.size() - lineStart > 60 ? u'\n' : u' ';
        if (text.endsWith(u'\n'))
            lineStart = text.size();
        text += words[i % words.size()];
    }
    text.truncate(kCharacters);
    return text;
}

void pressKey(QWidget &box, QChar c)
{
    const QString text(c);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text);
    QApplication::sendEvent(&box, &press);
    QApplication::sendEvent(&box, &release);
}

// Args: one line (0, 1), typing in the middle (0 = at the end, 1), spelling check on (0, 1).
void BM_TypeAKey(benchmark::State &state)
{
    const bool oneLine = state.range(0) != 0;
    const bool middle = state.range(1) != 0;
    const bool checking = state.range(2) != 0;

    QPlainTextEdit box;
    box.resize(600, 150);
    box.setPlainText(scheduleText(oneLine));
    SpellCheck check;
    if (checking) {
        check.attach(&box);
        check.start();
        if (check.language() != u"en_US"_s) {
            state.SkipWithError("no en_US dictionary for Enchant (Debian: hunspell-en-us)");
            return;
        }
    }
    box.show();
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(middle ? kCharacters / 2 : kCharacters);
    box.setTextCursor(cursor);
    QCoreApplication::processEvents();

    const QString typed = u"the quick brown fox jumps over the lazy dog "_s;
    qsizetype next = 0;
    for (auto _ : state) {
        pressKey(box, typed[next++ % typed.size()]);
        QCoreApplication::processEvents(); // the repaint
    }
    state.SetItemsProcessed(state.iterations());
}

// The spelling check's own share of a key typed into a line of 100,000 characters: its words
// found and looked up among the answers remembered, without the layout and the repaint.
void BM_WordsOfALongLine(benchmark::State &state)
{
    EnchantDictionaries dictionaries;
    const std::unique_ptr<SpellDictionary> english = dictionaries.open(u"en_US"_s);
    if (!english) {
        state.SkipWithError("no en_US dictionary for Enchant (Debian: hunspell-en-us)");
        return;
    }
    WordChecker checker;
    checker.setDictionary(english.get());
    const QString line = scheduleText(true);
    qsizetype misspelled = 0;
    for (auto _ : state) {
        for (const WordSpan &word : checkableWords(line))
            misspelled += checker.isMisspelled(QStringView(line).sliced(word.start, word.length));
    }
    benchmark::DoNotOptimize(misspelled);
}

// start() as the window calls it once shown: Enchant loaded, the dictionary opened and a box of
// 100,000 characters (Arg: in one line) checked and laid out with its underlines.
void BM_Start(benchmark::State &state)
{
    QPlainTextEdit box;
    box.resize(600, 150);
    box.show();
    box.setPlainText(scheduleText(state.range(0) != 0));
    QCoreApplication::processEvents();
    for (auto _ : state) {
        SpellCheck check;
        check.attach(&box);
        check.start();
        QCoreApplication::processEvents(); // the repaint
        state.PauseTiming();
        if (check.language() != u"en_US"_s)
            state.SkipWithError("no en_US dictionary for Enchant (Debian: hunspell-en-us)");
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_Start)->ArgName("one_line")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WordsOfALongLine)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeAKey)
    ->ArgNames({"one_line", "middle", "spelling"})
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The dictionary of the English locale, and none of the user's own settings read.
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
