#include "model/cp1251.h"

#include <array>

namespace zavro {

namespace {

// Unicode code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
};

// Upper-case partner of each byte 0x80..0xBF (the byte itself when none).
constexpr std::array<std::uint8_t, 256> MakeUpperTable() {
    std::array<std::uint8_t, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<std::uint8_t>(i);
    for (int i = 'a'; i <= 'z'; ++i) t[i] = static_cast<std::uint8_t>(i - 32);
    for (int i = 0xE0; i <= 0xFF; ++i) t[i] = static_cast<std::uint8_t>(i - 32);
    const std::uint8_t pairs[][2] = {
        {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
        {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3}, {0xB4, 0xA5},
        {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBF, 0xAF}, {0xB3, 0xB2}, {0xBE, 0xBD},
    };
    for (const auto& p : pairs) t[p[0]] = p[1];
    return t;
}

constexpr std::array<std::uint8_t, 256> MakeLowerTable() {
    constexpr auto upper = MakeUpperTable();
    std::array<std::uint8_t, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<std::uint8_t>(i);
    for (int i = 0; i < 256; ++i)
        if (upper[i] != i) t[upper[i]] = static_cast<std::uint8_t>(i);
    return t;
}

constexpr auto kUpper = MakeUpperTable();
constexpr auto kLower = MakeLowerTable();

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t Cp1251ToUnicode(std::uint8_t byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
    return kHigh[byte - 0x80];
}

int UnicodeToCp1251(char32_t ch) {
    if (ch < 0x80) return static_cast<int>(ch);
    if (ch >= 0x0410 && ch <= 0x044F) return static_cast<int>(0xC0 + (ch - 0x0410));
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == ch) return static_cast<int>(0x80 + i);
    return -1;
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251) AppendUtf8(out, Cp1251ToUnicode(static_cast<std::uint8_t>(c)));
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8, bool* exact) {
    std::string out;
    out.reserve(utf8.size());
    bool ok = true;
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        char32_t cp = 0;
        int extra = 0;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            cp = b & 0x1F;
            extra = 1;
        } else if ((b & 0xF0) == 0xE0) {
            cp = b & 0x0F;
            extra = 2;
        } else if ((b & 0xF8) == 0xF0) {
            cp = b & 0x07;
            extra = 3;
        } else {
            out += '?';
            ok = false;
            ++i;
            continue;
        }
        bool good = i + static_cast<std::size_t>(extra) < n;
        for (int k = 1; good && k <= extra; ++k) {
            const auto c = static_cast<std::uint8_t>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) good = false;
            else cp = (cp << 6) | (c & 0x3F);
        }
        if (!good) {
            out += '?';
            ok = false;
            ++i;
            continue;
        }
        i += 1 + extra;
        const int code = UnicodeToCp1251(cp);
        if (code < 0) {
            out += '?';
            ok = false;
        } else {
            out += static_cast<char>(code);
        }
    }
    if (exact) *exact = ok;
    return out;
}

char Cp1251Upper(char c) { return static_cast<char>(kUpper[static_cast<std::uint8_t>(c)]); }
char Cp1251Lower(char c) { return static_cast<char>(kLower[static_cast<std::uint8_t>(c)]); }

std::string Cp1251Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Cp1251Upper(c);
    return out;
}

} // namespace zavro
