#include "format/text_buffer.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zavro {

std::string LoadTextBuffer(std::string_view bytes) {
    const auto nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 16 + 2);
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        std::size_t end = i;
        while (end < n && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        text.append(bytes.data() + i, end - i);
        text += "\r\n";
        i = end;
        if (i < n && bytes[i] == '\r') ++i;
        if (i < n && bytes[i] == '\n') ++i;
    }
    return text;
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& error) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec) {
        error = ec.message();
        return false;
    }
    if (std::filesystem::is_directory(status)) {
        error = std::make_error_code(std::errc::is_a_directory).message();
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::strerror(errno ? errno : EACCES);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = std::strerror(errno ? errno : EIO);
        return false;
    }
    return true;
}

bool LoadTextFile(const std::string& path, std::string& text, std::string& error) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes, error)) return false;
    text = LoadTextBuffer(bytes);
    return true;
}

} // namespace zavro
