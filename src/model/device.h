// The configuration of one panel: one array of command instances per kind
// of the command table, reached through named accessors. Indexes given to
// the accessors are 1-based as on the pages; an index out of range reads 0
// or the empty text and writes nothing. Texts are Windows-1251 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/command.h"
#include "model/command_table.h"
#include "model/sets.h"

namespace zavro {

class T_Command_DEVICE {
public:
    // Every instance of every kind at its table defaults.
    T_Command_DEVICE();

    // Table defaults followed by the special defaults of the configuration.
    void SetDefaults();

    // Raw access for the reader and writer: element j of kind k has index low + j.
    std::vector<T_Command>& Commands(int kind) { return commands_[kind]; }
    const std::vector<T_Command>& Commands(int kind) const { return commands_[kind]; }

    // Device and file
    std::string Get_Version() const;
    void Set_Version(const std::string& s);
    std::string Get_FileKey() const;
    void Set_FileKey(const std::string& s);
    std::string Get_FileKeyOld() const;
    void Set_FileKeyOld(const std::string& s);
    std::string Get_SmsPassword() const;
    void Set_SmsPassword(const std::string& s);
    std::string Get_DeviceName() const;
    void Set_DeviceName(const std::string& s);

    // SIM cards and modes
    int Get_SimMode() const;
    void Set_SimMode(int v); // stores only 1 or 2
    int Get_SimDelay() const;
    void Set_SimDelay(int v);
    static int Limit_SimDelay(int w);
    int Get_CountConnect() const;
    void Set_CountConnect(int v);
    static int Limit_CountConnect(int w);
    bool Get_SmsCyrillic() const;
    void Set_SmsCyrillic(bool on);
    bool Get_LockNoIP() const;
    void Set_LockNoIP(bool on);
    bool Get_LogEnable() const;
    void Set_LogEnable(bool on);
    int Get_RuleSMS() const;
    void Set_RuleSMS(int v); // stores only 0..2
    int Get_ZummerVolume() const;
    void Set_ZummerVolume(int v);
    int Get_SirenTime() const;
    void Set_SirenTime(int v);
    static int Limit_SirenTime(int w);
    PartSet Get_SirenParts() const;
    void Set_SirenParts(const PartSet& parts);
    int Get_IndicMode() const;
    void Set_IndicMode(int v);

    // SNMP
    bool Get_TrapEnable() const;
    void Set_TrapEnable(bool on);
    std::string Get_TrapAddress() const;
    void Set_TrapAddress(const std::string& s);
    int Get_TrapPort() const;
    void Set_TrapPort(int v);
    static int Limit_TrapPort(int w);
    int Get_TrapPeriod() const;
    void Set_TrapPeriod(int v);
    static int Limit_TrapPeriod(int w);
    std::string Get_Community() const;
    void Set_Community(const std::string& s);
    int Get_AgentPort() const;
    void Set_AgentPort(int v);
    static int Limit_AgentPort(int w);

    int Get_AccelSensitivity() const;
    void Set_AccelSensitivity(int v);
    int Get_DutyDelay() const;
    void Set_DutyDelay(int v);
    static int Limit_DutyDelay(int w);
    int Get_ExtIndicTime() const;
    void Set_ExtIndicTime(int v);
    static int Limit_ExtIndicTime(int w);

    // Loops 1..16
    std::string Get_ShleifName(int i) const;
    void Set_ShleifName(int i, const std::string& s);
    int Get_ShleifType(int i) const;
    void Set_ShleifType(int i, int v);
    int Get_ShleifDelay(int i) const;
    void Set_ShleifDelay(int i, int v);
    static int Limit_ShleifDelay(int w);
    std::string Get_ShleifTypeName(int i) const; // catalogue text of the loop type
    int Get_ExitDelay() const;
    void Set_ExitDelay(int v);
    static int Limit_ExitDelay(int w);

    // Relays 1..4
    int Get_ReleMode(int i) const;
    void Set_ReleMode(int i, int v);
    int Get_ReleDelay(int i) const;
    void Set_ReleDelay(int i, int v);
    static int Limit_ReleDelay(int w);
    PartSet Get_ReleParts(int i) const;
    void Set_ReleParts(int i, const PartSet& parts);
    std::string Get_ReleModeName(int i) const; // catalogue text of the relay mode
    bool Get_ReleActiveKTS() const;
    void Set_ReleActiveKTS(bool on);
    bool Get_ReleActiveTamper() const;
    void Set_ReleActiveTamper(bool on);

    // Phones 1..9
    int Get_SmsType(int i) const;
    void Set_SmsType(int i, int v);
    std::string Get_SmsPhone(int i) const;
    void Set_SmsPhone(int i, const std::string& s);
    KeySet Get_SmsKKeys(int i) const;
    void Set_SmsKKeys(int i, const KeySet& keys); // at most the first 5 keys
    std::string Get_SmsKPhone(int i) const;
    void Set_SmsKPhone(int i, const std::string& s);
    int Get_GsmType(int i) const;
    void Set_GsmType(int i, int v);
    std::string Get_GsmPhone(int i) const;
    void Set_GsmPhone(int i, const std::string& s);

    // Keys 1..250
    std::string Get_KeyName(int i) const;
    void Set_KeyName(int i, const std::string& s);
    int Get_KeyType(int i) const;
    void Set_KeyType(int i, int t);
    std::string Get_KeyCaption(int i) const;
    std::string Get_KeyCode(int i) const;
    void Set_KeyCode(int i, const std::string& s);
    PartSet Get_KeyParts(int i) const;
    void Set_KeyParts(int i, const PartSet& parts);

    // SIM cards 1..2
    std::string Get_DevicePhone(int i) const;
    void Set_DevicePhone(int i, const std::string& s);
    std::string Get_GprsAPN(int i) const;
    void Set_GprsAPN(int i, const std::string& s);
    std::string Get_GprsLogin(int i) const;
    void Set_GprsLogin(int i, const std::string& s);
    std::string Get_GprsPassword(int i) const;
    void Set_GprsPassword(int i, const std::string& s);
    int Get_BalanceDelay(int i) const;
    void Set_BalanceDelay(int i, int v);
    static int Limit_BalanceDelay(int w);
    std::string Get_BalancePhone(int i) const;
    void Set_BalancePhone(int i, const std::string& s);
    int Get_BalanceValue(int i) const;
    void Set_BalanceValue(int i, int v);
    static int Limit_BalanceValue(int w);
    int Get_SimMaster() const;  // 1 or 2
    void Set_SimMaster(int v);  // takes 1..2

    // GPRS
    bool Get_GprsActive() const;
    void Set_GprsActive(bool on);
    std::string Get_GprsServer(int s, int n) const; // SIM s 1..2, server n 1..3
    void Set_GprsServer(int s, int n, const std::string& text);
    int Get_GprsPort(int s, int n) const;
    void Set_GprsPort(int s, int n, int v);
    static int Limit_ServerPort(int w);
    int Get_Duty1() const;
    void Set_Duty1(int v);
    static int Limit_Duty1(int w);
    int Get_Duty2() const;
    void Set_Duty2(int v);
    static int Limit_Duty2(int w);
    int Get_WaitAnswer() const;
    void Set_WaitAnswer(int v);
    static int Limit_WaitAnswer(int w);
    int Get_NoAnswer() const;
    void Set_NoAnswer(int v);
    static int Limit_NoAnswer(int w);
    std::string Get_Ident() const;
    void Set_Ident(const std::string& s);
    std::string Get_CryptKey(int i) const; // parts 1..4
    void Set_CryptKey(int i, const std::string& s);

    // LAN
    int Get_LanMode() const;
    void Set_LanMode(int v); // a value above 2 is stored as 0
    std::string Get_LanIP() const;
    void Set_LanIP(const std::string& s);
    std::string Get_LanGateway() const;
    void Set_LanGateway(const std::string& s);
    std::string Get_LanMask() const;
    void Set_LanMask(const std::string& s);
    std::string Get_LanDNS() const;
    void Set_LanDNS(const std::string& s);
    std::string Get_LanServer(int n) const; // servers 7..9 as n 1..3
    void Set_LanServer(int n, const std::string& s);
    int Get_LanPort(int n) const;
    void Set_LanPort(int n, int v);
    static int Limit_LanPort(int w);
    std::string Get_MacAddress() const;

    // Dial-out
    int Get_GsmProtocol() const;
    void Set_GsmProtocol(int v);
    int Get_AlarmRepeat() const;
    void Set_AlarmRepeat(int v);
    int Get_GsmDataMode() const;
    void Set_GsmDataMode(int v);

    bool Get_UnlockMode() const;
    void Set_UnlockMode(bool on);
    bool Get_EnterEnable() const;
    void Set_EnterEnable(bool on);
    bool Get_SmsModeDouble() const;
    void Set_SmsModeDouble(bool on);

    // Loop-to-partition assignment
    int Get_ShleifPart(int i) const;
    void Set_ShleifPart(int i, int p);
    int Get_IndicZone() const;
    void Set_IndicZone(int v);

    int Get_MasterChannel() const;
    void Set_MasterChannel(int v); // stores only 0..2
    bool Get_RadioEnable() const;
    void Set_RadioEnable(bool on);
    bool Get_RadioDouble() const;
    void Set_RadioDouble(bool on);
    int Get_PowerOffMode() const;
    void Set_PowerOffMode(int v); // stores only 0..1
    bool Get_ModuleUS18() const;
    void Set_ModuleUS18(bool on);

private:
    T_Command& One(int kind) { return commands_[kind][0]; }
    const T_Command& One(int kind) const { return commands_[kind][0]; }
    // The instance of index i (1-based within first..last), or nullptr.
    T_Command* Item(int kind, int i, int first, int last);
    const T_Command* Item(int kind, int i, int first, int last) const;

    std::array<std::vector<T_Command>, kKindCount> commands_;
};

} // namespace zavro
