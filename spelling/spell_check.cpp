#include "spelling/spell_check.h"

#include "spelling/enchant_dictionaries.h"
#include "spelling/words.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTextBlock>

namespace {

const QString kEnabledKey = QStringLiteral("spelling/enabled");
const QString kLanguageKey = QStringLiteral("spelling/language");
constexpr int kMostSuggestions = 5;

// "American English (en_US)": the tag tells apart what the names alone may not.
QString languageName(const QString &tag)
{
    const QLocale locale(tag);
    const QString name = locale.language() == QLocale::C ? QString() : locale.nativeLanguageName();
    if (name.isEmpty())
        return tag;
    return QStringLiteral("%1 (%2)").arg(name, tag);
}

// Whether `pos` is on the word from `start` to `end` rather than in the empty space beside a
// line's end, which also puts the cursor at the word's end.
bool isOnWord(const QPlainTextEdit &box, QPoint pos, int start, int end)
{
    QTextCursor cursor(box.document());
    cursor.setPosition(start);
    const QRect first = box.cursorRect(cursor);
    cursor.setPosition(end);
    const QRect last = box.cursorRect(cursor);
    if (first.top() != last.top()) // wrapped within the word
        return true;
    return pos.x() >= first.left() - 1 && pos.x() <= last.right() + 1;
}

QString escapedAmpersands(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

SpellCheck::SpellCheck(QObject *parent)
    : SpellCheck(std::make_unique<EnchantDictionaries>(), parent)
{}

SpellCheck::SpellCheck(std::unique_ptr<SpellDictionaries> dictionaries, QObject *parent)
    : QObject(parent), m_dictionaries(std::move(dictionaries))
{}

SpellCheck::~SpellCheck()
{
    // The highlighters belong to the documents, which may outlive this and its checker.
    for (const Box &b : std::as_const(m_boxes))
        delete b.highlighter;
}

void SpellCheck::attach(QPlainTextEdit *box)
{
    for (const Box &b : std::as_const(m_boxes)) {
        if (b.box == box)
            return;
    }
    m_boxes.append({box, nullptr});
    updateHighlighters();
}

void SpellCheck::start()
{
    m_started = true;
    QSettings settings;
    m_enabled = settings.value(kEnabledKey, true).toBool();
    if (m_enabled) // else Enchant's memory and loading time wait until it is switched on
        openChosen();
    updateHighlighters();
}

QStringList SpellCheck::languages() const
{
    if (!m_started)
        return {};
    if (!m_languages)
        m_languages = m_dictionaries->languages();
    return *m_languages;
}

void SpellCheck::openChosen()
{
    const QString chosen = QSettings().value(kLanguageKey).toString();
    if (!(languages().contains(chosen) && open(chosen)))
        open(localeLanguage());
}

QString SpellCheck::localeLanguage() const
{
    const QString name = QLocale().name(); // "de_DE"
    const QStringList installed = languages();
    if (installed.contains(name))
        return name;
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (installed.contains(language))
        return language;
    // A dictionary of the language for another country beats none ("de_DE" for "de_AT").
    for (const QString &tag : installed) {
        if (tag.startsWith(language + QLatin1Char('_')))
            return tag;
    }
    return {};
}

bool SpellCheck::open(const QString &language)
{
    if (language.isEmpty())
        return false;
    std::unique_ptr<SpellDictionary> dictionary = m_dictionaries->open(language);
    if (!dictionary)
        return false;
    for (const QString &word : std::as_const(m_ignored))
        dictionary->ignore(word);
    m_checker.setDictionary(dictionary.get());
    m_dictionary = std::move(dictionary);
    return true;
}

QString SpellCheck::language() const
{
    return m_dictionary ? m_dictionary->language() : QString();
}

void SpellCheck::setEnabled(bool enabled)
{
    m_enabled = enabled;
    QSettings().setValue(kEnabledKey, enabled);
    if (enabled && m_started && !m_dictionary)
        openChosen();
    updateHighlighters();
}

void SpellCheck::setLanguage(const QString &language)
{
    if (language != this->language()) { // a dictionary takes a while to open
        if (!open(language))
            return;
        recheck();
    }
    QSettings().setValue(kLanguageKey, language);
}

void SpellCheck::updateHighlighters()
{
    const bool checking = m_started && m_enabled && m_dictionary;
    m_boxes.removeIf([](const Box &b) { return b.box.isNull(); });
    for (Box &b : m_boxes) {
        if (checking && !b.highlighter) {
            b.highlighter = new SpellingHighlighter(b.box->document(), m_checker);
            // At once rather than on Qt's next turn, which would check it a second time.
            b.highlighter->rehighlight();
        } else if (!checking && b.highlighter) {
            delete b.highlighter; // which takes its underlines away
        }
    }
}

void SpellCheck::recheck()
{
    for (const Box &b : std::as_const(m_boxes)) {
        if (b.highlighter)
            b.highlighter->rehighlight();
    }
}

void SpellCheck::addToContextMenu(QMenu &menu, QPlainTextEdit &box, QPoint pos)
{
    if (m_started && m_enabled && m_dictionary) {
        const QTextCursor at = box.cursorForPosition(pos);
        const QTextBlock block = at.block();
        const QString text = block.text();
        const int inBlock = at.positionInBlock();
        for (const WordSpan &word : checkableWords(text)) {
            if (inBlock < word.start || inBlock > word.start + word.length)
                continue;
            const int start = block.position() + int(word.start);
            const QString found = text.mid(word.start, word.length);
            if (isOnWord(box, pos, start, start + int(word.length)) &&
                m_checker.isMisspelled(found))
                addWordEntries(menu, menu.actions().value(0), box, start, found);
            break;
        }
    }

    const QStringList installed = this->languages();
    menu.addSeparator();
    QAction *enabled = menu.addAction(tr("Check spelling"));
    enabled->setObjectName(QStringLiteral("spellingEnabled"));
    enabled->setCheckable(true);
    enabled->setChecked(m_enabled);
    enabled->setEnabled(!installed.isEmpty());
    connect(enabled, &QAction::toggled, this, &SpellCheck::setEnabled);

    QMenu *languages = menu.addMenu(tr("Language"));
    languages->setObjectName(QStringLiteral("spellingLanguages"));
    languages->setEnabled(!installed.isEmpty());
    auto *group = new QActionGroup(languages);
    for (const QString &tag : installed) {
        QAction *choice = languages->addAction(escapedAmpersands(languageName(tag)));
        choice->setObjectName(QStringLiteral("spellingLanguage"));
        choice->setData(tag);
        choice->setCheckable(true);
        choice->setChecked(tag == language());
        group->addAction(choice);
        connect(choice, &QAction::triggered, this, [this, tag] { setLanguage(tag); });
    }
}

void SpellCheck::addWordEntries(QMenu &menu, QAction *before, QPlainTextEdit &box, int position,
                                const QString &word)
{
    const QPointer<QPlainTextEdit> target(&box);
    const QStringList suggestions = m_dictionary->suggestions(word).mid(0, kMostSuggestions);
    for (const QString &suggestion : suggestions) {
        auto *replace = new QAction(escapedAmpersands(suggestion), &menu);
        replace->setObjectName(QStringLiteral("spellingSuggestion"));
        connect(replace, &QAction::triggered, this, [target, position, word, suggestion] {
            if (!target)
                return;
            QTextCursor cursor(target->document());
            cursor.setPosition(position);
            cursor.setPosition(position + int(word.size()), QTextCursor::KeepAnchor);
            if (cursor.selectedText() != word) // the text changed under the menu
                return;
            cursor.beginEditBlock(); // one undo step
            cursor.insertText(suggestion);
            cursor.endEditBlock();
            target->setTextCursor(cursor);
        });
        menu.insertAction(before, replace);
    }
    if (suggestions.isEmpty()) {
        auto *none = new QAction(tr("No suggestions"), &menu);
        none->setObjectName(QStringLiteral("spellingNoSuggestions"));
        none->setEnabled(false);
        menu.insertAction(before, none);
    }

    auto *add = new QAction(tr("Add to dictionary"), &menu);
    add->setObjectName(QStringLiteral("spellingAddToDictionary"));
    connect(add, &QAction::triggered, this, [this, word] {
        if (!m_dictionary)
            return;
        m_dictionary->addToPersonal(word);
        m_checker.forgetAnswers();
        recheck();
    });
    menu.insertAction(before, add);

    auto *ignore = new QAction(tr("Ignore"), &menu);
    ignore->setObjectName(QStringLiteral("spellingIgnore"));
    connect(ignore, &QAction::triggered, this, [this, word] {
        if (!m_dictionary)
            return;
        m_ignored.append(word);
        m_dictionary->ignore(word);
        m_checker.forgetAnswers();
        recheck();
    });
    menu.insertAction(before, ignore);
    menu.insertSeparator(before);
}
