// The configuration text writer and the small text functions that bring
// addresses and codes into the form in which they are stored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/device.h"

namespace zavro {

inline constexpr std::size_t kLineWidth = 45;

// Appends the 658 lines of the configuration to lines.
void WriteConfiguration(const T_Command_DEVICE& device, std::vector<std::string>& lines);

// The whole configuration text: every line followed by CR LF.
std::string ConfigurationText(const T_Command_DEVICE& device);

// The text of one instance before filling; empty for a kind without keyword.
std::string BuildCommandLine(const T_Command_DEVICE& device, int kind, int element);

// Fills a line with blanks on the right to 45 characters.
std::string PadLine(std::string line);

// Decimal n preceded by fill up to width characters.
std::string PadNumber(long long n, int width, char fill);

// Character sets for FormatCodeGroups.
inline constexpr std::string_view kDecimalDigits = "0123456789";
inline constexpr std::string_view kHexDigits = "0123456789ABCDEFabcdef";

// Rewrites text into fixed groups (addresses, identifiers, codes); returns
// whether the final form differs from the regrouped form.
bool FormatCodeGroups(std::string& text, std::string_view allowed, char delimiter, char fill,
                      int group, int width, bool insertDelimiters);

std::string ReplaceChar(std::string_view text, char from, char to);

// True when every character is a decimal digit or ","; true for "".
bool IsDigitsAndCommas(std::string_view text);

} // namespace zavro
