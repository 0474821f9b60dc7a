#include "text_size.h"

#include <algorithm>
#include <array>
#include <QEvent>
#include <QPlainTextEdit>
#include <QSettings>
#include <QWheelEvent>

namespace {

constexpr std::array kSteps{75, 90, 100, 110, 125, 150, 175, 200, 250, 300};
static_assert(kSteps.front() == TextSize::kSmallest && kSteps.back() == TextSize::kLargest);

// One notch of a wheel, as Qt counts it.
constexpr int kNotch = 120;

} // namespace

const char *const TextSize::kSettingsKey = "view/textSize";

int TextSize::larger(int percent)
{
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.end() ? kLargest : *next;
}

int TextSize::smaller(int percent)
{
    const auto next = std::lower_bound(kSteps.begin(), kSteps.end(), percent);
    return next == kSteps.begin() ? kSmallest : *std::prev(next);
}

TextSize::TextSize(const QList<QPlainTextEdit *> &boxes, qreal basePoints, QObject *parent)
    : QObject(parent), m_basePoints(basePoints)
{
    for (QPlainTextEdit *box : boxes) {
        m_boxes.append(box);
        // The viewport gets the wheel; the box itself would scroll or, read-only, zoom alone.
        box->viewport()->installEventFilter(this);
    }
    bool read = false;
    const int remembered = QSettings().value(QLatin1String(kSettingsKey)).toInt(&read);
    m_percent = read ? std::clamp(remembered, kSmallest, kLargest) : kUsual;
    apply();
}

void TextSize::setPercent(int percent)
{
    percent = std::clamp(percent, kSmallest, kLargest);
    if (percent == m_percent)
        return;
    m_percent = percent;
    apply();
    QSettings().setValue(QLatin1String(kSettingsKey), m_percent);
    emit changed(m_percent);
}

void TextSize::apply()
{
    for (QPlainTextEdit *box : std::as_const(m_boxes)) {
        if (!box)
            continue;
        QFont font = box->font();
        font.setPointSizeF(m_basePoints * m_percent / kUsual);
        box->setFont(font);
    }
}

bool TextSize::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // A touchpad turns in small parts of a notch: a step once they make a whole one.
    m_wheel += wheel->angleDelta().y();
    while (m_wheel >= kNotch) {
        m_wheel -= kNotch;
        makeLarger();
    }
    while (m_wheel <= -kNotch) {
        m_wheel += kNotch;
        makeSmaller();
    }
    return true;
}
