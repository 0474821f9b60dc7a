// The user's guide built into the program, and the About window.
#include "guide/about_box.h"
#include "guide/guide_text.h"
#include "guide/user_guide_window.h"
#include "translations/app_language.h"

#include <QApplication>
#include <QScrollBar>
#include <QTextBrowser>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

using namespace Qt::StringLiterals;

class TestGuide : public QObject
{
    Q_OBJECT
private slots:
    void theGuideIsTheUsersPartWithEveryKey();
    void linesJoinOnlyBetweenWideLetters_data();
    void linesJoinOnlyBetweenWideLetters();
    void eachLanguageHasItsGuide();
    void aboutSaysVersionAndWhereTheWeeksAre();
    void aboutClosesByItsButtonAndEscape_data();
    void aboutClosesByItsButtonAndEscape();
    void theGuideWindowReadsByTheKeyboard();
};

void TestGuide::theGuideIsTheUsersPartWithEveryKey()
{
    const QString readme = GuideText::builtInReadme();
    QVERIFY(readme.contains(u"## Using Orvanta"_s)); // the README itself, built in
    const QString guide = GuideText::markdown(readme, {{u"Find in all weeks…"_s, u"Ctrl+F"_s},
                                                       {u"About Orvanta"_s, QString()},
                                                       {u"A | in a name"_s, u"Ctrl+|"_s}});
    QVERIFY(guide.startsWith(u"# Orvanta\n\n## Using Orvanta"_s));
    QVERIFY(guide.contains(u"### Quitting"_s));
    QVERIFY(guide.contains(u"## The database"_s));
    QVERIFY(!guide.contains(u"For developers"_s)); // the users' part only
    // No picture that only the web shows, wherever it stands.
    const QString pictured = GuideText::markdown(
        u"# Orvanta\n## Using Orvanta\nText.\n![The window](docs/window.png)\nMore.\n"_s, {});
    QVERIFY(pictured.contains(u"Text.\nMore."_s));
    QVERIFY(guide.endsWith(u"## Keys\n\n| What | Keys |\n|---|---|\n"
                           u"| Find in all weeks… | Ctrl+F |\n"
                           u"| About Orvanta | (in the menu) |\n"
                           u"| A \\| in a name | Ctrl+\\| |\n"_s));
}

void TestGuide::linesJoinOnlyBetweenWideLetters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Japanese across a line") << u"週の\n予定"_s << u"週の予定"_s;
    QTest::newRow("after a full stop") << u"保存します。\n次に"_s << u"保存します。次に"_s;
    QTest::newRow("English") << u"the week\nof"_s << u"the week\nof"_s;
    QTest::newRow("Japanese, then a name") << u"開く。\nOrvanta"_s << u"開く。\nOrvanta"_s;
    QTest::newRow("a list's next item") << u"- 週\n- 日"_s << u"- 週\n- 日"_s;
    QTest::newRow("a paragraph's end") << u"週\n\n日"_s << u"週\n\n日"_s;
}

void TestGuide::linesJoinOnlyBetweenWideLetters()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    const QString guide = GuideText::markdown(u"## Using Orvanta\n\n"_s + text + u"\n"_s, {});
    QVERIFY2(guide.contains(u"## Using Orvanta\n\n"_s + shown + u"\n\n## Keys"_s),
             qPrintable(guide));
}

void TestGuide::eachLanguageHasItsGuide()
{
    QCOMPARE(GuideText::builtInGuide(), GuideText::builtInReadme()); // English: the README's
    for (const QString &language : AppLanguage::available().mid(1)) {
        QVERIFY(AppLanguage::install(*qApp, language));
        const QString guide = GuideText::builtInGuide();
        QVERIFY2(guide.startsWith(u"## "_s) && !guide.contains(u"## Using Orvanta"_s),
                 qPrintable(language));
        // As long as the README's: a whole translation, not a start of one.
        QVERIFY2(guide.size() > GuideText::markdown(GuideText::builtInReadme(), {}).size() / 2,
                 qPrintable(language));
    }
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void TestGuide::aboutSaysVersionAndWhereTheWeeksAre()
{
    // A folder's name may hold what would read as markup; it shows as it is, and can be copied.
    const AboutBox about(u"/home/<b>ann</b>/.local/bin/dbCalendar.mdb"_s);
    QCOMPARE(about.windowTitle(), u"About Orvanta"_s);
    QCOMPARE(about.text()->textFormat(), Qt::PlainText);
    QVERIFY(about.text()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    const QString text = about.text()->text();
    QVERIFY(text.startsWith(u"Orvanta 1.00\n"_s));
    QVERIFY(text.contains(u"\n/home/<b>ann</b>/.local/bin/dbCalendar.mdb\n"_s));
    QVERIFY(text.contains(u"All rights reserved"_s));
    QVERIFY(text.contains(QString::fromLatin1(qVersion())));
}

void TestGuide::aboutClosesByItsButtonAndEscape_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::newRow("Close clicked") << true;
    QTest::newRow("Escape") << false;
}

// Shown, its words stand whole above its buttons; Close and Escape both close it.
void TestGuide::aboutClosesByItsButtonAndEscape()
{
    QFETCH(bool, byButton);
    AboutBox about(u"/home/ann/.local/bin/dbCalendar.mdb"_s);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto *buttons = about.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    const QRect text = about.text()->geometry();
    QVERIFY(text.height() >= about.text()->heightForWidth(text.width()));
    QVERIFY(text.bottom() < buttons->geometry().top());
    if (byButton)
        buttons->button(QDialogButtonBox::Close)->click();
    else
        QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
}

// Titled, its text taking the keys at once; F1 again while it is open keeps the place the user
// was reading; links to the web go to the browser, never into the guide; Escape closes it.
void TestGuide::theGuideWindowReadsByTheKeyboard()
{
    QString markdown = u"# Orvanta\n\n"_s;
    for (int i = 0; i < 200; ++i)
        markdown += u"Paragraph %1.\n\n"_s.arg(i);
    UserGuideWindow window;
    window.showGuide(markdown);
    QTRY_VERIFY(window.isActiveWindow());
    QCOMPARE(window.windowTitle(), u"Orvanta User's Guide"_s);
    QTextBrowser *text = window.browser();
    QCOMPARE(QApplication::focusWidget(), text);
    QCOMPARE(text->accessibleName(), u"Orvanta User's Guide"_s); // what a screen reader says
    QVERIFY(text->toPlainText().contains(u"Paragraph 199."_s));
    QVERIFY(text->openExternalLinks());

    QTest::keyClick(text, Qt::Key_PageDown);
    const int reading = text->verticalScrollBar()->value();
    QVERIFY(reading > 0);
    window.showGuide(markdown);
    QCOMPARE(text->verticalScrollBar()->value(), reading);

    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    window.showGuide(u"# Another\n"_s); // opened again: as it is now
    QCOMPARE(text->toPlainText(), u"Another"_s);
}

QTEST_MAIN(TestGuide)
#include "tst_guide.moc"
