// The program in the user's language: the language chosen from the user's list, every text a
// person sees marked for translation (read from the widgets under a translation that marks
// every text it is asked for), and each shipped language seen in the window, a message, the
// tray menu, the find window, the plural forms and Qt's own print dialog.
#include "main_window/find_in_weeks.h"
#include "main_window/form1.h"
#include "main_window/tray_menu.h"
#include "main_window/window_actions.h"
#include "find_window/find_window.h"
#include "recording_shell.h"
#include "schedule/calendar_files.h"
#include "start_up_doubles.h"
#include "translations/app_language.h"
#include "window_doubles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace {

// Gives every text it is asked for back between marks, so a text without them never went
// through the translation system.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return u"\u27e6"_s + QString::fromUtf8(source) + u"\u27e7"_s;
    }
    bool isEmpty() const override { return false; }
};

void removeTranslations()
{
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

bool marked(const QString &text)
{
    return text.contains(u'\u27e6');
}

// Texts with a letter that are not marked: what nobody translates (the product's name, a day's
// date, a word typed) is left out by the caller.
QStringList unmarked(const QStringList &texts)
{
    static const QRegularExpression letter(u"\\p{L}"_s);
    QStringList found;
    for (const QString &text : texts) {
        if (text.contains(letter) && !marked(text) && text != "Orvanta"_L1)
            found.append(text);
    }
    return found;
}

// What a person reads of the windows on the screen and of `menus`: titles, labels, buttons,
// placeholders, tooltips, names for screen readers, and menu entries.
QStringList shownTexts(const QList<QMenu *> &menus, const QSet<QWidget *> &dates)
{
    QStringList texts;
    for (QWidget *widget : QApplication::allWidgets()) {
        if (!widget->isVisible() || dates.contains(widget))
            continue;
        if (widget->isWindow())
            texts << widget->windowTitle();
        texts << widget->toolTip() << widget->accessibleName();
        if (auto *label = qobject_cast<QLabel *>(widget))
            texts << label->text();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            texts << button->text();
        if (auto *field = qobject_cast<QLineEdit *>(widget))
            texts << field->placeholderText();
    }
    for (QMenu *menu : menus) {
        texts << menu->title();
        for (const QAction *action : menu->actions())
            texts << action->text() << action->toolTip();
    }
    return texts;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theFirstLanguageSpokenIsChosen_data();
    void theFirstLanguageSpokenIsChosen();
    void aLanguageWithoutTranslationInstallsNothing();
    void everyTextShownGoesThroughTranslation();
    void eachLanguageIsSeenEverywhere_data();
    void eachLanguageIsSeenEverywhere();

private:
    std::unique_ptr<Form1> loadedForm();

    std::unique_ptr<QTemporaryDir> m_folder;
    FixedClock m_clock;
    ScriptedDraw m_draw;
    RecordingLauncher m_launcher;
    RecordingAlerts m_alerts;
    RecordingShell m_shell;
};

void TestTranslations::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    m_alerts = RecordingAlerts();
}

void TestTranslations::cleanup()
{
    removeTranslations();
    m_folder.reset();
}

std::unique_ptr<Form1> TestTranslations::loadedForm()
{
    Form1::Services services{&m_clock, &m_alerts,  &m_shell,   m_folder->path(),
                             {},       &m_draw,    &m_launcher};
    auto form = std::make_unique<Form1>(std::move(services));
    if (!form->Load())
        return nullptr;
    form->show();
    return form;
}

void TestTranslations::theFirstLanguageSpokenIsChosen_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("German of Germany") << QStringList{u"de-DE"_s} << u"de"_s;
    QTest::newRow("as LANG writes it") << QStringList{u"ja_JP.UTF-8"_s} << u"ja"_s;
    QTest::newRow("the first with a translation")
        << QStringList{u"pt-BR"_s, u"pt"_s, u"fr-CA"_s, u"de"_s} << u"fr"_s;
    QTest::newRow("English before another") << QStringList{u"en-GB"_s, u"es"_s} << u"en"_s;
    QTest::newRow("Spanish of Mexico, upper case") << QStringList{u"ES-MX"_s} << u"es"_s;
    QTest::newRow("none translated") << QStringList{u"pt-BR"_s, u"nl"_s} << u"en"_s;
    QTest::newRow("the C locale") << QStringList{u"C"_s} << u"en"_s;
    QTest::newRow("nothing") << QStringList{} << u"en"_s;
}

void TestTranslations::theFirstLanguageSpokenIsChosen()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, chosen);
    QCOMPARE(AppLanguage::chooseFor(uiLanguages), chosen);
}

void TestTranslations::aLanguageWithoutTranslationInstallsNothing()
{
    const QString before = AppLanguage::current();
    QVERIFY(!AppLanguage::install(*qApp, u"pt"_s));
    QCOMPARE(AppLanguage::current(), before);
    QVERIFY(qApp->findChildren<QTranslator *>().isEmpty());

    // The tests' own locale is C: English, with its counted forms.
    QCOMPARE(AppLanguage::installForUser(*qApp), u"en"_s);
    QCOMPARE(QCoreApplication::translate("FindWindow", "%Ln result(s)", nullptr, 1),
             u"1 result"_s);
}

void TestTranslations::everyTextShownGoesThroughTranslation()
{
    auto *marking = new MarkingTranslator;
    marking->setParent(qApp);
    QCoreApplication::installTranslator(marking);

    // A message: the database is not there yet.
    QVERIFY(!loadedForm());
    QCOMPARE(m_alerts.messages.size(), 1);
    QCOMPARE(unmarked(m_alerts.messages), QStringList());

    QVERIFY(createEmptyCalendarDatabase(databasePath(m_folder->path())));
    std::unique_ptr<Form1> form = loadedForm();
    QVERIFY(form);
    form->findInWeeks().open(u"words"_s);
    QSet<QWidget *> dates; // the days' headings; the notes' heading is a text of its own
    for (int k = 0; k < 7; ++k)
        dates << form->label1(k) << form->text1(k);
    QMenu &windowMenu = form->actions().menu();
    const QStringList texts =
        shownTexts({&windowMenu, &form->trayMenu().menu()}, dates) << form->windowTitle();
    QVERIFY(texts.contains(u"\u27e6Additional Notes For The Week\u27e7"_s));
    QVERIFY(texts.contains(u"\u27e6Find in all weeks\u27e7"_s));
    // The find window's field and list, named for a screen reader.
    QVERIFY(texts.contains(u"\u27e6Words to find\u27e7"_s));
    QVERIFY(texts.contains(u"\u27e6Days found\u27e7"_s));
    QCOMPARE(unmarked(texts), QStringList());
}

void TestTranslations::eachLanguageIsSeenEverywhere_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : AppLanguage::available().mid(1))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::eachLanguageIsSeenEverywhere()
{
    QFETCH(QString, language);
    QVERIFY(AppLanguage::install(*qApp, language));
    QCOMPARE(AppLanguage::current(), language);

    // A message, and the window: the notes' heading, the tray menu, the find window.
    QVERIFY(!loadedForm());
    QCOMPARE(m_alerts.messages.size(), 1);
    QVERIFY2(!m_alerts.messages.first().contains("not found"_L1),
             qPrintable(m_alerts.messages.first()));
    QVERIFY(createEmptyCalendarDatabase(databasePath(m_folder->path())));
    std::unique_ptr<Form1> form = loadedForm();
    QVERIFY(form);
    const QString notes = form->label1(7)->text();
    QVERIFY(!notes.isEmpty());
    QVERIFY2(notes != "Additional Notes For The Week"_L1, qPrintable(notes));
    QSet<QString> english{u"&Hide Orvanta"_s, u"&Show Orvanta"_s};
    for (const WindowActions::Entry &entry : WindowActions::table())
        english << QString::fromUtf8(entry.text);
    int entries = 0;
    for (const QAction *action : form->trayMenu().menu().actions()) {
        if (action->isSeparator())
            continue;
        ++entries;
        QVERIFY2(!action->text().isEmpty() && !english.contains(action->text()),
                 qPrintable(action->text()));
    }
    QVERIFY(entries > 1);
    form->findInWeeks().open();
    const QString title = form->findInWeeks().findWindow().windowTitle();
    QVERIFY2(title != "Find in all weeks"_L1 && !title.isEmpty(), qPrintable(title));

    // Counted texts take the language's forms for one and for two.
    const QString one = QCoreApplication::translate("FindWindow", "%Ln result(s)", nullptr, 1);
    const QString two = QCoreApplication::translate("FindWindow", "%Ln result(s)", nullptr, 2);
    QVERIFY2(one.contains(u'1') && two.contains(u'2'), qPrintable(one + u" / "_s + two));
    QVERIFY2(!one.contains("(s)"_L1) && !two.contains("(s)"_L1), qPrintable(one));
    if (language != "ja"_L1) // Japanese counts without a plural
        QVERIFY2(QString(one).remove(u'1') != QString(two).remove(u'2'), qPrintable(one));

    // Qt's own print dialog in the same language, where Qt's translations are installed.
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_"_s +
                       language + u".qm"_s))
        QSKIP("Qt's own translations (qt6-translations-l10n) are not installed");
    QPrinter printer;
    QPrintDialog dialog(&printer);
    const QList<QAbstractButton *> buttons = dialog.findChildren<QAbstractButton *>();
    QVERIFY(!buttons.isEmpty());
    for (const QAbstractButton *button : buttons) {
        const QString text = QString(button->text()).remove(u'&');
        QVERIFY2(text != "Cancel"_L1 && text != "Print"_L1 && text != "Properties"_L1,
                 qPrintable(text));
    }
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
