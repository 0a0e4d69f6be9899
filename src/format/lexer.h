// The lexer of the configuration text: words, numbers, the marks ".", ","
// and "-", line ends and the end of the text. In the text mode blanks,
// ",", "-" and digits belong to words, so that a phone number, a name with
// blanks or an address with commas comes back as one word.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zavro {

enum LexKind : std::uint8_t {
    LexLineEnd = 0,
    LexWord = 1,
    LexNumber = 2,
    LexDot = 3,
    LexComma = 4,
    LexMinus = 5,
    LexEnd = 6,
};

inline constexpr std::uint8_t kNormalMode = 0;
inline constexpr std::uint8_t kTextMode = 1;

struct TLexema {
    std::uint8_t LexKind = 0;
    std::string LexText;
    std::int32_t LexValue = 0;

    void Reset() {
        LexKind = 0;
        LexText.clear();
        LexValue = 0;
    }
};

// The character source: the text and a 1-based position; 0 means no text.
class TLitPipe {
public:
    void SetText(std::string_view text) {
        text_ = text;
        pos_ = text_.empty() ? 0 : 1;
    }
    // The character at the position, advancing; code 0 without advancing
    // when there is no text or the position is past its end.
    unsigned char NextChar() {
        if (pos_ == 0 || pos_ > text_.size()) return 0;
        return static_cast<unsigned char>(text_[pos_++ - 1]);
    }
    void BackChar() {
        if (pos_ != 0) --pos_;
    }
    // The characters from the position on up to the first one marked in
    // stops (or the end), consumed. Equivalent to NextChar until a stop
    // followed by BackChar, but in one step.
    // Lines are padded with blanks, so where blanks are no stop whole runs
    // of eight of them are passed at once.
    std::string_view TakeUntil(const bool (&stops)[256]) {
        if (pos_ == 0 || pos_ > text_.size()) return {};
        const std::size_t start = pos_ - 1;
        std::size_t i = start;
        const std::size_t n = text_.size();
        const bool blanksPass = !stops[' '];
        static constexpr char kBlanks[8] = {' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
        while (i < n) {
            const char c = text_[i];
            if (c == ' ' && blanksPass && i + 8 <= n && std::memcmp(text_.data() + i, kBlanks, 8) == 0) {
                i += 8;
                continue;
            }
            if (stops[static_cast<unsigned char>(c)]) break;
            ++i;
        }
        pos_ = i + 1;
        return text_.substr(start, i - start);
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// The lexeme source. The text handed to SetText must outlive the reading.
class TLexPipe {
public:
    void SetText(std::string_view text) {
        lit_.SetText(text);
        pushedBack_ = false;
    }
    // Reads the next lexeme in the given mode (1 = text mode) into out, or
    // gives the pushed-back one again, whatever the mode.
    void NextLexeme(std::uint8_t mode, TLexema& out);
    // The next NextLexeme returns the same lexeme again.
    void Unget() { pushedBack_ = true; }

private:
    void ReadLexeme();
    void ReadWord(unsigned char first);
    void ReadNumber(unsigned char first);

    TLitPipe lit_;
    TLexema current_;
    bool pushedBack_ = false;
    std::string collected_;
    std::uint8_t mode_ = 0;
};

} // namespace zavro
