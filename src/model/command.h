// One command instance of a configuration.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zavro {

class T_Command {
public:
    std::uint8_t Kind = 0;
    std::int32_t Number = -1;
    std::int32_t Value1 = 0;
    std::int32_t Value2 = 0;
    std::string Text1; // Windows-1251
    std::string Text2; // Windows-1251
    std::uint8_t Flag = 0; // list positions read from a file
    std::array<std::int32_t, 17> Aux{}; // Aux[1..16]; Aux[0] is not used

    // Plain construction: Kind 0, Number -1, everything else empty.
    T_Command() = default;
    // A command of a kind and number with the table defaults of the kind.
    T_Command(int kind, int number);

    // Values at the defaults of its own kind; texts and list cleared.
    // Kind, Number and Flag are left as they are.
    void ResetToDefault();
    void CopyFrom(const T_Command& other);

    int GetKind() const { return Kind; }
    void SetKind(int kind) { Kind = static_cast<std::uint8_t>(kind); }
    int GetNumber() const { return Number; }
    void SetNumber(int number) { Number = number; }
    int GetFlag() const { return Flag; }
    void SetFlag(int flag) { Flag = static_cast<std::uint8_t>(flag); }

    // p = 0 Number, 1 Value1, 2 Value2; others read 0 and write nothing.
    std::int32_t GetValue(int p) const;
    void SetValue(int p, std::int32_t v);
    // p = 1 Text1, 2 Text2; others read empty and write nothing.
    std::string GetText(int p) const;
    void SetText(int p, const std::string& s);
    // p = 1..16; others read 0 and write nothing.
    std::int32_t GetAux(int p) const;
    void SetAux(int p, std::int32_t v);
};

} // namespace zavro
