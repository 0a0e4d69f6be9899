// The lexer, lexeme by lexeme.
#include <gtest/gtest.h>

#include "format/lexer.h"

using namespace zavro;

namespace {

// The lexemes of a text as "kind:text" words (numbers as "N:value"), read in
// one mode until the end of the text.
std::string Lexemes(std::string_view text, std::uint8_t mode = kNormalMode) {
    TLexPipe pipe;
    pipe.SetText(text);
    std::string out;
    TLexema lex;
    for (int guard = 0; guard < 100; ++guard) {
        pipe.NextLexeme(mode, lex);
        if (!out.empty()) out += ' ';
        switch (lex.LexKind) {
        case LexLineEnd: out += "EOL"; break;
        case LexWord: out += "W[" + lex.LexText + "]"; break;
        case LexNumber: out += "N" + std::to_string(lex.LexValue); break;
        case LexDot: out += "."; break;
        case LexComma: out += ","; break;
        case LexMinus: out += "-"; break;
        case LexEnd: out += "END"; return out;
        }
    }
    return out + " ...";
}

struct LexCase {
    const char* text;
    std::uint8_t mode;
    const char* lexemes;
};

void PrintTo(const LexCase& c, std::ostream* os) { *os << testing::PrintToString(std::string(c.text)); }

class Lexer : public testing::TestWithParam<LexCase> {};

TEST_P(Lexer, Reads) { EXPECT_EQ(Lexemes(GetParam().text, GetParam().mode), GetParam().lexemes); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Lexer,
    testing::Values(
        LexCase{"la12-Hall", kNormalMode, "W[la12] - W[Hall] END"},
        LexCase{"lm3-2.90\r\n", kNormalMode, "W[lm3] - N2 . N90 EOL END"},
        LexCase{"123456", kNormalMode, "W[123456] END"},
        LexCase{"1234567-8", kNormalMode, "W[1234567] - N8 END"},
        LexCase{"12345x", kNormalMode, "N12345 W[x] END"},
        LexCase{"00042.", kNormalMode, "N42 . END"},
        LexCase{"12 34", kNormalMode, "N12 N34 END"},
        LexCase{"; any text\r\noa", kNormalMode, "EOL W[oa] END"},
        LexCase{"a;b$c\r\n", kNormalMode, "W[a] W[c] EOL END"},
        LexCase{"x.\r\n", kNormalMode, "W[x] . EOL EOL END"},
        LexCase{"$$oa$-", kNormalMode, "W[oa] - END"},
        LexCase{"a\tb c", kNormalMode, "W[a\tb] W[c] END"},
        LexCase{"a,b-c", kNormalMode, "W[a] , W[b] - W[c] END"},
        LexCase{" Room 5, floor 2-3.", kTextMode, "W[ Room 5, floor 2-3] . END"},
        LexCase{"a\tb c;x\r\nd", kTextMode, "W[a\tb c] EOL W[d] END"},
        LexCase{"\xC0\xFF-1", kNormalMode, "W[\xC0\xFF] - N1 END"},
        LexCase{"", kNormalMode, "END"},
        LexCase{"\r\n", kNormalMode, "EOL EOL END"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Lexer, EndOfTextRepeats) {
    TLexPipe pipe;
    pipe.SetText("");
    TLexema lex;
    for (int i = 0; i < 3; ++i) {
        pipe.NextLexeme(kNormalMode, lex);
        EXPECT_EQ(lex.LexKind, LexEnd);
    }
}

TEST(Lexer, UngetGivesTheSameLexemeInAnyMode) {
    TLexPipe pipe;
    pipe.SetText("12,5 x");
    TLexema lex;
    pipe.NextLexeme(kNormalMode, lex);
    ASSERT_EQ(lex.LexKind, LexNumber);
    pipe.Unget();
    pipe.NextLexeme(kTextMode, lex);
    EXPECT_EQ(lex.LexKind, LexNumber);
    EXPECT_EQ(lex.LexValue, 12);
    pipe.NextLexeme(kTextMode, lex); // the comma starts a word in text mode
    EXPECT_EQ(lex.LexKind, LexWord);
    EXPECT_EQ(lex.LexText, ",5 x");
}

TEST(Lexer, MarksKeepTheTextOfTheLexemeBefore) {
    TLexPipe pipe;
    pipe.SetText("la3.\r\n");
    TLexema lex;
    pipe.NextLexeme(kNormalMode, lex);
    pipe.NextLexeme(kNormalMode, lex);
    EXPECT_EQ(lex.LexKind, LexDot);
    EXPECT_EQ(lex.LexText, "la3");
    pipe.NextLexeme(kNormalMode, lex);
    EXPECT_EQ(lex.LexText, "#10");
}

} // namespace
