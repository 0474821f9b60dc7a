// The main window as it is created: every control's place in pixels, the frame, the focus
// order, the font, and the pictures it carries and ships.
#include "controls/icon_file.h"
#include "controls/month_view.h"
#include "controls/skin_framework.h"
#include "main_window/form1.h"
#include "main_window/form1_design.h"
#include "recording_shell.h"
#include "tray/csystray.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class TestForm1Design : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { m_form.reset(); }
    void controlsSitAtTheirPixels_data();
    void controlsSitAtTheirPixels();
    void boxesAreDrawnOverTheirHeadingsLastRow();
    void tabVisitsTheBoxesAndTheCalendarInOrder_data();
    void tabVisitsTheBoxesAndTheCalendarInOrder();
    void frameCanBeMinimisedButNotResizedOrMaximised();
    void fontIsArialOrItsMetricTwin();
    void windowIconIsFullyTransparent();
    void trayShowsTheBlackAndWhiteHand();
    void applicationIconHasItsFourImages();

private:
    QWidget *control(const QString &name) const;

    RecordingShell m_shell;
    std::unique_ptr<Form1> m_form;
};

void TestForm1Design::init()
{
    m_form = std::make_unique<Form1>(Form1::Services{nullptr, nullptr, &m_shell, {}, [](int) {}});
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

QWidget *TestForm1Design::control(const QString &name) const
{
    return m_form->findChild<QWidget *>(name);
}

void TestForm1Design::controlsSitAtTheirPixels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<bool>("visible");
    // At 96 dots per inch: 15 twips to the pixel. Left column 296 wide, right column 304.
    QTest::newRow("calendar") << u"MonthView1"_s << QRect(8, 8, 607, 178) << true;
    const int headingTops[] = {192, 304, 416, 528};
    for (int k = 0; k < 8; ++k) {
        const int left = k % 2 ? 312 : 8, width = k % 2 ? 304 : 296, top = headingTops[k / 2];
        QTest::addRow("Label1(%d)", k)
            << QStringLiteral("Label1(%1)").arg(k) << QRect(left, top, width, 17) << true;
        QTest::addRow("Text1(%d)", k)
            << QStringLiteral("Text1(%1)").arg(k) << QRect(left, top + 16, width, 89) << true;
    }
    QTest::newRow("tray control") << u"cSysTray1"_s << QRect(296, 344, 34, 34) << false;
    QTest::newRow("skinning control") << u"SkinFramework1"_s << QRect(39, 3, 24, 24) << false;
}

void TestForm1Design::controlsSitAtTheirPixels()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(bool, visible);
    QCOMPARE(m_form->size(), QSize(624, 641));
    QWidget *widget = control(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->isVisible(), visible);
}

void TestForm1Design::boxesAreDrawnOverTheirHeadingsLastRow()
{
    for (int k = 0; k < 8; ++k) {
        QPlainTextEdit *box = m_form->text1(k);
        QCOMPARE(m_form->label1(k)->geometry().bottom(), box->y());
        QWidget *top = m_form->childAt(box->x() + box->width() / 2, box->y());
        QVERIFY2(top == box || box->isAncestorOf(top), qPrintable(box->objectName()));
    }
}

void TestForm1Design::tabVisitsTheBoxesAndTheCalendarInOrder_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QStringList>("visits");
    const QStringList forwards{u"Text1(1)"_s,   u"Text1(2)"_s, u"Text1(3)"_s,
                               u"Text1(4)"_s,   u"Text1(5)"_s, u"Text1(6)"_s,
                               u"MonthView1"_s, u"Text1(7)"_s, u"Text1(0)"_s};
    QStringList backwards(forwards.crbegin() + 1, forwards.crend());
    backwards.append(QStringLiteral("Text1(0)"));
    QTest::newRow("Tab") << Qt::KeyboardModifiers() << forwards;
    QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier) << backwards;
}

void TestForm1Design::tabVisitsTheBoxesAndTheCalendarInOrder()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QStringList, visits);
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    QCOMPARE(QApplication::focusWidget(), m_form->text1(0));
    QStringList visited;
    for (int press = 0; press < 9; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, visits);
}

void TestForm1Design::frameCanBeMinimisedButNotResizedOrMaximised()
{
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_form->minimumSize(), QSize(624, 641));
    QCOMPARE(m_form->maximumSize(), QSize(624, 641));
    m_form->resize(800, 900);
    QCOMPARE(m_form->size(), QSize(624, 641));
}

void TestForm1Design::fontIsArialOrItsMetricTwin()
{
    const QFontInfo font(m_form->text1(0)->font());
    QVERIFY2(font.family() == QLatin1String("Arial") ||
                 font.family() == QLatin1String("Liberation Sans"),
             qPrintable(font.family()));
    QVERIFY(font.bold());
    QCOMPARE(font.pointSize(), 9);
    QCOMPARE(m_form->label1(0)->font(), m_form->font());
}

void TestForm1Design::windowIconIsFullyTransparent()
{
    const auto stored = IconFile::load(QString::fromLatin1(Form1Design::kIconResource));
    QVERIFY(stored);
    QCOMPARE(stored->images.size(), 1);
    QCOMPARE(stored->images[0].bitCount, 24);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QCOMPARE(qAlpha(stored->images[0].image.pixel(x, y)), 0);
    // The desktop is handed no icon at all: X11 desktops draw a transparent one black.
    QVERIFY(m_form->windowIcon().isNull());
}

void TestForm1Design::trayShowsTheBlackAndWhiteHand()
{
    const auto stored = IconFile::load(QString::fromLatin1(Form1Design::kTrayIconResource));
    QVERIFY(stored);
    QCOMPARE(stored->type, IconFile::Cursor);
    QCOMPARE(stored->images.size(), 1);
    QCOMPARE(stored->images[0].bitCount, 1);

    const PictureRef hand = m_form->cSysTray1()->TrayIcon();
    QCOMPARE(hand->Type(), StdPicture::vbPicTypeIcon);
    QCOMPARE(hand->hotSpot(), QPoint(5, 0));
    const QImage image =
        hand->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));
    int black = 0, white = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            QVERIFY2(x < 17 && y < 22, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            QVERIFY(pixel == 0xFF000000 || pixel == 0xFFFFFFFF);
            (pixel == 0xFF000000 ? black : white)++;
        }
    }
    QCOMPARE(image.pixel(5, 0), 0xFF000000); // the fingertip points
    QVERIFY(black > 40 && white > 100);
}

void TestForm1Design::applicationIconHasItsFourImages()
{
    const auto ico = IconFile::load(QStringLiteral(ORVANTA_SOURCE_DIR "/resources/orvanta.ico"));
    QVERIFY(ico);
    QList<std::pair<int, int>> images; // side, bits per pixel
    for (const IconFile::Image &image : ico->images) {
        QCOMPARE(image.image.width(), image.image.height());
        images.append({image.image.width(), image.bitCount});
    }
    QCOMPARE(images, (QList<std::pair<int, int>>{{32, 24}, {48, 32}, {128, 32}, {256, 32}}));
}

QTEST_MAIN(TestForm1Design)
#include "tst_form1_design.moc"
