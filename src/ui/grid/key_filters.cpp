#include "ui/grid/key_filters.h"

#include <QLineEdit>

namespace zavro::ui {

const CharSet& FilterSet(InputFilter filter) {
    switch (filter) {
    case InputFilter::TextSpace: return SetTextSpace();
    case InputFilter::Text: return SetText();
    case InputFilter::PhoneNumber: return SetPhoneNumber();
    case InputFilter::Digital: return SetDigital();
    case InputFilter::Hex: return SetHex();
    case InputFilter::HexAndStar: return SetHexAndStar();
    }
    return SetDigital();
}

bool FilterKeyPress(InputFilter filter, char32_t ch) {
    return ch == static_cast<char32_t>(kBackspace) || InSet(ch, FilterSet(filter));
}

bool EditTextSpace_KeyPress(char32_t ch) { return FilterKeyPress(InputFilter::TextSpace, ch); }
bool EditText_KeyPress(char32_t ch) { return FilterKeyPress(InputFilter::Text, ch); }
bool EditPhoneNumber_KeyPress(char32_t ch) { return FilterKeyPress(InputFilter::PhoneNumber, ch); }
bool EditDigital_KeyPress(char32_t ch) { return FilterKeyPress(InputFilter::Digital, ch); }
bool EditHex_KeyPress(char32_t ch) { return FilterKeyPress(InputFilter::Hex, ch); }
bool EditHexAndStar_KeyPress(char32_t ch) { return FilterKeyPress(InputFilter::HexAndStar, ch); }

void FilterChange(InputFilter filter, QLineEdit* edit) {
    if (edit != nullptr) FilterEditText(edit, FilterSet(filter));
}

void EditTextSpace_Change(QLineEdit* edit) { FilterChange(InputFilter::TextSpace, edit); }
void EditText_Change(QLineEdit* edit) { FilterChange(InputFilter::Text, edit); }
void EditPhoneNumber_Change(QLineEdit* edit) { FilterChange(InputFilter::PhoneNumber, edit); }
void EditDigital_Change(QLineEdit* edit) { FilterChange(InputFilter::Digital, edit); }
void EditHex_Change(QLineEdit* edit) { FilterChange(InputFilter::Hex, edit); }
void EditHexAndStar_Change(QLineEdit* edit) { FilterChange(InputFilter::HexAndStar, edit); }

void BindInputFilter(QLineEdit* edit, InputFilter filter) {
    if (edit != nullptr) InstallEditFilter(edit, FilterSet(filter));
}

} // namespace zavro::ui
