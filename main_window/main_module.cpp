#include "main_module.h"

#include "controls/skin_framework.h"
#include "desktop/process_launcher.h"
#include "desktop/random_draw.h"
#include "readable_colours.h"
#include "screen_fit.h"
#include "win32/dispatch.h"

#include <cstdio>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QWindow>

namespace Main {

namespace {

// The name a control carries without its index: "Label1" for "Label1(3)".
QString controlName(const QObject &control)
{
    static const QRegularExpression index(QStringLiteral("\\(\\d+\\)$"));
    return control.objectName().remove(index);
}

// Option buttons, check boxes, frames and labels take the skin's colour; the day headings keep
// their own (the name is compared exactly, case and all).
bool takesSkinColour(const QObject &control)
{
    if (qobject_cast<const QLabel *>(&control))
        return controlName(control) != QLatin1String("Label1");
    return qobject_cast<const QRadioButton *>(&control) ||
           qobject_cast<const QCheckBox *>(&control) || qobject_cast<const QGroupBox *>(&control);
}

// The skin's background with text that reads on it.
void setBackColor(QWidget &widget, const QColor &colour)
{
    ReadableColours::setFixedBackground(widget, colour, QPalette::WindowText);
}

} // namespace

void CenterForm(QWidget &form, QSize designed)
{
    const QRect area = ScreenFit::primaryAvailableArea();
    if (area.isEmpty())
        return;
    form.winId(); // the window, so that its own area, not its frame, is what gets placed
    QWindow *window = form.windowHandle();
    // The frame that the window manager adds is known only once it has framed the window:
    // before the first show it counts as none, and ScreenFitKeeper fits again after.
    const QRect client = ScreenFit::fitToArea(
        area, window->frameMargins(), designed.isEmpty() ? form.size() : designed,
        form.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    if (client.size() != form.size())
        form.setFixedSize(client.size());
    window->setPosition(client.topLeft());
}

bool FileExists(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return false;
    return QFileInfo(path).lastModified().isValid();
}

QString skinFilePath(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("x/o.cjs"));
}

QColor buttonFaceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

bool ApplySkin(QWidget &form, Dispatch &skinFramework1, const QString &programFolder,
               QString *error)
{
    const QString path = skinFilePath(programFolder);
    if (!QFileInfo(path).isFile())
        return true; // no skin: the window keeps its designed look

    const QColor face = buttonFaceColour();
    setBackColor(form, face);
    for (QWidget *control : form.findChildren<QWidget *>()) { // every control, however deep
        if (takesSkinColour(*control))
            setBackColor(*control, face);
    }

    const QString nativePath = QDir::toNativeSeparators(path);
    const auto fails = [&](const DispatchResult &result) {
        if (result.ok())
            return false;
        if (error)
            *error =
                QCoreApplication::translate("Main", "The skin %1 cannot be used: %2.").arg(nativePath, result.error);
        return true;
    };
    using enum DispatchKind;
    using Skin = SkinFramework;
    if (fails(skinFramework1.Invoke(Skin::kLoadSkin, Method, {nativePath, QString()})))
        return false;
    const DispatchResult flags = skinFramework1.Invoke(Skin::kFlags, PropertyGet);
    if (fails(flags) ||
        fails(skinFramework1.Invoke(Skin::kFlags, PropertyPut, {flags.value.toInt() | 1})) ||
        fails(skinFramework1.Invoke(Skin::kSetting5, PropertyPut, {true})) ||
        fails(skinFramework1.Invoke(Skin::kSetting10, PropertyPut, {true})))
        return false;
    // The window's handle as the desktop knows it, in 32 bits.
    return !fails(
        skinFramework1.Invoke(Skin::kApplyWindow, Method, {static_cast<qint32>(form.winId())}));
}

int homePageDraw(float r)
{
    return static_cast<int>(r * 100.0f) + 1;
}

QStringList urlOpenerCommand(const QString &url)
{
#if defined(Q_OS_WIN)
    return {QStringLiteral("explorer"), url};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("open"), url};
#else
    return {QStringLiteral("xdg-open"), url};
#endif
}

void MaybeVisitHomePage(float secondsSinceMidnight, RandomDraw &random, ProcessLauncher &launcher)
{
    random.Randomize(secondsSinceMidnight);
    if (homePageDraw(random.Rnd()) != 7)
        return;
    const QStringList command = urlOpenerCommand(QString::fromUtf16(kHomePageUrl));
    // Never in the way of the user's week: a desktop without an opener just goes without.
    if (!launcher.startDetached(command.front(), command.mid(1)))
        std::fprintf(stderr, "Orvanta: could not start %s to open the home page\n",
                     qPrintable(command.front()));
}

} // namespace Main
