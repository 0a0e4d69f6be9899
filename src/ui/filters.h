// Character filters of the edit fields.
//
// A character set is a set of Windows-1251 codes. Typed characters and
// edit texts are judged by the Windows-1251 code of each character; a
// character that has no Windows-1251 code is outside every set.
#pragma once

#include <bitset>
#include <initializer_list>
#include <string>

#include <QString>

class QLineEdit;
class QObject;

namespace zavro::ui {

using CharSet = std::bitset<256>;

// Builds a set from single codes and inclusive ranges.
struct CodeRange {
    int first;
    int last;
};
CharSet MakeCharSet(std::initializer_list<CodeRange> ranges);

constexpr int kBackspace = 8;

// The sets of the input filters; each includes backspace.
const CharSet& SetTextSpace();   // blank, digits, codes 65..122, codes 192..255
const CharSet& SetText();        // digits, codes 65..255 (no blank)
const CharSet& SetPhoneNumber(); // # * + and digits
const CharSet& SetDigital();     // digits
const CharSet& SetHex();         // digits, A..F, a..f
const CharSet& SetHexAndStar();  // * and the hexadecimal digits
const CharSet& SetFileKey();     // key of an encrypted file: as SetTextSpace
const CharSet& SetPortDigits();  // backspace and digits (COM-port edit)
// Characters a file-name element may hold: every code except " * / : < > ? \ |.
const CharSet& SetFileNameChars();

// The Windows-1251 code of a character, or -1 when it has none. The
// unassigned byte 0x98 has no character, so U+0098 has no code either.
int Cp1251Code(char32_t ch);

// Whether a character belongs to a set.
bool InSet(char32_t ch, const CharSet& set);

// Deletes from a Windows-1251 text every byte outside the set.
void FilterChars(std::string& text, const CharSet& set);
// Deletes from a screen text every character outside the set.
void FilterChars(QString& text, const CharSet& set);

// Filters the edit's text in place and puts the caret after its last character.
void FilterEditText(QLineEdit* edit, const CharSet& set);

// Key filter: a typed printable character outside the set is swallowed.
// Control keys and keys without text (arrows, shortcuts) go through, so that
// backspace, Enter, Escape and clipboard shortcuts keep working.
void InstallKeyFilter(QLineEdit* edit, const CharSet& set);

// Key filter and change filter together: typed characters outside the set are
// refused and every change (pasted text too) is cleaned with FilterEditText.
void InstallEditFilter(QLineEdit* edit, const CharSet& set);

// Limits the number of characters that can be typed or pasted into an edit
// without limiting the texts the program puts there itself.
void InstallTypedLengthLimit(QLineEdit* edit, int limit);

} // namespace zavro::ui
