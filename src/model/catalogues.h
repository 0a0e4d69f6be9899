// Catalogues that turn the stored type codes of loops, relays, keys and
// phones into the texts shown to the user, in the order the choices are
// offered. Texts are UTF-8; a text "short|description" holds the short name
// shown in lists and the description shown as a hint, whose lines are
// separated by CR.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zavro {

struct R_NAME_Type {
    std::int32_t code;
    const char* text;
    const char* second; // short name for printing (key types only)
};

struct R_NAME_Type_Mode {
    std::int32_t type;
    std::int32_t mode; // data mode of the dial-out channel
    const char* text;
};

struct R_NAME_Mode {
    std::int32_t code;
    const char* text;
};

using R_NAME_Prot = R_NAME_Mode;

extern const std::array<R_NAME_Type, 15> ShleifTypes;
extern const std::array<R_NAME_Type, 11> ReleModes;
extern const std::array<R_NAME_Type, 3> KeyTypes;
extern const std::array<R_NAME_Type, 6> SmsTypes;
extern const std::array<R_NAME_Type_Mode, 24> GsmTypes;
extern const std::array<R_NAME_Mode, 3> DataModes;
extern const std::array<R_NAME_Prot, 5> Protocols;

// Look-ups by code take the first entry with that code; an unknown code
// gives the empty text. Look-ups by position count from 1 in catalogue order.
std::string ShleifTypeText(int code);
int ShleifTypeAt(int position); // 0 outside 1..15
std::string ReleModeText(int code);
int ReleModeAt(int position); // 255 outside 1..11
std::string KeyTypeText(int code);
std::string KeyTypeShort(int code);
int KeyTypeAt(int position); // 255 outside 1..3
std::string SmsTypeText(int code);
int SmsTypeAt(int position); // 0 outside 1..6
std::string GsmTypeText(int type, int dataMode);
int GsmTypeAt(int n, int dataMode); // -1 when the mode has fewer entries
std::string DataModeText(int code);
int DataModeAt(int position); // -1 outside 1..3
std::string ProtocolText(int code);

// The two parts of a catalogue text.
std::string CatalogueShortName(const std::string& text);
std::string CatalogueDescription(const std::string& text);

} // namespace zavro
