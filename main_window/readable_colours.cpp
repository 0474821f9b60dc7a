#include "readable_colours.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPalette>
#include <QWidget>

namespace ReadableColours {

QColor textOn(const QColor &background, const QColor &preferred)
{
    return ColourContrast::readableOn(background, preferred, kMinimumContrast);
}

namespace {

void apply(QWidget &widget, const QColor &background, int textRole)
{
    // The desktop's colour comes from the application's palette, not the widget's: a parent
    // may already carry a stand-in of its own.
    const QColor desktopText =
        QApplication::palette(&widget).color(static_cast<QPalette::ColorRole>(textRole));
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, textOn(background, desktopText));
    widget.setPalette(palette);
}

// Applies the colours again when the desktop's theme changes while the window is open: one
// filter on the application, which hears of a new palette first, for every widget that has
// fixed colours (an application-wide filter sees every event, so there is only one).
class ThemeFollower final : public QObject
{
public:
    static ThemeFollower &instance()
    {
        static auto *follower = new ThemeFollower; // the application's child, gone with it
        return *follower;
    }

    void follow(QWidget &widget, const QColor &background, int textRole)
    {
        if (!m_fixed.contains(&widget))
            connect(&widget, &QObject::destroyed, this,
                    [this](QObject *gone) { m_fixed.remove(static_cast<QWidget *>(gone)); });
        m_fixed.insert(&widget, {background, textRole});
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange && watched == qApp) {
            for (auto it = m_fixed.cbegin(); it != m_fixed.cend(); ++it)
                apply(*it.key(), it->first, it->second);
        }
        return false;
    }

private:
    ThemeFollower() : QObject(qApp) { qApp->installEventFilter(this); }

    QHash<QWidget *, std::pair<QColor, int>> m_fixed;
};

} // namespace

void setFixedBackground(QWidget &widget, const QColor &background, int textRole)
{
    ThemeFollower::instance().follow(widget, background, textRole);
    apply(widget, background, textRole);
}

} // namespace ReadableColours
