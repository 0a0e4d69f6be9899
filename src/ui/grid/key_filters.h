// The six input filters of the edit fields: a key filter that swallows a
// typed character outside the filter's set (backspace and control keys go
// through) and its change twin that removes every character outside the set
// from the field's text, so that pasted text is cleaned too. Every page and
// every grid text editor binds them the same way, through BindInputFilter.
#pragma once

#include "ui/filters.h"

class QLineEdit;

namespace zavro::ui {

enum class InputFilter {
    TextSpace,   // EditTextSpace_KeyPress / EditTextSpace_Change
    Text,        // EditText_KeyPress / EditText_Change
    PhoneNumber, // EditPhoneNumber_KeyPress / EditPhoneNumber_Change
    Digital,     // EditDigital_KeyPress / EditDigital_Change
    Hex,         // EditHex_KeyPress / EditHex_Change
    HexAndStar,  // EditHexAndStar_KeyPress / EditHexAndStar_Change
};

// The character set of a filter (backspace included).
const CharSet& FilterSet(InputFilter filter);

// Key filters: whether a typed character is let through.
bool EditTextSpace_KeyPress(char32_t ch);
bool EditText_KeyPress(char32_t ch);
bool EditPhoneNumber_KeyPress(char32_t ch);
bool EditDigital_KeyPress(char32_t ch);
bool EditHex_KeyPress(char32_t ch);
bool EditHexAndStar_KeyPress(char32_t ch);
bool FilterKeyPress(InputFilter filter, char32_t ch);

// Change twins: clean the field's text and put the caret at its end.
void EditTextSpace_Change(QLineEdit* edit);
void EditText_Change(QLineEdit* edit);
void EditPhoneNumber_Change(QLineEdit* edit);
void EditDigital_Change(QLineEdit* edit);
void EditHex_Change(QLineEdit* edit);
void EditHexAndStar_Change(QLineEdit* edit);
void FilterChange(InputFilter filter, QLineEdit* edit);

// Binds the key filter and its change twin to an edit.
void BindInputFilter(QLineEdit* edit, InputFilter filter);

} // namespace zavro::ui
