#pragma once

#include "std_picture.h"
#include "win32/window_layer.h"

#include <QList>
#include <QVariant>
#include <QWidget>
#include <utility>

// A control's saved properties: names matched without regard to case, kept in writing order.
class PropertyBag
{
public:
    // The value stored under `name`, or `defaultValue` when there is none.
    QVariant ReadProperty(const QString &name, const QVariant &defaultValue = {}) const;
    // Stores `value` under `name`; a value equal to a given default is not stored (and an
    // earlier one under that name is dropped).
    void WriteProperty(const QString &name, const QVariant &value,
                       const QVariant &defaultValue = {});
    QStringList names() const;

private:
    qsizetype indexOf(const QString &name) const;

    QList<std::pair<QString, QVariant>> m_values;
};

// What a window offers the controls it carries beyond a widget's own: a window handle of the
// control's own for the desktop to talk to, a picture of its own, the container's ambient
// UserMode (true while the program runs, false in a designer), saved properties, and a way to
// tell the container that a saved property changed.
//
// The controls built on it are invisible at run time: they show nothing while UserMode is true.
class UserControl : public QWidget
{
    Q_OBJECT
public:
    ~UserControl() override;

    HWND hWnd() const { return m_hWnd; }

    PictureRef Picture() const { return m_picture; }
    void setPicture(PictureRef picture);

    // Container side.
    bool AmbientUserMode() const { return m_userMode; }
    void setAmbientUserMode(bool userMode);
    // A new instance without saved properties.
    virtual void InitProperties() {}
    // An instance loaded with saved properties.
    virtual void ReadProperties(const PropertyBag &bag) { Q_UNUSED(bag) }
    // The container saves the instance.
    virtual void WriteProperties(PropertyBag &bag) const { Q_UNUSED(bag) }

signals:
    void propertyChanged(const QString &name);

protected:
    explicit UserControl(QWidget *parent);
    void PropertyChanged(const QString &name) { emit propertyChanged(name); }
    void paintEvent(QPaintEvent *event) override;

private:
    void showForMode();

    HWND m_hWnd;
    bool m_userMode = true;
    PictureRef m_picture;
};
