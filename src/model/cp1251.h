// Windows-1251 helpers. Configuration data is held as Windows-1251 bytes;
// these functions convert where the data meets the screen, and give the
// code page's letter case for comparisons and signatures.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zavro {

// The Unicode character of a Windows-1251 byte. The one unassigned byte,
// 0x98, maps to U+0098 so that every byte survives a round trip.
char32_t Cp1251ToUnicode(std::uint8_t byte);

// The Windows-1251 byte of a Unicode character, or -1 when it has none.
int UnicodeToCp1251(char32_t ch);

// Whole texts. Characters without a Windows-1251 code become '?' and clear
// *exact when it is given. Malformed UTF-8 sequences count as such characters.
std::string Cp1251ToUtf8(std::string_view cp1251);
std::string Utf8ToCp1251(std::string_view utf8, bool* exact = nullptr);

// Letter case of the code page: ASCII letters and the Cyrillic letters of
// Windows-1251 (including the Serbian, Ukrainian and Belarusian ones).
char Cp1251Upper(char c);
char Cp1251Lower(char c);
std::string Cp1251Upper(std::string_view text);

} // namespace zavro
