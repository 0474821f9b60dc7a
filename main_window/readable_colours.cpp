#include "readable_colours.h"

#include <algorithm>
#include <cmath>
#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPalette>
#include <QWidget>

namespace ReadableColours {

namespace {

// WCAG 2's relative luminance of an sRGB colour.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textOn(const QColor &background, const QColor &preferred)
{
    if (contrastRatio(background, preferred) >= kMinimumContrast)
        return preferred;
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(background, black) >= contrastRatio(background, white) ? black : white;
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
