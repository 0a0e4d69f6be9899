// The text buffer: what the program's text control holds after a file has
// been loaded into it. The reader is always given such a text.
#pragma once

#include <string>
#include <string_view>

namespace zavro {

// The file's bytes up to the first NUL, split into lines at CR LF, CR or LF,
// each line followed by CR LF.
std::string LoadTextBuffer(std::string_view fileBytes);

// Reads a whole file. On failure returns false and puts the reason
// (the system's error text) into error.
bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error);

// ReadFileBytes followed by LoadTextBuffer.
bool LoadTextFile(const std::string& path, std::string& text, std::string& error);

} // namespace zavro
