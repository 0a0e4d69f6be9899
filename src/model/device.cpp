#include "model/device.h"

#include "model/catalogues.h"
#include "model/cp1251.h"

namespace zavro {

namespace {

std::string Cut(std::string s, std::size_t n) {
    if (s.size() > n) s.resize(n);
    return s;
}

PartSet PartsFromAux(const T_Command& c) {
    PartSet set;
    for (int p = 1; p <= 16; ++p)
        if (c.Aux[p] >= 1 && c.Aux[p] <= 31) set.Insert(c.Aux[p]);
    return set;
}

void PartsToAux(T_Command& c, const PartSet& set) {
    c.Aux.fill(0);
    int pos = 1;
    for (int p = 1; p <= 16; ++p)
        if (set.Has(p)) c.Aux[pos++] = p;
}

} // namespace

T_Command_DEVICE::T_Command_DEVICE() {
    for (int k = 0; k < kKindCount; ++k) {
        const int count = InstanceCount(k);
        commands_[k].reserve(count);
        for (int j = 0; j < count; ++j) commands_[k].emplace_back(k, ParamImages[k].low + j);
    }
}

void T_Command_DEVICE::SetDefaults() {
    for (int k = 0; k < kKindCount; ++k) {
        for (T_Command& c : commands_[k]) c.ResetToDefault();
        switch (k) {
        case K_Version: Set_Version("Config GSM4 soft v.3.0"); break;
        case K_TrapAddress: Set_TrapAddress("000.000.000.000"); break;
        case K_Community: Set_Community("tavrix"); break;
        case K_ShleifMode:
            for (int i = 1; i <= 16; ++i) {
                int type = 2;
                if (i == 1) type = 1;
                else if (i == 2) type = 4;
                else if (i == 7 || i == 8) type = 8;
                Set_ShleifType(i, type);
                if (i > 1) Set_ShleifDelay(i, 0);
            }
            break;
        case K_ReleMode:
            Set_ReleMode(1, 4);
            Set_ReleMode(2, 2);
            Set_ReleMode(3, 0);
            Set_ReleMode(4, 0);
            break;
        case K_ReleParts:
            Set_ReleParts(1, PartSet{1});
            Set_ReleParts(2, PartSet{1});
            Set_ReleParts(3, PartSet{});
            Set_ReleParts(4, PartSet{});
            break;
        case K_ShleifPart:
            for (int i = 1; i <= 16; ++i) Set_ShleifPart(i, 1);
            break;
        case K_IndicZone: Set_IndicZone(1); break;
        case K_KeyParts:
            for (int i = 1; i <= 250; ++i) Set_KeyParts(i, PartSet{1});
            break;
        default: break;
        }
    }
}

T_Command* T_Command_DEVICE::Item(int kind, int i, int first, int last) {
    if (i < first || i > last) return nullptr;
    return &commands_[kind][i - ParamImages[kind].low];
}

const T_Command* T_Command_DEVICE::Item(int kind, int i, int first, int last) const {
    if (i < first || i > last) return nullptr;
    return &commands_[kind][i - ParamImages[kind].low];
}

// Accessors of one fixed slot. The macros keep the long list readable: each
// line names the accessor, its command kind and its slot.
#define ZV_TEXT(Name, kind, elem)                                                                  \
    std::string T_Command_DEVICE::Get_##Name() const { return commands_[kind][elem].Text1; }      \
    void T_Command_DEVICE::Set_##Name(const std::string& s) { commands_[kind][elem].Text1 = s; }

#define ZV_INT(Name, kind, slot)                                                                   \
    int T_Command_DEVICE::Get_##Name() const { return One(kind).slot; }                           \
    void T_Command_DEVICE::Set_##Name(int v) { One(kind).slot = v; }

#define ZV_FLAG_NONZERO(Name, kind)                                                                \
    bool T_Command_DEVICE::Get_##Name() const { return One(kind).Value1 != 0; }                   \
    void T_Command_DEVICE::Set_##Name(bool on) { One(kind).Value1 = on ? 1 : 0; }

#define ZV_FLAG_ONE(Name, kind)                                                                    \
    bool T_Command_DEVICE::Get_##Name() const { return One(kind).Value1 == 1; }                   \
    void T_Command_DEVICE::Set_##Name(bool on) { One(kind).Value1 = on ? 1 : 0; }

#define ZV_LIMIT(Name, kind, value)                                                                \
    int T_Command_DEVICE::Limit_##Name(int w) { return ParamLimit(kind, value, w); }

#define ZV_ITEM_INT(Name, kind, slot, first, last)                                                 \
    int T_Command_DEVICE::Get_##Name(int i) const {                                               \
        const T_Command* c = Item(kind, i, first, last);                                          \
        return c ? c->slot : 0;                                                                   \
    }                                                                                              \
    void T_Command_DEVICE::Set_##Name(int i, int v) {                                             \
        if (T_Command* c = Item(kind, i, first, last)) c->slot = v;                               \
    }

#define ZV_ITEM_TEXT(Name, kind, slot, first, last)                                                \
    std::string T_Command_DEVICE::Get_##Name(int i) const {                                       \
        const T_Command* c = Item(kind, i, first, last);                                          \
        return c ? c->slot : std::string();                                                       \
    }                                                                                              \
    void T_Command_DEVICE::Set_##Name(int i, const std::string& s) {                              \
        if (T_Command* c = Item(kind, i, first, last)) c->slot = s;                               \
    }

ZV_TEXT(Version, K_Version, 0)
ZV_TEXT(FileKey, K_FileKey, 0)
ZV_TEXT(FileKeyOld, K_FileKey, 1)
ZV_TEXT(SmsPassword, K_SmsPassword, 0)
ZV_TEXT(DeviceName, K_DeviceName, 0)
ZV_TEXT(TrapAddress, K_TrapAddress, 0)
ZV_TEXT(Community, K_Community, 0)
ZV_TEXT(Ident, K_Ident, 0)
ZV_TEXT(LanIP, K_LanAddress, 0)
ZV_TEXT(LanGateway, K_LanAddress, 1)
ZV_TEXT(LanMask, K_LanAddress, 2)
ZV_TEXT(LanDNS, K_LanAddress, 3)

std::string T_Command_DEVICE::Get_MacAddress() const { return One(K_MacAddress).Text1; }

int T_Command_DEVICE::Get_SimMode() const { return One(K_SimMode).Value1; }
void T_Command_DEVICE::Set_SimMode(int v) {
    if (v == 1 || v == 2) One(K_SimMode).Value1 = v;
}
ZV_INT(SimDelay, K_SimMode, Value2)
ZV_LIMIT(SimDelay, K_SimMode, 2)
ZV_INT(CountConnect, K_CountConnect, Value1)
ZV_LIMIT(CountConnect, K_CountConnect, 1)
ZV_FLAG_ONE(SmsCyrillic, K_SmsCyrillic)
ZV_FLAG_NONZERO(LockNoIP, K_LockNoIP)
ZV_FLAG_NONZERO(LogEnable, K_LogEnable)
int T_Command_DEVICE::Get_RuleSMS() const { return One(K_RuleSMS).Value1; }
void T_Command_DEVICE::Set_RuleSMS(int v) {
    if (v >= 0 && v <= 2) One(K_RuleSMS).Value1 = v;
}
ZV_INT(ZummerVolume, K_Zummer, Value1)
ZV_INT(SirenTime, K_SirenTime, Value1)
ZV_LIMIT(SirenTime, K_SirenTime, 1)
ZV_INT(IndicMode, K_IndicMode, Value1)

ZV_FLAG_ONE(TrapEnable, K_TrapEnable)
ZV_INT(TrapPort, K_TrapAddress, Value2)
ZV_LIMIT(TrapPort, K_TrapAddress, 2)
ZV_INT(TrapPeriod, K_TrapPeriod, Value1)
ZV_LIMIT(TrapPeriod, K_TrapPeriod, 1)
ZV_INT(AgentPort, K_AgentPort, Value1)
ZV_LIMIT(AgentPort, K_AgentPort, 1)
ZV_INT(AccelSensitivity, K_Accel, Value1)
ZV_INT(DutyDelay, K_DutyDelay, Value1)
ZV_LIMIT(DutyDelay, K_DutyDelay, 1)
ZV_INT(ExtIndicTime, K_ExtIndicTime, Value1)
ZV_LIMIT(ExtIndicTime, K_ExtIndicTime, 1)

ZV_ITEM_TEXT(ShleifName, K_ShleifName, Text1, 1, 16)
ZV_ITEM_INT(ShleifType, K_ShleifMode, Value1, 1, 16)
ZV_ITEM_INT(ShleifDelay, K_ShleifMode, Value2, 1, 16)
ZV_LIMIT(ShleifDelay, K_ShleifMode, 2)
ZV_INT(ExitDelay, K_ExitDelay, Value1)
ZV_LIMIT(ExitDelay, K_ExitDelay, 1)

std::string T_Command_DEVICE::Get_ShleifTypeName(int i) const {
    if (i < 1 || i > 16) return {};
    return ShleifTypeText(Get_ShleifType(i));
}

ZV_ITEM_INT(ReleMode, K_ReleMode, Value1, 1, 4)
ZV_ITEM_INT(ReleDelay, K_ReleMode, Value2, 1, 4)
ZV_LIMIT(ReleDelay, K_ReleMode, 2)
ZV_FLAG_NONZERO(ReleActiveKTS, K_ReleKTS)
ZV_FLAG_NONZERO(ReleActiveTamper, K_ReleTamper)

std::string T_Command_DEVICE::Get_ReleModeName(int i) const {
    // A relay outside 1..4 reads mode 0, as the getter does.
    return ReleModeText(Get_ReleMode(i));
}

PartSet T_Command_DEVICE::Get_ReleParts(int i) const {
    const T_Command* c = Item(K_ReleParts, i, 1, 4);
    return c ? PartsFromAux(*c) : PartSet{};
}
void T_Command_DEVICE::Set_ReleParts(int i, const PartSet& parts) {
    if (T_Command* c = Item(K_ReleParts, i, 1, 4)) PartsToAux(*c, parts);
}

PartSet T_Command_DEVICE::Get_SirenParts() const { return PartsFromAux(One(K_SirenParts)); }
void T_Command_DEVICE::Set_SirenParts(const PartSet& parts) { PartsToAux(One(K_SirenParts), parts); }

ZV_ITEM_INT(SmsType, K_SmsPhone, Value1, 1, 9)
ZV_ITEM_TEXT(SmsPhone, K_SmsPhone, Text2, 1, 9)
ZV_ITEM_TEXT(SmsKPhone, K_SmsKPhone, Text2, 1, 9)
ZV_ITEM_INT(GsmType, K_GsmPhone, Value1, 1, 9)
ZV_ITEM_TEXT(GsmPhone, K_GsmPhone, Text2, 1, 9)

KeySet T_Command_DEVICE::Get_SmsKKeys(int i) const {
    KeySet set;
    if (const T_Command* c = Item(K_SmsKPhone, i, 1, 9))
        for (int p = 1; p <= 16; ++p)
            if (c->Aux[p] >= 1 && c->Aux[p] <= 255) set.Insert(c->Aux[p]);
    return set;
}
void T_Command_DEVICE::Set_SmsKKeys(int i, const KeySet& keys) {
    T_Command* c = Item(K_SmsKPhone, i, 1, 9);
    if (!c) return;
    c->Aux.fill(0);
    int pos = 1;
    for (int k = 1; k <= 250 && pos <= 5; ++k)
        if (keys.Has(k)) c->Aux[pos++] = k;
}

// Keys: the first character of the name text holds the key type.
int T_Command_DEVICE::Get_KeyType(int i) const {
    const T_Command* c = Item(K_Key, i, 1, 250);
    if (!c || c->Text1.empty()) return 0;
    if (c->Text1[0] == '!') return 1;
    if (c->Text1[0] == '*') return 2;
    return 0;
}

std::string T_Command_DEVICE::Get_KeyName(int i) const {
    const T_Command* c = Item(K_Key, i, 1, 250);
    if (!c) return {};
    if (Get_KeyType(i) == 0) return c->Text1;
    return Cut(c->Text1, 10).substr(1);
}

namespace {
std::string KeyPrefix(int type) {
    if (type == 1) return "!";
    if (type == 2) return "*";
    return {};
}
} // namespace

void T_Command_DEVICE::Set_KeyName(int i, const std::string& s) {
    T_Command* c = Item(K_Key, i, 1, 250);
    if (!c) return;
    c->Text1 = Cut(KeyPrefix(Get_KeyType(i)) + s, 10);
}

void T_Command_DEVICE::Set_KeyType(int i, int t) {
    T_Command* c = Item(K_Key, i, 1, 250);
    if (!c) return;
    c->Text1 = Cut(KeyPrefix(t) + Get_KeyName(i), 10);
}

std::string T_Command_DEVICE::Get_KeyCaption(int i) const {
    static const std::string prefix = Utf8ToCp1251("Ключ №");
    std::string caption = prefix;
    if (i >= 1 && i <= 9) caption += "00";
    else if (i >= 10 && i <= 99) caption += "0";
    caption += std::to_string(i);
    const std::string name = Get_KeyName(i);
    if (!name.empty()) caption += "(\"" + name + "\")";
    return caption;
}

std::string T_Command_DEVICE::Get_KeyCode(int i) const {
    const T_Command* c = Item(K_Key, i, 1, 250);
    return c ? c->Text2 : std::string();
}

void T_Command_DEVICE::Set_KeyCode(int i, const std::string& s) {
    T_Command* c = Item(K_Key, i, 1, 250);
    if (!c) return;
    std::string code = s;
    if (!code.empty() && code.size() < 12) code.append(12 - code.size(), '0');
    c->Text2 = code;
}

PartSet T_Command_DEVICE::Get_KeyParts(int i) const {
    const T_Command* c = Item(K_KeyParts, i, 1, 250);
    return c ? PartsFromAux(*c) : PartSet{};
}
void T_Command_DEVICE::Set_KeyParts(int i, const PartSet& parts) {
    if (T_Command* c = Item(K_KeyParts, i, 1, 250)) PartsToAux(*c, parts);
}

ZV_ITEM_TEXT(DevicePhone, K_DevicePhone, Text1, 1, 2)
ZV_ITEM_TEXT(GprsAPN, K_GprsAPN, Text1, 1, 2)
ZV_ITEM_TEXT(GprsLogin, K_GprsLogin, Text1, 1, 2)
ZV_ITEM_TEXT(GprsPassword, K_GprsPassword, Text1, 1, 2)
ZV_ITEM_INT(BalanceDelay, K_Balance, Value1, 1, 2)
ZV_LIMIT(BalanceDelay, K_Balance, 1)
ZV_ITEM_TEXT(BalancePhone, K_Balance, Text2, 1, 2)
ZV_ITEM_INT(BalanceValue, K_BalanceValue, Value1, 1, 2)
ZV_LIMIT(BalanceValue, K_BalanceValue, 1)

int T_Command_DEVICE::Get_SimMaster() const { return One(K_SimMaster).Value1 + 1; }
void T_Command_DEVICE::Set_SimMaster(int v) {
    if (v == 1 || v == 2) One(K_SimMaster).Value1 = v - 1;
}

ZV_FLAG_ONE(GprsActive, K_GprsActive)

// Servers 1..3 belong to SIM card 1, 4..6 to SIM card 2, 7..9 to the LAN.
std::string T_Command_DEVICE::Get_GprsServer(int s, int n) const {
    if (s < 1 || s > 2 || n < 1 || n > 3) return {};
    return Item(K_Server, 3 * (s - 1) + n, 1, 9)->Text1;
}
void T_Command_DEVICE::Set_GprsServer(int s, int n, const std::string& text) {
    if (s < 1 || s > 2 || n < 1 || n > 3) return;
    Item(K_Server, 3 * (s - 1) + n, 1, 9)->Text1 = text;
}
int T_Command_DEVICE::Get_GprsPort(int s, int n) const {
    if (s < 1 || s > 2 || n < 1 || n > 3) return 0;
    return Item(K_Server, 3 * (s - 1) + n, 1, 9)->Value2;
}
void T_Command_DEVICE::Set_GprsPort(int s, int n, int v) {
    if (s < 1 || s > 2 || n < 1 || n > 3) return;
    Item(K_Server, 3 * (s - 1) + n, 1, 9)->Value2 = v;
}
ZV_LIMIT(ServerPort, K_Server, 2)

std::string T_Command_DEVICE::Get_LanServer(int n) const {
    if (n < 1 || n > 3) return {};
    return Item(K_Server, 6 + n, 1, 9)->Text1;
}
void T_Command_DEVICE::Set_LanServer(int n, const std::string& s) {
    if (n < 1 || n > 3) return;
    Item(K_Server, 6 + n, 1, 9)->Text1 = s;
}
int T_Command_DEVICE::Get_LanPort(int n) const {
    if (n < 1 || n > 3) return 0;
    return Item(K_Server, 6 + n, 1, 9)->Value2;
}
void T_Command_DEVICE::Set_LanPort(int n, int v) {
    if (n < 1 || n > 3) return;
    Item(K_Server, 6 + n, 1, 9)->Value2 = v;
}
ZV_LIMIT(LanPort, K_Server, 2)

ZV_INT(Duty1, K_Duty, Value1)
ZV_LIMIT(Duty1, K_Duty, 1)
ZV_INT(Duty2, K_Duty, Value2)
ZV_LIMIT(Duty2, K_Duty, 2)
ZV_INT(WaitAnswer, K_WaitAnswer, Value1)
ZV_LIMIT(WaitAnswer, K_WaitAnswer, 1)
ZV_INT(NoAnswer, K_WaitAnswer, Value2)
ZV_LIMIT(NoAnswer, K_WaitAnswer, 2)
ZV_ITEM_TEXT(CryptKey, K_CryptKey, Text1, 1, 4)

int T_Command_DEVICE::Get_LanMode() const { return One(K_LanMode).Value1; }
void T_Command_DEVICE::Set_LanMode(int v) { One(K_LanMode).Value1 = v > 2 ? 0 : v; }

ZV_INT(GsmProtocol, K_GsmProtocol, Value1)
ZV_INT(AlarmRepeat, K_AlarmRepeat, Value1)
ZV_INT(GsmDataMode, K_GsmDataMode, Value1)
ZV_FLAG_NONZERO(UnlockMode, K_UnlockMode)
ZV_FLAG_NONZERO(EnterEnable, K_EnterEnable)
ZV_FLAG_ONE(SmsModeDouble, K_SmsModeDouble)

// Partition p lists its loops in Aux[1..16] of instance p.
int T_Command_DEVICE::Get_ShleifPart(int i) const {
    if (i < 1 || i > 16) return 0;
    for (int p = 1; p <= 16; ++p) {
        const T_Command& c = commands_[K_ShleifPart][p - 1];
        for (int a = 1; a <= 16; ++a)
            if (c.Aux[a] == i) return p;
    }
    return 0;
}

void T_Command_DEVICE::Set_ShleifPart(int i, int p) {
    if (i < 1 || i > 16) return;
    for (T_Command& c : commands_[K_ShleifPart])
        for (int a = 1; a <= 16; ++a)
            if (c.Aux[a] == i) c.Aux[a] = 0; // holes stay in place
    if (p < 1 || p > 16) return;
    T_Command& target = commands_[K_ShleifPart][p - 1];
    for (int a = 1; a <= 16; ++a) {
        if (target.Aux[a] == 0) {
            target.Aux[a] = i;
            return;
        }
    }
}

ZV_INT(IndicZone, K_IndicZone, Value1)

int T_Command_DEVICE::Get_MasterChannel() const { return One(K_MasterChannel).Value1; }
void T_Command_DEVICE::Set_MasterChannel(int v) {
    if (v >= 0 && v <= 2) One(K_MasterChannel).Value1 = v;
}
ZV_FLAG_ONE(RadioEnable, K_RadioEnable)
ZV_FLAG_ONE(RadioDouble, K_RadioDouble)
int T_Command_DEVICE::Get_PowerOffMode() const { return One(K_PowerOffMode).Value1; }
void T_Command_DEVICE::Set_PowerOffMode(int v) {
    if (v == 0 || v == 1) One(K_PowerOffMode).Value1 = v;
}
ZV_FLAG_ONE(ModuleUS18, K_ModuleUS18)

} // namespace zavro
