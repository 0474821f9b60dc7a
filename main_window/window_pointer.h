#pragma once

#include <memory>
#include <QObject>
#include <QString>

class QWidget;
class StdPicture;

// The main window's mouse pointer: which pointer it shows (MousePointer), its own pointer
// image (MouseIcon, shown only for vbCustom), the image loaded from HAND-M.CUR beside the
// program, and the reset when the mouse moves over the bare window.
class WindowPointer : public QObject
{
    Q_OBJECT
public:
    // The pointers the window can show.
    enum MousePointerConstants {
        vbDefault = 0,
        vbArrow = 1,
        vbCrosshair = 2,
        vbIbeam = 3,
        vbHourglass = 11,
        vbCustom = 99, // the window's own pointer image
    };

    // `window` shows the pointer; `surface` is its bare surface, under the controls.
    WindowPointer(QWidget &window, QWidget &surface, QObject *parent = nullptr);

    int MousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    std::shared_ptr<const StdPicture> MouseIcon() const { return m_mouseIcon; }
    void setMouseIcon(std::shared_ptr<const StdPicture> icon);

    // HAND-M.CUR in the program's folder becomes the pointer image, when it is there. False,
    // with `error` naming the file, when it is there but no cursor or icon.
    bool loadPointerImage(const QString &programFolder, QString *error);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showPointer();

    QWidget &m_window;
    QWidget &m_surface;
    int m_mousePointer = vbDefault;
    std::shared_ptr<const StdPicture> m_mouseIcon;
};
