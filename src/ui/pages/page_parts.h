// What every editor page is made of. A page is two halves:
//
//  - a binding: a struct of plain values, one field per control as the
//    control shows it (texts in UTF-8, ticks, item indexes, up-down ranges
//    and positions, enabled states), with Redraw (configuration into the
//    fields) and UnLoad (fields into the configuration) and the page's rules
//    (labels, enabling). It needs no widgets and is tested on its own;
//  - a view: an EditorPage whose Create step builds the controls and whose
//    Redraw and UnLoad steps only copy between the binding and the controls.
//
// The helpers below are the pieces the views and bindings share.
#pragma once

#include <optional>
#include <string>

#include <QString>

#include "ui/grid/key_filters.h"

class QLineEdit;
class QWidget;

namespace zavro::ui {

struct PageRow;
class TUpDown;

// ---- Plain values ----------------------------------------------------------

// A number edit with its up-down: the edit's text, the up-down's range
// and position.
struct UpDownField {
    std::string text;
    int min = 0;
    int max = 0;
    int position = 0;

    // The value shown as its decimal text; the up-down takes it within its range.
    void Show(int value);
};

// The decimal text of a number.
std::string NumberText(int value);

// The number of an edit's text: empty gives 0; a decimal text (digits, a
// leading "-" allowed) gives its value (beyond the int range: the int
// minimum or maximum, which every range rule rejects); any other text gives
// none, and the stored value is then kept.
std::optional<int> NumberOf(const std::string& text);

// Configuration texts (Windows-1251) and screen texts (UTF-8).
std::string ToScreen(const std::string& cp1251);
std::string FromScreen(const std::string& utf8);

// The label beside a track bar: " (выкл)" at 0 or less, else " (n)".
std::string TrackLabel(int position);

// ---- Controls --------------------------------------------------------------

QString Qs(const std::string& utf8);
std::string Ss(const QString& text);

// A masked edit of a page: its name, the most characters the user may type
// and its input filter (none: any character).
QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxLength,
                    std::optional<InputFilter> filter);
// Shows its text as a row of "*" (the main window shows it in clear while
// the edit has the focus).
void SetStarPassword(QLineEdit* edit);
TUpDown* MakeUpDown(QWidget* parent, const char* name, int min, int max);

// Keeps a group stretched down to the bottom of its page, margin pixels
// above it, whenever the page changes its size (never shorter than laid out).
void StretchToBottom(QWidget* group, QWidget* page, int margin);

// Gives the row's control, its labels and its up-down the hint key.
void HintRow(const PageRow& row, int key);
// Enables or disables the row's control, labels and up-down together.
void EnableRow(const PageRow& row, bool enabled);

// Copies an up-down field into an edit and its up-down, and the edit's text back.
// The edit shows the stored value as it is, even outside the up-down's
// range, so that validation sees (and reports) what the configuration holds.
void ShowField(QLineEdit* edit, TUpDown* upDown, const UpDownField& field);
// Puts a number's text into an edit as it is: the digit filter judges what
// the user types, not the stored value (a port of -1 stays -1).
void SetNumberText(QLineEdit* edit, const std::string& text);
void ReadField(const QLineEdit* edit, UpDownField& field);

} // namespace zavro::ui
