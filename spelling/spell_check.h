#pragma once

#include "spelling/spelling_highlighter.h"

#include <memory>
#include <optional>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class QMenu;
class QPlainTextEdit;
class SpellDictionaries;
class SpellDictionary;

// The spelling check of the boxes: the underline of misspelled words in every attached box, and
// the boxes' menu entries (suggestions, "Add to dictionary", "Ignore", "Check spelling",
// "Language"). Whether it checks and which dictionary it uses are the user's settings, kept
// with QSettings. Nothing is loaded before start().
class SpellCheck : public QObject
{
    Q_OBJECT
public:
    // Enchant's dictionaries.
    explicit SpellCheck(QObject *parent = nullptr);
    explicit SpellCheck(std::unique_ptr<SpellDictionaries> dictionaries, QObject *parent = nullptr);
    ~SpellCheck() override;

    // Checks `box` from start() on (or at once, once started).
    void attach(QPlainTextEdit *box);
    // Reads the settings and opens the dictionary: the one chosen last, else the one of the
    // user's language; none installed means no checking.
    void start();

    // Puts the entries for the word under `pos` (in `box`'s viewport, as its context menu event
    // gives it) at the top of `menu`, and the switch and the languages at its end.
    void addToContextMenu(QMenu &menu, QPlainTextEdit &box, QPoint pos);

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // The installed dictionaries' tags (known after start()), and the one in use ("" for none).
    QStringList languages() const;
    QString language() const;
    void setLanguage(const QString &language);

private:
    void openChosen();
    bool open(const QString &language);
    QString localeLanguage() const;
    // The highlighters follow whether it checks; the underlines follow the dictionary.
    void updateHighlighters();
    void recheck();
    void addWordEntries(QMenu &menu, QAction *before, QPlainTextEdit &box, int position,
                        const QString &word);

    struct Box
    {
        QPointer<QPlainTextEdit> box;
        QPointer<SpellingHighlighter> highlighter;
    };

    std::unique_ptr<SpellDictionaries> m_dictionaries;
    std::unique_ptr<SpellDictionary> m_dictionary;
    WordChecker m_checker;
    QList<Box> m_boxes;
    // Listed when first needed: asking Enchant loads it and its providers, which a check
    // switched off never needs until its menu opens.
    mutable std::optional<QStringList> m_languages;
    QStringList m_ignored; // for this run, whichever the dictionary
    bool m_started = false;
    bool m_enabled = true;
};
