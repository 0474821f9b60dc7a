#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class Dispatch;
class ProcessLauncher;
class QColor;
class QWidget;
class RandomDraw;

// The shared routines of the main window's start-up: centring, a file test that never fails,
// the optional skin, and the occasional visit to the maker's home page.
namespace Main {

// The maker's home page, opened at one start in a hundred.
inline constexpr char16_t kHomePageUrl[] = u"https://orvanta.example/";

// Where an edge goes to centre `window` on `screen` (lengths in twips): not rounded, not
// clamped, so a window larger than the screen gets a negative edge.
constexpr float centredEdge(float screen, float window)
{
    return (screen - window) / 2.0f;
}

// Centres the window in the primary screen's available area, its frame (as far as it is known)
// inside it; where the area is smaller, the window takes it (ScreenFit::fitToArea), at most
// `designed` (default: the window's size now).
void CenterForm(QWidget &form, QSize designed = {});

// Whether the file's last change can be read. Never fails: every error counts as absent.
bool FileExists(const QString &path);

// x/o.cjs in the program's folder.
QString skinFilePath(const QString &programFolder);
// The system's 3-D face colour (colour value 0x8000000F): the desktop's button colour.
QColor buttonFaceColour();

// When the skin file is there (a file, not a folder of that name), gives the window the 3-D
// face colour (and its option buttons, check boxes, frames and labels, except the headings
// Label1), then has the skinning control load the skin and draw the window with it. False, with
// `error` naming the file, when the skin cannot be used.
bool ApplySkin(QWidget &form, Dispatch &skinFramework1, const QString &programFolder,
               QString *error);

// n for a draw r: Int(r * 100) + 1, from 1 to 100.
int homePageDraw(float r);
// The desktop's command that opens `url` in the browser.
QStringList urlOpenerCommand(const QString &url);
// Seeds from the seconds since midnight and draws; only n = 7 opens the home page, without
// waiting. A launch that cannot start changes nothing but a line on standard error.
void MaybeVisitHomePage(float secondsSinceMidnight, RandomDraw &random, ProcessLauncher &launcher);

} // namespace Main
