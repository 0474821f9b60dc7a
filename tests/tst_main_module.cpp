// The shared start-up routines: centring, the file test, the skin and its control, the home
// page's draw.
#include "controls/skin_framework.h"
#include "main_window/main_module.h"
#include "odd_files.h"
#include "start_up_doubles.h"
#include "win32/dispatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Keeps every call as "member kind arguments", and fails the call numbered `failAt` (from 1).
class RecordingDispatch final : public Dispatch
{
public:
    DispatchResult Invoke(DISPID member, DispatchKind kind, const QVariantList &arguments) override
    {
        static const char *const kinds[] = {"call", "get", "put"};
        QStringList values;
        for (const QVariant &argument : arguments)
            values.append(argument.toString());
        calls.append(
            u"%1 %2 %3"_s.arg(member).arg(QLatin1String(kinds[int(kind)]), values.join(u',')));
        if (calls.size() == failAt)
            return DispatchResult::failure(u"it broke"_s);
        return {kind == DispatchKind::PropertyGet ? QVariant(0x40) : QVariant(), {}};
    }
    QStringList calls;
    qsizetype failAt = 0;
};

} // namespace

class TestMainModule : public QObject
{
    Q_OBJECT
public:
    // A primary screen that does not start at (0, 0), as beside another one.
    static void initMain()
    {
        static QTemporaryDir folder;
        const QString config = folder.filePath(u"screens.json"_s);
        writeFile(config, R"({"screens": [
            {"name": "right", "x": 1024, "y": 100, "width": 1280, "height": 800}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    }

private slots:
    void centredEdgeIsNeitherRoundedNorClamped_data();
    void centredEdgeIsNeitherRoundedNorClamped();
    void windowIsCentredOnThePrimaryScreen();
    void fileExistsNeverFails_data();
    void fileExistsNeverFails();
    void skinIsLoadedAndAppliedInFiveCalls();
    void withoutASkinFileNothingChanges_data();
    void withoutASkinFileNothingChanges();
    void aFailingCallStopsTheSkinNamingTheFile();
    void skinControlAppliesAStyleSheet();
    void skinControlRefuses_data();
    void skinControlRefuses();
    void homePageOpensOnlyOnSeven_data();
    void homePageOpensOnlyOnSeven();
    void homePageOpensAboutOnceInAHundredStarts();
};

void TestMainModule::centredEdgeIsNeitherRoundedNorClamped_data()
{
    QTest::addColumn<float>("screen");
    QTest::addColumn<float>("window");
    QTest::addColumn<float>("edge");
    QTest::newRow("narrower") << 15360.f << 9000.f << 3180.f;
    QTest::newRow("half a twip") << 15360.f << 9001.f << 3179.5f;
    QTest::newRow("as wide") << 15360.f << 15360.f << 0.f;
    QTest::newRow("wider") << 15360.f << 16000.f << -320.f;
}

void TestMainModule::centredEdgeIsNeitherRoundedNorClamped()
{
    QFETCH(float, screen);
    QFETCH(float, window);
    QFETCH(float, edge);
    QCOMPARE(Main::centredEdge(screen, window), edge);
}

void TestMainModule::windowIsCentredOnThePrimaryScreen()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(screen, QRect(1024, 100, 1280, 800));
    QWidget window;
    window.setFixedSize(624, 641);
    Main::CenterForm(window);
    window.show();
    QCOMPARE(window.geometry().topLeft(), QPoint(1024 + 328, 100 + 80)); // 159 / 2 rounds up
}

void TestMainModule::fileExistsNeverFails_data()
{
    QTest::addColumn<QString>("relative"); // to a folder holding the file "f"
    QTest::addColumn<bool>("exists");
    QTest::newRow("the file") << u"f"_s << true;
    QTest::newRow("a missing file") << u"g"_s << false;
    QTest::newRow("a missing folder") << u"no/such/f"_s << false;
    QTest::newRow("a file taken for a folder") << u"f/f"_s << false;
    QTest::newRow("a name too long") << QString(5000, u'n') << false;
    QTest::newRow("a NUL in the name") << u"f\0x"_s << false;
}

void TestMainModule::fileExistsNeverFails()
{
    QFETCH(QString, relative);
    QFETCH(bool, exists);
    QTemporaryDir folder;
    writeFile(folder.filePath(u"f"_s), "x");
    QCOMPARE(Main::FileExists(folder.path() + u'/' + relative), exists);
    QVERIFY(!Main::FileExists(QString()));
}

void TestMainModule::skinIsLoadedAndAppliedInFiveCalls()
{
    QTemporaryDir folder;
    writeFile(folder.filePath(u"x/o.cjs"_s), "QWidget {}");
    QWidget form;
    form.setObjectName(u"Form1"_s);
    // What takes the skin's colour, and what keeps its own.
    const QList<std::pair<QWidget *, bool>> controls{
        {new QLabel(&form), false},   {new QLabel(&form), true},
        {new QLabel(&form), true},    {new QLabel(&form), true},
        {new QCheckBox(&form), true}, {new QRadioButton(&form), true},
        {new QGroupBox(&form), true}, {new QPlainTextEdit(&form), false},
    };
    const QStringList names{u"Label1(3)"_s, u"label1(0)"_s, u"Label10"_s, u"Label2"_s};
    for (qsizetype i = 0; i < names.size(); ++i)
        controls[i].first->setObjectName(names[i]);
    const QColor yellow(0xFF, 0xFF, 0xC0);
    for (const auto &[control, recoloured] : controls) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Window, yellow);
        control->setPalette(palette);
    }

    RecordingDispatch skin;
    QString error;
    QVERIFY(Main::ApplySkin(form, skin, folder.path(), &error));
    const QString path = QDir::toNativeSeparators(folder.filePath(u"x/o.cjs"_s));
    QCOMPARE(skin.calls,
             (QStringList{u"2 call %1,"_s.arg(path), u"1 get "_s, u"1 put 65"_s, u"5 put true"_s,
                          u"10 put true"_s, u"3 call %1"_s.arg(qint32(form.winId()))}));

    const QColor face = QApplication::palette().color(QPalette::Button);
    QCOMPARE(form.palette().color(QPalette::Window), face);
    for (const auto &[control, recoloured] : controls)
        QCOMPARE(control->palette().color(QPalette::Window), recoloured ? face : yellow);
}

void TestMainModule::withoutASkinFileNothingChanges_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("no folder x") << u""_s;
    QTest::newRow("o.cjs is a folder") << u"folder"_s;
    QTest::newRow("x is a file") << u"x file"_s;
    QTest::newRow("o.cjs is a link to nothing") << u"dangling link"_s;
}

void TestMainModule::withoutASkinFileNothingChanges()
{
    QFETCH(QString, what);
    QTemporaryDir folder;
    const QString skinPath = Main::skinFilePath(folder.path());
    if (what == u"folder")
        QVERIFY(QDir().mkpath(skinPath));
    else if (what == u"x file")
        writeFile(folder.filePath(u"x"_s), "not a folder");
    else if (what == u"dangling link")
        QVERIFY(QDir().mkpath(folder.filePath(u"x"_s)) &&
                QFile::link(folder.filePath(u"nothing"_s), skinPath));

    QWidget form;
    const QPalette before = form.palette();
    RecordingDispatch skin;
    QVERIFY(Main::ApplySkin(form, skin, folder.path(), nullptr));
    QVERIFY(skin.calls.isEmpty());
    QCOMPARE(form.palette(), before);
}

void TestMainModule::aFailingCallStopsTheSkinNamingTheFile()
{
    QTemporaryDir folder;
    writeFile(Main::skinFilePath(folder.path()), "");
    for (qsizetype failAt = 1; failAt <= 6; ++failAt) {
        QWidget form;
        RecordingDispatch skin;
        skin.failAt = failAt;
        QString error;
        QVERIFY(!Main::ApplySkin(form, skin, folder.path(), &error));
        QCOMPARE(skin.calls.size(), failAt); // nothing after the failure
        QCOMPARE(error, u"The skin %1 cannot be used: it broke."_s.arg(
                            QDir::toNativeSeparators(Main::skinFilePath(folder.path()))));
    }
}

void TestMainModule::skinControlAppliesAStyleSheet()
{
    QTemporaryDir folder;
    const QByteArray sheet = "/* { */ QWidget#w { background: rgb(51, 102, 204); }\n"
                             "QLabel[text=\"}\"] { color: red; }";
    writeFile(folder.filePath(u"o.cjs"_s), sheet);
    QWidget window;
    window.setObjectName(u"w"_s);
    window.resize(40, 40);
    SkinFramework skin(&window);

    using enum DispatchKind;
    QVERIFY(skin.Invoke(SkinFramework::kLoadSkin, Method,
                        {QDir::toNativeSeparators(folder.filePath(u"o.cjs"_s)), QString()})
                .ok());
    QVERIFY(skin.Invoke(SkinFramework::kFlags, PropertyPut, {5}).ok());
    QCOMPARE(skin.Invoke(SkinFramework::kFlags, PropertyGet).value, QVariant(5));
    QVERIFY(skin.Invoke(SkinFramework::kApplyWindow, Method, {qint32(window.winId())}).ok());
    QCOMPARE(window.styleSheet(), QString::fromUtf8(sheet));
    QCOMPARE(window.grab().toImage().pixelColor(20, 20), QColor(51, 102, 204));
}

void TestMainModule::skinControlRefuses_data()
{
    // Written to o.cjs; "-" for no file at all, "-fifo" and "-zero" for a pipe and a link to
    // /dev/zero.
    QTest::addColumn<QByteArray>("sheet");
    QTest::addColumn<DISPID>("member");
    QTest::addColumn<QString>("error");
    const DISPID load = SkinFramework::kLoadSkin;
    QTest::newRow("no file") << "-"_ba << load << u"No such file or directory"_s;
    QTest::newRow("an open brace")
        << "A {}\nB {\n  color: red;\n"_ba << load << u"line 2: '{' is never closed"_s;
    QTest::newRow("a stray brace") << "A {}\n}"_ba << load << u"line 2: '}' closes nothing"_s;
    QTest::newRow("an open comment")
        << "A {}\n/* {"_ba << load << u"line 2: a comment is never closed"_s;
    QTest::newRow("an open quote")
        << "A { font: \"x }\n"_ba << load << u"line 1: a quoted text is never closed"_s;
    QTest::newRow("binary") << "A\0{}"_ba << load << u"line 1: a NUL character"_s;
    QTest::newRow("a NUL in quoted text")
        << "A {}\nB { font: \"x\0\"; }"_ba << load << u"line 2: a NUL character"_s;
    QTest::newRow("a NUL in a comment")
        << "A {}\n\n/* \0 */"_ba << load << u"line 3: a NUL character"_s;
    const QString notAFile = u"it is not a file but a folder, a device or a pipe"_s;
    QTest::newRow("a FIFO, which nobody writes") << "-fifo"_ba << load << notAFile;
    QTest::newRow("a link to /dev/zero, which never ends") << "-zero"_ba << load << notAFile;
    QTest::newRow("not UTF-8") << "A { \xff }"_ba << load << u"it is not UTF-8 text"_s;
    QTest::newRow("too large") << QByteArray(SkinFramework::kMaxSkinBytes + 1, ' ') << load
                               << u"it is larger than a skin can be"_s;
    QTest::newRow("an unknown member")
        << "A {}"_ba << DISPID(4)
        << u"the skinning control has no member 4 to be called that way"_s;
}

void TestMainModule::skinControlRefuses()
{
    QFETCH(QByteArray, sheet);
    QFETCH(DISPID, member);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"o.cjs"_s);
    if (sheet.startsWith("-") && sheet.size() > 1)
        QVERIFY(makeOddFile(QString::fromLatin1(sheet.mid(1)), path));
    else if (sheet != "-")
        writeFile(path, sheet);
    QWidget window;
    SkinFramework skin(&window);
    const DispatchResult result = skin.Invoke(member, DispatchKind::Method, {path, QString()});
    QCOMPARE(result.error, error);
    // Nothing is applied after a refusal.
    QCOMPARE(
        skin.Invoke(SkinFramework::kApplyWindow, DispatchKind::Method, {qint32(window.winId())})
            .error,
        u"no skin is loaded"_s);
}

void TestMainModule::homePageOpensOnlyOnSeven_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::newRow("lowest") << 0.0f << 1;
    QTest::newRow("just under 7") << 0.0599f << 6;
    QTest::newRow("7 begins") << 0.06f << 7;
    QTest::newRow("7 ends") << 0.0699f << 7;
    QTest::newRow("just over 7") << 0.07f << 8;
    QTest::newRow("highest") << 0.99999994f << 100;
}

void TestMainModule::homePageOpensOnlyOnSeven()
{
    QFETCH(float, r);
    QFETCH(int, n);
    QCOMPARE(Main::homePageDraw(r), n);

    ScriptedDraw draw;
    draw.r = r;
    RecordingLauncher launcher;
    Main::MaybeVisitHomePage(36000.5f, draw, launcher);
    QCOMPARE(draw.seeds, QList<float>{36000.5f});
    QCOMPARE(launcher.launches.size(), n == 7 ? 1 : 0);
    if (n == 7)
        QCOMPARE(launcher.launches[0],
                 Main::urlOpenerCommand(QString::fromUtf16(Main::kHomePageUrl)));

    // A launcher that cannot start anything changes nothing.
    launcher.starts = false;
    Main::MaybeVisitHomePage(36000.5f, draw, launcher);
}

void TestMainModule::homePageOpensAboutOnceInAHundredStarts()
{
    // A start every 0.43 s through a whole day, as the time of day seeds them.
    SeededRandom random;
    RecordingLauncher launcher;
    const int starts = 200000;
    for (int i = 0; i < starts; ++i)
        Main::MaybeVisitHomePage(float(i) * 86400.0f / starts, random, launcher);
    QVERIFY2(launcher.launches.size() > 1700 && launcher.launches.size() < 2300,
             qPrintable(QString::number(launcher.launches.size())));
}

QTEST_MAIN(TestMainModule)
#include "tst_main_module.moc"
