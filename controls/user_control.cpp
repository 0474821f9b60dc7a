#include "user_control.h"

#include <QPainter>

QVariant PropertyBag::ReadProperty(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(name);
    return index < 0 ? defaultValue : m_values.at(index).second;
}

void PropertyBag::WriteProperty(const QString &name, const QVariant &value,
                                const QVariant &defaultValue)
{
    const qsizetype index = indexOf(name);
    if (defaultValue.isValid() && value == defaultValue) {
        if (index >= 0)
            m_values.removeAt(index);
    } else if (index >= 0) {
        m_values[index].second = value;
    } else {
        m_values.append({name, value});
    }
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto &[name, value] : m_values)
        result.append(name);
    return result;
}

qsizetype PropertyBag::indexOf(const QString &name) const
{
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        if (m_values.at(i).first.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

UserControl::UserControl(QWidget *parent) : QWidget(parent), m_hWnd(CreateWindowA())
{
    showForMode();
}

UserControl::~UserControl()
{
    DestroyWindow(m_hWnd);
}

void UserControl::setPicture(PictureRef picture)
{
    m_picture = std::move(picture);
    update();
}

void UserControl::setAmbientUserMode(bool userMode)
{
    m_userMode = userMode;
    showForMode();
}

void UserControl::showForMode()
{
    // Hidden explicitly, so that showing the window does not show the control either.
    if (m_userMode)
        hide();
    else if (parentWidget())
        show();
}

void UserControl::paintEvent(QPaintEvent *)
{
    if (!m_picture)
        return;
    QPainter painter(this);
    m_picture->icon().paint(&painter, rect(), Qt::AlignLeft | Qt::AlignTop);
}
