#include "window_pointer.h"

#include "controls/std_picture.h"
#include "main_module.h"

#include <QDir>
#include <QHash>
#include <QMouseEvent>
#include <QWidget>

WindowPointer::WindowPointer(QWidget &window, QWidget &surface, QObject *parent)
    : QObject(parent), m_window(window), m_surface(surface)
{
    m_surface.setMouseTracking(true); // moves over the bare window, with no button held
    m_surface.installEventFilter(this);
}

bool WindowPointer::loadPointerImage(const QString &programFolder, QString *error)
{
    const QString path = QDir(programFolder).filePath(QStringLiteral("HAND-M.CUR"));
    if (!Main::FileExists(path))
        return true;
    QString why;
    PictureRef picture = StdPicture::LoadPicture(path, &why);
    if (!picture) {
        *error = tr("The pointer image %1 cannot be read: %2.")
                     .arg(QDir::toNativeSeparators(path), why);
        return false;
    }
    setMouseIcon(std::move(picture));
    return true;
}

void WindowPointer::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
    showPointer();
}

void WindowPointer::setMouseIcon(PictureRef icon)
{
    m_mouseIcon = std::move(icon);
    showPointer();
}

void WindowPointer::showPointer()
{
    static const QHash<int, Qt::CursorShape> shapes{{vbArrow, Qt::ArrowCursor},
                                                    {vbCrosshair, Qt::CrossCursor},
                                                    {vbIbeam, Qt::IBeamCursor},
                                                    {vbHourglass, Qt::WaitCursor}};
    if (m_mousePointer == vbCustom && m_mouseIcon) {
        const QIcon &icon = m_mouseIcon->icon();
        m_window.setCursor(QCursor(icon.pixmap(icon.availableSizes().value(0, QSize(32, 32))),
                                   m_mouseIcon->hotSpot().x(), m_mouseIcon->hotSpot().y()));
    } else if (const auto shape = shapes.constFind(m_mousePointer); shape != shapes.cend()) {
        m_window.setCursor(*shape);
    } else {
        m_window.unsetCursor(); // the default, also for a custom pointer without an image
    }
}

bool WindowPointer::eventFilter(QObject *watched, QEvent *event)
{
    // Over the window's own surface only, never over a control (their moves come here too,
    // since controls that do not track the mouse pass them on); an hourglass stays.
    if (watched == &m_surface && event->type() == QEvent::MouseMove) {
        const auto *move = static_cast<QMouseEvent *>(event);
        if (!m_surface.childAt(move->position().toPoint()) && m_mousePointer != vbHourglass &&
            m_mousePointer != vbDefault)
            setMousePointer(vbDefault);
    }
    return false;
}
