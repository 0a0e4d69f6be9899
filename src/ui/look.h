// The shared look of every window: focus colours by control class.
#pragma once

#include <QColor>

class QWidget;

namespace zavro::ui {

// Named colours of the program.
QColor FocusYellow();   // the colour of a control that has the focus (255, 255, 0)
QColor LightYellow();   // background of the error window and grid cells (255, 255, 150)
QColor FaceColor();     // the face colour of buttons, labels and check boxes
QColor WindowColor();   // the background of edits, lists and trees
QColor Red();           // (255, 0, 0)
QColor Green();         // (0, 128, 0)
QColor Maroon();        // (128, 0, 0)
QColor Gray();          // (128, 128, 128)

// Focus colour modes.
enum FocusMode { kFocusEntered = 0, kFocusLeft = 1 };

// The class of a control as the focus colours see it.
enum class ColorClass {
    None,     // buttons, spinners, grids, pages: never recoloured
    Label,    // QLabel: face colour
    Edit,     // QLineEdit: face colour while read-only, else window colour
    Check,    // QRadioButton, QCheckBox: face colour
    View,     // QListView, QTreeView (and their item widgets): window colour
    Slider,   // QSlider: face colour, painted as its background
    List,     // QListWidget, QComboBox: window colour
};
ColorClass ColorClassOf(const QWidget* control);

// The colour a control of its class has when it does not have the focus
// (for an edit it depends on whether the edit is read-only now).
QColor NormalColor(const QWidget* control);

// The colour a control shows now: its background as the focus colours set it.
QColor ControlColor(const QWidget* control);

// Mode 0: the control was entered and turns yellow; mode 1: it was left and
// gets the normal colour of its class back. Other classes are left alone.
void SetFocusColor(QWidget* control, int mode);

// Gives a control a background colour the way SetFocusColor does.
void SetControlColor(QWidget* control, const QColor& color);

// Sets the text colour of a label, check box or static text.
void SetTextColor(QWidget* control, const QColor& color);

} // namespace zavro::ui
