#include "format/reader.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace zavro {

namespace {

// Removes blanks (the space character alone) at both ends.
std::string TrimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}

void LowerAscii(std::string& s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The keywords of the command table in lower case, grouped by their first
// character; each group keeps the table order, so the first match of a
// group is the first match of the whole table.
struct KeywordIndex {
    std::array<std::string, kKindCount> lower;
    std::array<std::vector<int>, 256> byFirst;
    KeywordIndex() {
        for (int k = 0; k < kKindCount; ++k) {
            lower[k] = ParamImages[k].keyword;
            LowerAscii(lower[k]);
            if (!lower[k].empty()) byFirst[static_cast<unsigned char>(lower[k][0])].push_back(k);
        }
    }
};
const KeywordIndex kKeywords;

// One reading: the lexer, the lexeme and the command being assembled.
class Reader {
public:
    Reader(std::string_view text, T_Command_DEVICE& device) : device_(device) {
        pipe_.SetText(text);
    }
    void Run();

private:
    void Next(std::uint8_t mode) { pipe_.NextLexeme(mode, lex_); }
    bool ReadValue1();
    bool ReadValue2();
    bool ReadList();
    void Merge();

    T_Command_DEVICE& device_;
    TLexPipe pipe_;
    TLexema lex_;
    T_Command cmd_;
};

void Reader::Run() {
    device_.Set_Version("");
    std::string fallback;
    bool fallbackDone = false;
    std::uint8_t previous = LexEnd;

    for (;;) {
        Next(kNormalMode);
        int kind = -1; // keyword test not yet made
        if (!fallbackDone) {
            // The version fallback collects the file's first line when it
            // is not a command, up to the first command keyword.
            switch (lex_.LexKind) {
            case LexLineEnd:
                if (!fallback.empty()) fallbackDone = true;
                break;
            case LexDot: fallback += '.'; break;
            case LexComma: fallback += ','; break;
            case LexMinus: fallback += '-'; break;
            case LexEnd: fallbackDone = true; break;
            case LexWord:
            case LexNumber:
                if (previous == LexWord || previous == LexNumber) fallback += ' ';
                if (lex_.LexKind == LexWord) {
                    kind = KeywordKind(lex_.LexText);
                    if (kind != 0) fallbackDone = true;
                    else fallback += lex_.LexText;
                } else {
                    fallback += std::to_string(lex_.LexValue);
                }
                break;
            default: break;
            }
            previous = lex_.LexKind;
        }

        if (lex_.LexKind == LexLineEnd) continue;
        if (lex_.LexKind == LexEnd) break;

        if (kind < 0) kind = KeywordKind(lex_.LexText);
        if (kind == 0) continue;
        fallbackDone = true;

        const long long index = IndexOf(lex_.LexText, kind);
        if (index < 0) continue;

        // A clean command of this kind, nothing left of the one before.
        cmd_.Kind = static_cast<std::uint8_t>(kind);
        cmd_.Number = static_cast<std::int32_t>(index);
        cmd_.Flag = 0;
        cmd_.ResetToDefault();
        if (ReadValue1() && ReadValue2()) Merge();
    }

    if (fallback.empty()) fallback = "??????";
    if (device_.Get_Version().empty()) device_.Set_Version(fallback);
}

bool Reader::ReadValue1() {
    const TParamImage& row = ParamImages[cmd_.Kind];
    switch (row.kind1) {
    case V1None:
    case V1Text:
        Next(kNormalMode);
        if (lex_.LexKind != LexMinus) {
            pipe_.Unget();
            return false;
        }
        Next(kTextMode);
        switch (lex_.LexKind) {
        case LexLineEnd: cmd_.Text1.clear(); return true;
        case LexWord: cmd_.Text1 = TrimBlanks(lex_.LexText); return true;
        case LexDot:
            cmd_.Text1.clear();
            pipe_.Unget();
            return true;
        default: pipe_.Unget(); return false;
        }

    case V1Integer:
        Next(kNormalMode);
        if (lex_.LexKind != LexMinus) {
            pipe_.Unget();
            return false;
        }
        Next(kNormalMode);
        switch (lex_.LexKind) {
        case LexNumber: cmd_.Value1 = lex_.LexValue; return true;
        case LexLineEnd: cmd_.Value1 = 0; return true;
        case LexDot:
        case LexComma:
            cmd_.Value1 = 0;
            pipe_.Unget();
            return true;
        default: pipe_.Unget(); return false;
        }

    case V1TextRest: {
        Next(kNormalMode);
        std::string value;
        if (lex_.LexKind != LexMinus) value = lex_.LexText;
        for (;;) {
            Next(kTextMode);
            switch (lex_.LexKind) {
            case LexWord:
                // A word that keeps a leading blank of its own gets no
                // second one, so the text does not grow at every save.
                if (lex_.LexText.empty() || lex_.LexText[0] != ' ') value += ' ';
                value += lex_.LexText;
                break;
            case LexDot: value += '.'; break;
            case LexLineEnd: cmd_.Text1 = TrimBlanks(value); return true;
            case LexEnd: pipe_.Unget(); return true;
            default: value += lex_.LexText; break;
            }
        }
    }

    case V1List: return ReadList();
    default: return false;
    }
}

bool Reader::ReadList() {
    cmd_.Flag = 0;
    Next(kNormalMode);
    if (lex_.LexKind != LexMinus) {
        pipe_.Unget();
        return false;
    }
    const bool hasValue2 = ParamImages[cmd_.Kind].kind2 != V2None;
    for (int p = 1; p <= 16; ++p) {
        Next(kNormalMode);
        switch (lex_.LexKind) {
        case LexNumber:
            cmd_.Aux[p] = lex_.LexValue;
            cmd_.Flag = static_cast<std::uint8_t>(p);
            Next(kNormalMode);
            if (lex_.LexKind == LexComma) break;
            pipe_.Unget();
            if (lex_.LexKind == LexDot) return true;
            if (lex_.LexKind == LexLineEnd) return !hasValue2;
            return false;
        case LexComma: cmd_.Flag = static_cast<std::uint8_t>(p); break;
        case LexDot:
            pipe_.Unget();
            cmd_.Flag = static_cast<std::uint8_t>(p);
            return true;
        case LexLineEnd: cmd_.Flag = static_cast<std::uint8_t>(p); return true;
        default: pipe_.Unget(); return false;
        }
    }
    return true; // the 16th position was followed by ","
}

bool Reader::ReadValue2() {
    switch (ParamImages[cmd_.Kind].kind2) {
    case V2Integer:
        Next(kNormalMode);
        if (lex_.LexKind == LexLineEnd) {
            cmd_.Value2 = 0;
            return true;
        }
        if (lex_.LexKind != LexDot) {
            pipe_.Unget();
            return false;
        }
        Next(kNormalMode);
        if (lex_.LexKind == LexLineEnd) {
            cmd_.Value2 = 0;
            return true;
        }
        if (lex_.LexKind == LexNumber) {
            cmd_.Value2 = lex_.LexValue;
            return true;
        }
        pipe_.Unget();
        return false;

    case V2Text:
        Next(kNormalMode);
        if (lex_.LexKind == LexLineEnd) {
            cmd_.Text2.clear();
            return true;
        }
        if (lex_.LexKind != LexDot) {
            pipe_.Unget();
            return false;
        }
        Next(kTextMode);
        if (lex_.LexKind == LexLineEnd) {
            cmd_.Text2.clear();
            return true;
        }
        if (lex_.LexKind == LexWord) {
            cmd_.Text2 = TrimBlanks(lex_.LexText);
            return true;
        }
        pipe_.Unget();
        return false;

    default: return true;
    }
}

void Reader::Merge() {
    const TParamImage& row = ParamImages[cmd_.Kind];
    if (row.kind1 == V1Integer && row.min1 >= 0 && (cmd_.Value1 < row.min1 || cmd_.Value1 > row.max1))
        cmd_.Value1 = row.def1;
    if (row.kind2 == V2Integer && row.min2 >= 0 && (cmd_.Value2 < row.min2 || cmd_.Value2 > row.max2))
        cmd_.Value2 = row.def2;
    if (cmd_.Kind == K_GsmPhone && cmd_.Value1 == 0) cmd_.Text2.clear();
    if (cmd_.Kind == K_Key && !cmd_.Text2.empty()) {
        // The file holds the key code reversed: bring it to its normal order
        // with the missing leading zeros supplied.
        std::string& code = cmd_.Text2;
        if (code.find('*') != std::string::npos) {
            code.assign(12, '*');
        } else {
            if (code.size() < 12) code.append(12 - code.size(), '0');
            for (char& c : code)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            std::reverse(code.begin(), code.end());
        }
    }
    device_.Commands(cmd_.Kind)[cmd_.Number - row.low].CopyFrom(cmd_);
}

} // namespace

int KeywordKind(std::string& text) {
    LowerAscii(text);
    if (text.empty()) return 0;
    for (int k : kKeywords.byFirst[static_cast<unsigned char>(text[0])]) {
        const std::string& kw = kKeywords.lower[k];
        if (text.size() < kw.size()) continue;
        if (text.compare(0, kw.size(), kw) != 0) continue;
        if (text.size() == kw.size() || IsDigit(text[kw.size()])) return k;
    }
    return 0;
}

long long IndexOf(const std::string& lowerText, int kind) {
    const TParamImage& row = ParamImages[kind];
    if (!HasIndex(kind)) return row.low;
    const std::size_t start = std::string_view(row.keyword).size();
    if (lowerText.size() <= start) return -1;
    const long long high = std::abs(static_cast<int>(row.high));
    long long value = 0;
    for (std::size_t i = start; i < lowerText.size(); ++i) {
        if (!IsDigit(lowerText[i])) return -1;
        // Digits beyond the range of the index can only give an index out of
        // range; stop counting before the number overflows.
        if (value <= high) value = value * 10 + (lowerText[i] - '0');
    }
    if (value < row.low || value > high) return -1;
    return value;
}

void ReadConfiguration(std::string_view text, T_Command_DEVICE& device) {
    Reader reader(text, device);
    reader.Run();
}

void ApplyFileKeyRule(T_Command_DEVICE& device, const std::string& key) {
    if (device.Get_FileKey().empty()) {
        const std::string old = device.Get_FileKeyOld();
        device.Set_FileKey(!old.empty() ? old : key);
    }
    if (device.Get_FileKeyOld().empty() && !key.empty()) device.Set_FileKeyOld(key);
}

} // namespace zavro
