#include "model/command.h"

#include "model/command_table.h"

namespace zavro {

T_Command::T_Command(int kind, int number)
    : Kind(static_cast<std::uint8_t>(kind)), Number(number), Value1(ParamImages[kind].def1),
      Value2(ParamImages[kind].def2) {}

void T_Command::ResetToDefault() {
    const TParamImage& row = ParamImages[Kind < kKindCount ? Kind : 0];
    Value1 = row.def1;
    Value2 = row.def2;
    Text1.clear();
    Text2.clear();
    Aux.fill(0);
}

void T_Command::CopyFrom(const T_Command& other) {
    Kind = other.Kind;
    Number = other.Number;
    Flag = other.Flag;
    Aux = other.Aux;
    Value1 = other.Value1;
    Value2 = other.Value2;
    Text1 = other.Text1;
    Text2 = other.Text2;
}

std::int32_t T_Command::GetValue(int p) const {
    switch (p) {
    case 0: return Number;
    case 1: return Value1;
    case 2: return Value2;
    default: return 0;
    }
}

void T_Command::SetValue(int p, std::int32_t v) {
    switch (p) {
    case 0: Number = v; break;
    case 1: Value1 = v; break;
    case 2: Value2 = v; break;
    default: break;
    }
}

std::string T_Command::GetText(int p) const {
    if (p == 1) return Text1;
    if (p == 2) return Text2;
    return {};
}

void T_Command::SetText(int p, const std::string& s) {
    if (p == 1) Text1 = s;
    else if (p == 2) Text2 = s;
}

std::int32_t T_Command::GetAux(int p) const { return p >= 1 && p <= 16 ? Aux[p] : 0; }

void T_Command::SetAux(int p, std::int32_t v) {
    if (p >= 1 && p <= 16) Aux[p] = v;
}

} // namespace zavro
