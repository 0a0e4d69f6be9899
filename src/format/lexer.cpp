#include "format/lexer.h"

namespace zavro {

namespace {

constexpr unsigned char kCR = 13;
constexpr unsigned char kLF = 10;

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// The characters that end a word: NUL, CR, LF, "$", "." and ";" in both
// modes, and in the normal mode also the blank, "," and "-".
struct WordStops {
    bool normal[256] = {};
    bool text[256] = {};
    WordStops() {
        for (unsigned char c : {'\0', '\r', '\n', '$', '.', ';'}) normal[c] = text[c] = true;
        for (unsigned char c : {' ', ',', '-'}) normal[c] = true;
    }
};
const WordStops kWordStops;

// Everything but the characters skipped between lexemes in the normal mode
// (blank and "$"), and the characters that end a comment.
struct SkipStops {
    bool blanks[256] = {};
    bool comment[256] = {};
    SkipStops() {
        for (int c = 0; c < 256; ++c) blanks[c] = c != ' ' && c != '$';
        for (unsigned char c : {'\0', '\r', '\n', '$'}) comment[c] = true;
    }
};
const SkipStops kSkipStops;

} // namespace

void TLexPipe::NextLexeme(std::uint8_t mode, TLexema& out) {
    mode_ = mode;
    collected_.clear();
    out.Reset();
    if (pushedBack_) {
        pushedBack_ = false;
    } else {
        ReadLexeme();
    }
    out.LexKind = current_.LexKind;
    out.LexText = current_.LexText;
    out.LexValue = current_.LexValue;
}

void TLexPipe::ReadLexeme() {
    const bool text = mode_ == kTextMode;
    for (;;) {
        if (!text) lit_.TakeUntil(kSkipStops.blanks);
        const unsigned char c = lit_.NextChar();
        switch (c) {
        case 0: current_.LexKind = LexEnd; return;
        case kCR:
        case kLF:
            current_.LexKind = LexLineEnd;
            current_.LexText = "#10";
            return;
        case '$': continue;
        case ';':
            // A comment runs up to and including the next CR, LF or "$".
            lit_.TakeUntil(kSkipStops.comment);
            lit_.NextChar();
            continue;
        case '.': current_.LexKind = LexDot; return;
        case ' ':
            if (!text) continue;
            ReadWord(c);
            return;
        case ',':
            if (!text) {
                current_.LexKind = LexComma;
                return;
            }
            ReadWord(c);
            return;
        case '-':
            if (!text) {
                current_.LexKind = LexMinus;
                return;
            }
            ReadWord(c);
            return;
        default:
            if (IsDigit(c) && !text) ReadNumber(c);
            else ReadWord(c);
            return;
        }
    }
}

// Appends characters to the collected ones until a stop, then makes a word.
void TLexPipe::ReadWord(unsigned char first) {
    if (first != 0) collected_ += static_cast<char>(first);
    const bool text = mode_ == kTextMode;
    for (;;) {
        collected_ += lit_.TakeUntil(text ? kWordStops.text : kWordStops.normal);
        const unsigned char c = lit_.NextChar();
        if (c == 0 || c == kCR || c == kLF || c == '$') break; // consumed
        if (c == ' ' && !text) break;                          // consumed
        if ((c == ',' || c == '-') && !text) {
            lit_.BackChar();
            break;
        }
        if (c == '.' || c == ';') {
            lit_.BackChar();
            break;
        }
        collected_ += static_cast<char>(c);
    }
    current_.LexKind = LexWord;
    current_.LexText.swap(collected_);
}

// Up to 5 digits make a number; a sixth digit turns it into a word.
void TLexPipe::ReadNumber(unsigned char first) {
    collected_ += static_cast<char>(first);
    for (;;) {
        const unsigned char c = lit_.NextChar();
        if (IsDigit(c)) {
            collected_ += static_cast<char>(c);
            if (collected_.size() == 6) {
                ReadWord(0);
                return;
            }
            continue;
        }
        if (!(c == 0 || c == kCR || c == kLF || c == ' ' || c == '$')) lit_.BackChar();
        break;
    }
    std::int32_t value = 0;
    for (char d : collected_) value = value * 10 + (d - '0');
    current_.LexKind = LexNumber;
    current_.LexText.swap(collected_);
    current_.LexValue = value;
}

} // namespace zavro
