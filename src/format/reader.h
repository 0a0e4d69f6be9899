// The configuration text reader: merges the commands found in a text into
// a configuration. It is tolerant and reports nothing: what it does not
// understand is skipped, values out of range fall back to the defaults.
#pragma once

#include <string>
#include <string_view>

#include "format/lexer.h"
#include "model/device.h"

namespace zavro {

// Reads text (as held by the text buffer) into device, which is changed in
// place; commands missing from the text keep the values device had.
void ReadConfiguration(std::string_view text, T_Command_DEVICE& device);

// Keyword test: the command kind whose keyword begins the lexeme's text, or
// 0 for no command. The text is turned to lower case (ASCII letters only).
int KeywordKind(std::string& text);

// Index test: the index that follows the keyword, or -1.
long long IndexOf(const std::string& lowerText, int kind);

// The file-key rule applied after a file has been read with key (Windows-1251).
void ApplyFileKeyRule(T_Command_DEVICE& device, const std::string& key);

} // namespace zavro
