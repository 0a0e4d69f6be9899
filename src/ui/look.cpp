#include "ui/look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPalette>
#include <QRadioButton>
#include <QSlider>
#include <QTreeView>

namespace zavro::ui {

QColor FocusYellow() { return {255, 255, 0}; }
QColor LightYellow() { return {255, 255, 150}; }
QColor FaceColor() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }
QColor WindowColor() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }
QColor Red() { return {255, 0, 0}; }
QColor Green() { return {0, 128, 0}; }
QColor Maroon() { return {128, 0, 0}; }
QColor Gray() { return {128, 128, 128}; }

ColorClass ColorClassOf(const QWidget* control) {
    if (control == nullptr) return ColorClass::None;
    if (qobject_cast<const QLabel*>(control)) return ColorClass::Label;
    if (qobject_cast<const QLineEdit*>(control)) return ColorClass::Edit;
    if (qobject_cast<const QRadioButton*>(control) || qobject_cast<const QCheckBox*>(control))
        return ColorClass::Check;
    if (qobject_cast<const QListWidget*>(control) || qobject_cast<const QComboBox*>(control))
        return ColorClass::List;
    if (qobject_cast<const QListView*>(control) || qobject_cast<const QTreeView*>(control))
        return ColorClass::View;
    if (qobject_cast<const QSlider*>(control)) return ColorClass::Slider;
    return ColorClass::None;
}

QColor NormalColor(const QWidget* control) {
    switch (ColorClassOf(control)) {
    case ColorClass::Label:
    case ColorClass::Check:
    case ColorClass::Slider: return FaceColor();
    case ColorClass::Edit:
        return static_cast<const QLineEdit*>(control)->isReadOnly() ? FaceColor() : WindowColor();
    case ColorClass::View:
    case ColorClass::List: return WindowColor();
    case ColorClass::None: break;
    }
    return {};
}

namespace {

// The palette role that carries a control's background colour.
QPalette::ColorRole BackgroundRole(ColorClass cls) {
    switch (cls) {
    case ColorClass::Edit:
    case ColorClass::View:
    case ColorClass::List: return QPalette::Base;
    default: return QPalette::Window;
    }
}

} // namespace

QColor ControlColor(const QWidget* control) {
    const ColorClass cls = ColorClassOf(control);
    if (cls == ColorClass::None) return control ? control->palette().color(QPalette::Window) : QColor();
    return control->palette().color(QPalette::Active, BackgroundRole(cls));
}

void SetControlColor(QWidget* control, const QColor& color) {
    const ColorClass cls = ColorClassOf(control);
    if (cls == ColorClass::None) return;
    QPalette pal = control->palette();
    const QPalette::ColorRole role = BackgroundRole(cls);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, role, color);
    if (cls == ColorClass::List) {
        // A drop-down list without an edit paints its face with the button role.
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, QPalette::Button, color);
    }
    if (role == QPalette::Window) control->setAutoFillBackground(true);
    control->setPalette(pal);
}

void SetFocusColor(QWidget* control, int mode) {
    if (ColorClassOf(control) == ColorClass::None) return;
    SetControlColor(control, mode == kFocusEntered ? FocusYellow() : NormalColor(control));
}

void SetTextColor(QWidget* control, const QColor& color) {
    if (control == nullptr) return;
    QPalette pal = control->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::WindowText, color);
        pal.setColor(group, QPalette::Text, color);
        pal.setColor(group, QPalette::ButtonText, color);
    }
    control->setPalette(pal);
}

} // namespace zavro::ui
