// Windows-1251 conversion and the text buffer's loading step.
#include <gtest/gtest.h>

#include "format/text_buffer.h"
#include "model/cp1251.h"

using namespace zavro;

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    bool exact = false;
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all), &exact), all);
    EXPECT_TRUE(exact);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(UnicodeToCp1251(Cp1251ToUnicode(static_cast<std::uint8_t>(b))), b) << b;
}

TEST(Cp1251, KnownCharacters) {
    EXPECT_EQ(Cp1251ToUnicode(0xB9), U'№');
    EXPECT_EQ(Cp1251ToUnicode(0xA8), U'Ё');
    EXPECT_EQ(Cp1251ToUnicode(0xB8), U'ё');
    EXPECT_EQ(Cp1251ToUnicode(0x88), U'€');
    EXPECT_EQ(Cp1251ToUnicode(0xC0), U'А');
    EXPECT_EQ(Cp1251ToUnicode(0xFF), U'я');
    EXPECT_EQ(Cp1251ToUnicode(0x98), U'\u0098');
    EXPECT_EQ(Cp1251ToUtf8("\xCA\xEB\xFE\xF7 \xB9"), "Ключ №");
}

TEST(Cp1251, CharactersWithoutACodeBecomeQuestionMarks) {
    bool exact = true;
    EXPECT_EQ(Utf8ToCp1251("a\xE2\x82\xAC\xE4\xB8\xAD" "b", &exact), "a\x88?b"); // € then 中
    EXPECT_FALSE(exact);
    EXPECT_EQ(Utf8ToCp1251("\xFF" "x\xD0", &exact), "?x?"); // malformed and cut short
    EXPECT_FALSE(exact);
    EXPECT_EQ(UnicodeToCp1251(U'中'), -1);
}

TEST(Cp1251, LetterCase) {
    EXPECT_EQ(Cp1251Upper(Utf8ToCp1251("завро корвал ip/gprs 8 ёїєіўґ")),
              Utf8ToCp1251("ЗАВРО КОРВАЛ IP/GPRS 8 ЁЇЄІЎҐ"));
    EXPECT_EQ(Cp1251Lower(Utf8ToCp1251("Я")[0]), Utf8ToCp1251("я")[0]);
    EXPECT_EQ(Cp1251Upper('\x98'), '\x98');
    EXPECT_EQ(Cp1251Upper("1-,.;"), "1-,.;");
}

struct BufferCase {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const BufferCase& c, std::ostream* os) { *os << c.name; }

class TextBuffer : public testing::TestWithParam<BufferCase> {};

TEST_P(TextBuffer, LinesEndInCrLf) { EXPECT_EQ(LoadTextBuffer(GetParam().bytes), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    LineEnds, TextBuffer,
    testing::Values(BufferCase{"empty", "", ""}, BufferCase{"crlf", "a\r\nb\r\n", "a\r\nb\r\n"},
                    BufferCase{"lf", "a\nb\n", "a\r\nb\r\n"},
                    BufferCase{"cr", "a\rb", "a\r\nb\r\n"},
                    BufferCase{"lfcr_is_two_breaks", "a\n\rb", "a\r\n\r\nb\r\n"},
                    BufferCase{"blank_lines", "\r\n\n\r", "\r\n\r\n\r\n"},
                    BufferCase{"last_line_without_end", "oa-X", "oa-X\r\n"},
                    BufferCase{"cut_at_nul", std::string("oa-X\r\nst-5\0ca-4\r\n", 16), "oa-X\r\nst-5\r\n"},
                    BufferCase{"nul_first", std::string("\0oa-X", 5), ""},
                    BufferCase{"high_bytes", "\xC0\xFF\x98\r\n", "\xC0\xFF\x98\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextBuffer, MissingFileGivesTheReason) {
    std::string text;
    std::string error;
    EXPECT_FALSE(LoadTextFile("/nonexistent/dir/config.ini", text, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(LoadTextFile("/tmp", text, error)); // a folder is no file
    EXPECT_FALSE(error.empty());
}
