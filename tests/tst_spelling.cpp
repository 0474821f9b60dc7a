// The spelling check of the boxes: which words are underlined, what a box's menu offers for a
// misspelled word and what its entries do, the switch and the language, remembered; once with
// Enchant's own English dictionary.
#include "spelling/spell_check.h"
#include "spelling/spell_dictionary.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

using namespace Qt::StringLiterals;

namespace {

// What the fake dictionaries know, and what they were asked and told.
struct Words
{
    QStringList installed{u"de_DE"_s, u"en_US"_s};
    QHash<QString, QSet<QString>> known{
        {u"en_US"_s,
         {u"the"_s, u"fox"_s, u"don't"_s, u"café"_s, u"see"_s, u"and"_s, u"well"_s, u"one"_s,
          u"two"_s, u"three"_s, u"four"_s, u"five"_s, u"six"_s, u"house"_s, u"it"_s}},
        {u"de_DE"_s, {u"Haus"_s}}};
    QHash<QString, QStringList> suggestions{
        {u"qick"_s, {u"quick"_s, u"quack"_s, u"quirk"_s, u"quirks"_s, u"kick"_s, u"lick"_s}}};
    QStringList asked, added, ignored, opened;
};

class FakeDictionary final : public SpellDictionary
{
public:
    FakeDictionary(Words &words, QString language) : m_words(words), m_language(language) {}
    QString language() const override { return m_language; }
    bool isCorrect(QStringView word) override
    {
        m_words.asked.append(word.toString());
        return m_words.known[m_language].contains(word.toString()) ||
               m_session.contains(word.toString());
    }
    QStringList suggestions(const QString &word) override { return m_words.suggestions[word]; }
    void addToPersonal(const QString &word) override
    {
        m_words.added.append(word);
        m_words.known[m_language].insert(word);
    }
    void ignore(const QString &word) override
    {
        m_words.ignored.append(word);
        m_session.insert(word);
    }

private:
    Words &m_words;
    QString m_language;
    QSet<QString> m_session;
};

class FakeDictionaries final : public SpellDictionaries
{
public:
    explicit FakeDictionaries(Words &words) : m_words(words) {}
    QStringList languages() override { return m_words.installed; }
    std::unique_ptr<SpellDictionary> open(const QString &language) override
    {
        if (!m_words.installed.contains(language))
            return nullptr;
        m_words.opened.append(language);
        return std::make_unique<FakeDictionary>(m_words, language);
    }

private:
    Words &m_words;
};

// The underlined ranges as "line:start:length".
QStringList underlines(const QPlainTextEdit &box)
{
    QStringList found;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        for (const QTextLayout::FormatRange &r : b.layout()->formats()) {
            if (r.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                found.append(u"%1:%2:%3"_s.arg(b.blockNumber()).arg(r.start).arg(r.length));
        }
    }
    return found;
}

// Where a click lands on the character boundary `position` of `box`.
QPoint pointAt(const QPlainTextEdit &box, int position)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(position);
    return box.cursorRect(cursor).center();
}

// The texts of a menu's actions, a separator as "-".
QStringList texts(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *a : actions)
        result.append(a->isSeparator() ? u"-"_s : a->text());
    return result;
}

QAction *action(const QMenu &menu, const QString &name)
{
    return menu.findChild<QAction *>(name);
}

// A spelling check on fake dictionaries with one box, started.
struct Checked
{
    explicit Checked(Words &words, const QString &text = {})
        : check(std::make_unique<FakeDictionaries>(words))
    {
        box.setPlainText(text);
        check.attach(&box);
        check.start();
    }
    QPlainTextEdit box;
    SpellCheck check;
};

} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QSettings().clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void misspelledWordsAreUnderlined_data();
    void misspelledWordsAreUnderlined();
    void anEditAsksOnlyAboutNewWords_data();
    void anEditAsksOnlyAboutNewWords();
    void theMenuOffersSuggestionsForTheWordClicked_data();
    void theMenuOffersSuggestionsForTheWordClicked();
    void addedOrIgnoredWordsAreCorrectInEveryBox_data();
    void addedOrIgnoredWordsAreCorrectInEveryBox();
    void switchedOffNothingIsUnderlinedAndStaysOff();
    void aLanguageChosenIsUsedAndRemembered();
    void theDictionaryAtStart_data();
    void theDictionaryAtStart();
    void theAnswersRememberedAreBounded();
    void enchantsEnglishDictionary();
};

void TestSpelling::misspelledWordsAreUnderlined_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("underlined");

    QTest::newRow("a word") << u"the qick fox"_s << QStringList{u"0:4:4"_s};
    QTest::newRow("at the end of a line") << u"the fox qick"_s << QStringList{u"0:8:4"_s};
    QTest::newRow("two lines") << u"qick the\nfox qick"_s << QStringList{u"0:0:4"_s, u"1:4:4"_s};
    QTest::newRow("inner apostrophe") << u"don't donn't"_s << QStringList{u"0:6:6"_s};
    QTest::newRow("inner curly apostrophe") << u"donn’t"_s << QStringList{u"0:0:6"_s};
    QTest::newRow("quotes around") << u"'qick'"_s << QStringList{u"0:1:4"_s};
    QTest::newRow("punctuation") << u"(qick), the."_s << QStringList{u"0:1:4"_s};
    QTest::newRow("accented letters") << u"café cafè"_s << QStringList{u"0:5:4"_s};
    QTest::newRow("combining accent") << u"cafe\u0301s"_s << QStringList{u"0:0:6"_s};
    QTest::newRow("hyphen") << u"well-knwn"_s << QStringList{u"0:5:4"_s};
    QTest::newRow("title case") << u"Qick"_s << QStringList{u"0:0:4"_s};
    QTest::newRow("one capital letter") << u"Q"_s << QStringList{u"0:0:1"_s};
    QTest::newRow("numbers, digits, abbreviations")
        << u"10am 2024 qick3 R2D2 NASA snake_case"_s << QStringList{};
    QTest::newRow("addresses")
        << u"see https://qick.example/qick and qick@example.org www.qick.example"_s
        << QStringList{};
}

void TestSpelling::misspelledWordsAreUnderlined()
{
    QFETCH(QString, text);
    QFETCH(QStringList, underlined);
    Words words;
    Checked checked(words, text);
    QCOMPARE(underlines(checked.box), underlined);
}

void TestSpelling::anEditAsksOnlyAboutNewWords_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("asked");

    // In "one two\nthree four\nfive six".
    QTest::newRow("a word typed") << 18 << 0 << u" sevn"_s << QStringList{u"sevn"_s};
    QTest::newRow("a letter typed into a word") << 11 << 0 << u"x"_s << QStringList{u"thrxee"_s};
    QTest::newRow("a new line") << 18 << 0 << u"\nsevn"_s << QStringList{u"sevn"_s};
    QTest::newRow("words seen before") << 18 << 0 << u" one six"_s << QStringList{};
    QTest::newRow("a word deleted") << 8 << 6 << QString() << QStringList{};
}

void TestSpelling::anEditAsksOnlyAboutNewWords()
{
    QFETCH(int, position);
    QFETCH(int, removed);
    QFETCH(QString, typed);
    QFETCH(QStringList, asked);
    Words words;
    Checked checked(words, u"one two\nthree four\nfive six"_s);
    QCOMPARE(words.asked.size(), 6);
    words.asked.clear();

    QTextCursor cursor(checked.box.document());
    cursor.setPosition(position);
    cursor.setPosition(position + removed, QTextCursor::KeepAnchor);
    cursor.insertText(typed);
    QCOMPARE(words.asked, asked);
}

void TestSpelling::theMenuOffersSuggestionsForTheWordClicked_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("right");           // pixels right of that
    QTest::addColumn<QStringList>("entries"); // above the box's own
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("replaced");

    const QStringList qick{u"quick"_s,  u"quack"_s, u"quirk"_s,
                           u"quirks"_s, u"kick"_s,  u"Add to dictionary"_s,
                           u"Ignore"_s, u"-"_s};
    QTest::newRow("its first letter")
        << u"the qick fox"_s << 4 << 0 << qick << 2 << u"the quirk fox"_s;
    QTest::newRow("just after its last")
        << u"the qick fox"_s << 8 << 0 << qick << 0 << u"the quick fox"_s;
    QTest::newRow("second line") << u"the fox\nqick it"_s << 9 << 0 << qick << 4
                                 << u"the fox\nkick it"_s;
    QTest::newRow("no suggestions")
        << u"the zzz"_s << 5 << 0
        << QStringList{u"No suggestions"_s, u"Add to dictionary"_s, u"Ignore"_s, u"-"_s} << -1
        << QString();
    QTest::newRow("a correct word")
        << u"the qick fox"_s << 1 << 0 << QStringList{} << -1 << QString();
    QTest::newRow("just after a correct word")
        << u"the qick"_s << 3 << 0 << QStringList{} << -1 << QString();
    QTest::newRow("right of the line's end")
        << u"the qick\nfox"_s << 8 << 40 << QStringList{} << -1 << QString();
}

void TestSpelling::theMenuOffersSuggestionsForTheWordClicked()
{
    QFETCH(QString, text);
    QFETCH(int, clicked);
    QFETCH(int, right);
    QFETCH(QStringList, entries);
    QFETCH(int, chosen);
    QFETCH(QString, replaced);
    Words words;
    Checked checked(words, text);
    QMenu menu;
    menu.addAction(u"Copy"_s);

    checked.check.addToContextMenu(menu, checked.box,
                                   pointAt(checked.box, clicked) + QPoint(right, 0));
    const QStringList all = texts(menu.actions());
    QCOMPARE(all.mid(0, all.indexOf(u"Copy"_s)), entries);
    QCOMPARE(all.mid(all.indexOf(u"Copy"_s)),
             (QStringList{u"Copy"_s, u"-"_s, u"Check spelling"_s, u"Language"_s}));
    if (chosen < 0)
        return;

    menu.actions().at(chosen)->trigger();
    QCOMPARE(checked.box.toPlainText(), replaced);
    checked.box.undo();
    QCOMPARE(checked.box.toPlainText(), text);
    QVERIFY(!checked.box.document()->isUndoAvailable());
}

void TestSpelling::addedOrIgnoredWordsAreCorrectInEveryBox_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("added");
    QTest::addColumn<QStringList>("ignored");

    QTest::newRow("add") << u"spellingAddToDictionary"_s << QStringList{u"qick"_s} << QStringList{};
    QTest::newRow("ignore") << u"spellingIgnore"_s << QStringList{} << QStringList{u"qick"_s};
}

void TestSpelling::addedOrIgnoredWordsAreCorrectInEveryBox()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, added);
    QFETCH(QStringList, ignored);
    Words words;
    Checked checked(words, u"the qick fox"_s);
    QPlainTextEdit other;
    other.setPlainText(u"fox\nqick"_s);
    checked.check.attach(&other);
    QCOMPARE(underlines(other), QStringList{u"1:0:4"_s});

    QMenu menu;
    checked.check.addToContextMenu(menu, checked.box, pointAt(checked.box, 5));
    action(menu, entry)->trigger();
    QCOMPARE(words.added, added);
    QCOMPARE(words.ignored, ignored);
    QCOMPARE(underlines(checked.box), QStringList{});
    QCOMPARE(underlines(other), QStringList{});
}

void TestSpelling::switchedOffNothingIsUnderlinedAndStaysOff()
{
    Words words;
    {
        Checked checked(words, u"qick"_s);
        QMenu menu;
        checked.check.addToContextMenu(menu, checked.box, {});
        QVERIFY(action(menu, u"spellingEnabled"_s)->isChecked());
        action(menu, u"spellingEnabled"_s)->trigger();
        QCOMPARE(underlines(checked.box), QStringList{});
    }
    QCOMPARE(QSettings().value(u"spelling/enabled"_s), QVariant(false));

    Checked again(words, u"qick"_s);
    QCOMPARE(underlines(again.box), QStringList{});
    QMenu menu;
    again.check.addToContextMenu(menu, again.box, {});
    QCOMPARE(texts(menu.actions()).first(), u"-"_s); // no word entries while off
    QVERIFY(!action(menu, u"spellingEnabled"_s)->isChecked());
    action(menu, u"spellingEnabled"_s)->trigger();
    QCOMPARE(underlines(again.box), QStringList{u"0:0:4"_s});
}

void TestSpelling::aLanguageChosenIsUsedAndRemembered()
{
    Words words;
    {
        Checked checked(words, u"Haus house"_s);
        QCOMPARE(underlines(checked.box), QStringList{u"0:0:4"_s});
        QMenu menu;
        checked.check.addToContextMenu(menu, checked.box, {});
        const auto *languages = menu.findChild<QMenu *>(u"spellingLanguages"_s);
        QStringList tags, inUse;
        for (QAction *a : languages->actions()) {
            tags.append(a->data().toString());
            if (a->isChecked())
                inUse.append(a->data().toString());
        }
        QCOMPARE(tags, words.installed);
        QCOMPARE(inUse, QStringList{u"en_US"_s});

        languages->actions().at(0)->trigger();
        QCOMPARE(checked.check.language(), u"de_DE"_s);
        QCOMPARE(underlines(checked.box), QStringList{u"0:5:5"_s});
    }
    words.opened.clear();
    Checked again(words, u"Haus house"_s);
    QCOMPARE(words.opened, QStringList{u"de_DE"_s});
}

void TestSpelling::theDictionaryAtStart_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("chosen"); // by the user, before
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("opened");

    const QStringList deAndEn{u"de_DE"_s, u"en_US"_s};
    QTest::newRow("the one chosen") << deAndEn << u"de_DE"_s << u"en_US"_s << u"de_DE"_s;
    QTest::newRow("the one chosen is gone")
        << QStringList{u"en_US"_s} << u"de_DE"_s << u"en_US"_s << u"en_US"_s;
    QTest::newRow("the locale's") << deAndEn << QString() << u"de_DE"_s << u"de_DE"_s;
    QTest::newRow("the locale's language")
        << QStringList{u"de"_s, u"en_US"_s} << QString() << u"de_DE"_s << u"de"_s;
    QTest::newRow("the language in another country")
        << deAndEn << QString() << u"de_AT"_s << u"de_DE"_s;
    QTest::newRow("none for the locale") << deAndEn << QString() << u"fr_FR"_s << QString();
    QTest::newRow("none installed") << QStringList{} << QString() << u"en_US"_s << QString();
}

void TestSpelling::theDictionaryAtStart()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, chosen);
    QFETCH(QString, locale);
    QFETCH(QString, opened);
    if (!chosen.isEmpty())
        QSettings().setValue(u"spelling/language"_s, chosen);
    QLocale::setDefault(QLocale(locale));
    Words words;
    words.installed = installed;
    words.known[u"de"_s] = words.known[u"de_DE"_s];

    Checked checked(words, u"Haus"_s);
    QCOMPARE(checked.check.language(), opened);
    QCOMPARE(underlines(checked.box), opened.startsWith(u"de"_s) || opened.isEmpty()
                                          ? QStringList{}
                                          : QStringList{u"0:0:4"_s});
}

// A box of ever new words (a pasted list, say) must not make the remembered answers grow without
// end: past 200,000 words they are forgotten, and the dictionary is asked again.
void TestSpelling::theAnswersRememberedAreBounded()
{
    Words words;
    FakeDictionary dictionary(words, u"en_US"_s);
    WordChecker checker;
    checker.setDictionary(&dictionary);
    const auto word = [](int i) { return u"w"_s + QString::number(i); };
    for (int i = 0; i < 200'000; ++i)
        checker.isMisspelled(word(i));
    checker.isMisspelled(word(0));
    QCOMPARE(words.asked.size(), 200'000); // all remembered so far
    checker.isMisspelled(word(200'000));
    checker.isMisspelled(word(1));
    QCOMPARE(words.asked.size(), 200'002); // forgotten at the bound, so asked again
}

void TestSpelling::enchantsEnglishDictionary()
{
    // Where the dictionary is installed, Enchant must find it: a check that cannot load
    // Enchant or its dictionary fails here rather than skipping.
    if (!QFile::exists(u"/usr/share/hunspell/en_US.dic"_s))
        QSKIP("no en_US dictionary installed (Debian: hunspell-en-us)");
    QPlainTextEdit box;
    box.setPlainText(u"I don’t recieve it"_s);
    SpellCheck check;
    check.attach(&box);
    check.start();
    QCOMPARE(check.language(), u"en_US"_s);
    QCOMPARE(underlines(box), QStringList{u"0:8:7"_s});

    QMenu menu;
    check.addToContextMenu(menu, box, pointAt(box, 10));
    const QList<QAction *> suggestions = menu.findChildren<QAction *>(u"spellingSuggestion"_s);
    const auto receive = std::find_if(suggestions.begin(), suggestions.end(),
                                      [](QAction *a) { return a->text() == u"receive"_s; });
    QVERIFY2(receive != suggestions.end(), qPrintable(texts(suggestions).join(u", "_s)));
    (*receive)->trigger();
    QCOMPARE(box.toPlainText(), u"I don’t receive it"_s);

    // Added words go to the personal list in this test's own home.
    box.setPlainText(u"Qwzxvb"_s);
    QCOMPARE(underlines(box), QStringList{u"0:0:6"_s});
    QMenu again;
    check.addToContextMenu(again, box, pointAt(box, 1));
    action(again, u"spellingAddToDictionary"_s)->trigger();
    QCOMPARE(underlines(box), QStringList{});
    QVERIFY(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + u"/enchant/en_US.dic"_s));
}

int main(int argc, char *argv[])
{
    // A home of its own, before Enchant or QSettings look: the user's personal word list and
    // settings stay untouched.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString path = home.path() + u'/' + QString::fromLatin1(name);
        QDir().mkpath(path);
        qputenv(name, QFile::encodeName(path));
    }
    QApplication app(argc, argv);
    app.setOrganizationName(u"Orvanta tests"_s);
    app.setApplicationName(u"tst_spelling"_s);
    TestSpelling test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_spelling.moc"
