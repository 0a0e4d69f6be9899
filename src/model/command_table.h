// The command table: one row per command kind 0..65, giving the keyword of
// the command in the configuration text, its index range, the forms of its
// two values and their ranges and defaults.
#pragma once

#include <array>
#include <cstdint>

namespace zavro {

// Form of a command's first value.
enum ValueKind1 : std::uint8_t {
    V1None = 0,    // no value (read like a one-segment text nothing uses)
    V1Integer = 1, // one number, Value1
    V1Text = 2,    // text up to the next "." or the end of the line, Text1
    V1TextRest = 3, // text to the end of the line, Text1
    V1List = 4,    // up to 16 numbers separated by ",", Aux[1..16]
};

// Form of a command's second value (the part after ".").
enum ValueKind2 : std::uint8_t {
    V2None = 0,
    V2Integer = 1, // Value2
    V2Text = 2,    // Text2
};

struct TParamImage {
    const char* keyword; // compared without regard to letter case; empty for kinds 0 and 65
    std::int16_t low;    // first index
    std::int16_t high;   // last index; |high| == low means the command has no index
    std::uint8_t kind1;
    std::int32_t min1, def1, max1;
    std::uint8_t kind2;
    std::int32_t min2, def2, max2;
    const char* comment; // description; nothing written by the system uses it
};

inline constexpr int kKindCount = 66;

extern const std::array<TParamImage, kKindCount> ParamImages;

// Command kinds by name, for the places that need a particular one.
enum CommandKind : int {
    K_Version = 1, K_FileRead = 2, K_FileKey = 3, K_SmsPassword = 4, K_DeviceName = 5,
    K_SimMode = 6, K_CountConnect = 7, K_SmsCyrillic = 8, K_LockNoIP = 9, K_LogEnable = 10,
    K_RuleSMS = 11, K_Zummer = 12, K_SirenTime = 13, K_SirenParts = 14, K_IndicMode = 15,
    K_TrapEnable = 16, K_TrapAddress = 17, K_TrapPeriod = 18, K_Community = 19, K_AgentPort = 20,
    K_Accel = 21, K_DutyDelay = 22, K_ExtIndicTime = 23, K_ShleifName = 24, K_ShleifMode = 25,
    K_ExitDelay = 26, K_ReleMode = 27, K_ReleParts = 28, K_ReleKTS = 29, K_SmsPhone = 30,
    K_SmsKPhone = 31, K_GsmPhone = 32, K_Key = 33, K_DevicePhone = 34, K_GprsActive = 35,
    K_GprsAPN = 36, K_GprsLogin = 37, K_GprsPassword = 38, K_Server = 39, K_Duty = 40,
    K_WaitAnswer = 41, K_Ident = 42, K_CryptKey = 43, K_LanMode = 44, K_LanAddress = 45,
    K_Balance = 46, K_GsmProtocol = 47, K_AlarmRepeat = 48, K_GsmDataMode = 49,
    K_UnlockMode = 50, K_EnterEnable = 51, K_SmsModeDouble = 52, K_ShleifPart = 53,
    K_IndicZone = 54, K_KeyParts = 55, K_SimMaster = 56, K_ReleTamper = 57, K_MacAddress = 58,
    K_BalanceValue = 59, K_MasterChannel = 60, K_RadioEnable = 61, K_RadioDouble = 62,
    K_PowerOffMode = 63, K_ModuleUS18 = 64,
};

// Min (which 0), default (which 1) or max (which 2) of value 1 or 2 of a
// kind; anything else gives 0.
std::int32_t ParamLimit(int kind, int value, int which);

// Whether the kind is repeated under an index (low differs from |high|).
bool HasIndex(int kind);

// Number of instances of a kind: |high| - low + 1 with an index, else 1.
int InstanceCount(int kind);

} // namespace zavro
