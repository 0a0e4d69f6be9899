// Validation before a save: the rules of every page, the order of the
// pages, and the three answers (default, fix, closed), driven by a scripted
// stand-in for the editor window.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/device.h"
#include "validation/validation.h"

namespace zavro::validation {
namespace {

using Device = T_Command_DEVICE;

// Answers from a script and records everything the frame asks of the window.
class ScriptedUi final : public ValidationUi {
  public:
    std::deque<Answer> script; // answers in order; Fix once it runs out
    bool gprsEqual = false;    // state of the "=" box
    std::vector<FailureReport> shown;
    std::vector<ItemRef> gotos;
    std::vector<std::string> events; // "redraw Tab_X", "goto ...", "clear =" in order

    Answer ShowFailure(const FailureReport& report) override {
        shown.push_back(report);
        if (script.empty()) return Answer::Fix;
        const Answer a = script.front();
        script.pop_front();
        return a;
    }
    void GotoItem(const ItemRef& item) override {
        gotos.push_back(item);
        events.push_back("goto " + item.page + " " + item.control);
    }
    void RedrawPage(const std::string& page) override { events.push_back("redraw " + page); }
    bool GprsEqualChecked() override { return gprsEqual; }
    void ClearGprsEqual() override {
        gprsEqual = false;
        events.push_back("clear =");
    }
};

// A configuration that passes every rule: the defaults plus a file key.
Device Valid() {
    Device d;
    d.SetDefaults();
    d.Set_FileKey("secret");
    return d;
}

TEST(Validation, DefaultsWithFileKeyPass) {
    Device d = Valid();
    ScriptedUi ui;
    EXPECT_TRUE(Check_All(d, ui));
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_TRUE(ListFailures(d).empty());
}

// ---- One row per rule: configuration change, first failure, answer effect --

struct RuleCase {
    const char* name;
    std::function<void(Device&)> change;
    // Expected first failure; an empty rule means the configuration passes.
    const char* rule;
    const char* caption;
    const char* message;
    const char* recommendation;
    ItemRef item;
    bool offersDefault;
    // After the default answer (rules that offer it): the value put in.
    std::function<bool(const Device&)> defaulted;
    // Failures the batch listing finds (it also reports the second key of a
    // duplicate pair).
    std::size_t listed = 1;
};

const ItemRef kNone{};

std::vector<RuleCase> RuleCases() {
    const char* ipElements = "Элементы IP-адреса должны находится в диапазоне 0..255";
    const char* phones = "Не заданы номера для задействованных телефонов.";
    const char* phonesFix = "Необходимо задать номера для используемых телефонов";
    const char* serverAddress = "Недопустимый IP-адрес сервера для приема сообщений.";
    const char* serverPort = "Недопустимый номер порта сервера для приема сообщений.";
    const char* dutyRec = "Период отправки сообщений может быть задан в диапазоне 10..900 секунд";
    return {
        // Modes
        {"attempts 0",
         [](Device& d) { d.Set_CountConnect(0); },
         "Check_Mode_CountConect",
         "Режимы",
         "Недопустимое число неудачных попыток связи перед переключением на другую SIM-карту",
         "Число попыток переключения должно находится в диапазоне 1..20",
         {"Tab_Mode", "E_Mode_SIM_CountConect"},
         true,
         [](const Device& d) { return d.Get_CountConnect() == 3; }},
        {"return delay 500 in reserve mode",
         [](Device& d) {
             d.Set_SimMode(2);
             d.Set_SimDelay(500);
         },
         "Check_Mode_SIMDelay",
         "Режимы",
         "Недопустимая величина задержки перед переключением на основную SIM-карту.",
         "Величина задержки должна находится в диапазоне 1..120 минут",
         {"Tab_Mode", "E_Mode_SIMDelay"},
         true,
         [](const Device& d) { return d.Get_SimDelay() == 15; }},
        {"return delay 500 in symmetric mode",
         [](Device& d) {
             d.Set_SimMode(1);
             d.Set_SimDelay(500);
         },
         "", "", "", "", kNone, false, nullptr},
        // Indication and SNMP
        {"duty period 49",
         [](Device& d) { d.Set_DutyDelay(49); },
         "Check_Indic_DutyDelay",
         "Индикация",
         "Недопустимая величина периода формирования сообщений \"Дежурный режим\"",
         "Период формирования сообщений должен находится в диапазоне 1..48 часов",
         {"Tab_Indic", "E_Indic_DutyDelay"},
         true,
         [](const Device& d) { return d.Get_DutyDelay() == 24; }},
        {"duty period 0 (off)", [](Device& d) { d.Set_DutyDelay(0); }, "", "", "", "", kNone, false,
         nullptr},
        {"duty period negative", [](Device& d) { d.Set_DutyDelay(-3); }, "", "", "", "", kNone,
         false, nullptr},
        {"external indicator 0",
         [](Device& d) { d.Set_ExtIndicTime(0); },
         "Check_Indic_ExtIndic",
         "Индикация",
         "Недопустимая величина времени работы выносного индикатора",
         "Время работы выносного индикатора должно находится в диапазоне 1..999сек.",
         {"Tab_Indic", "E_Indic_ExtIndic"},
         true,
         [](const Device& d) { return d.Get_ExtIndicTime() == 90; }},
        {"siren 1000",
         [](Device& d) { d.Set_SirenTime(1000); },
         "Check_Indic_Sirena",
         "Индикация",
         "Недопустимая величина времени работы сирены",
         "Время работы сирены должно находится в диапазоне 0..999сек.",
         {"Tab_Indic", "E_Indic_Sirena"},
         true,
         [](const Device& d) { return d.Get_SirenTime() == 90; }},
        {"siren 0 (off)", [](Device& d) { d.Set_SirenTime(0); }, "", "", "", "", kNone, false,
         nullptr},
        {"trap period 65536",
         [](Device& d) { d.Set_TrapPeriod(65536); },
         "Check_SNMP_trap_loop",
         "Индикация",
         "Недопустимая величина периода формирования TRAP-сообщекний",
         "Период формирования TRAP-сообщекний должно находится в диапазоне 1..65535мин.",
         {"Tab_Indic", "E_SNMP_trap_loop"},
         true,
         [](const Device& d) { return d.Get_TrapPeriod() == 60; }},
        {"trap address 256.1.1.1",
         [](Device& d) { d.Set_TrapAddress("256,001,001,001"); },
         "Check_SNMP_addr_mng",
         "Индикация",
         "Недопустимый IP-адрес сервера для приема TRAP-сообщений.",
         ipElements,
         {"Tab_Indic", "E_SNMP_addr_mng"},
         false,
         nullptr},
        {"trap address 255.255.255.255", [](Device& d) { d.Set_TrapAddress("255,255,255,255"); },
         "", "", "", "", kNone, false, nullptr},
        {"trap address empty", [](Device& d) { d.Set_TrapAddress(""); }, "", "", "", "", kNone,
         false, nullptr},
        {"trap port 0", [](Device& d) { d.Set_TrapPort(0); }, "", "", "", "", kNone, false,
         nullptr},
        {"trap port 65536",
         [](Device& d) { d.Set_TrapPort(65536); },
         "Check_SNMP_port_mng",
         "Индикация",
         "Недопустимый номер порта сервера для приема TRAP-сообщений.",
         "Порт может быть задан в диапазоне 1..65535",
         {"Tab_Indic", "E_SNMP_port_mng"},
         true,
         [](const Device& d) { return d.Get_TrapPort() == 162; }},
        {"agent port -1", [](Device& d) { d.Set_AgentPort(-1); }, "", "", "", "", kNone, false,
         nullptr},
        {"agent port -2",
         [](Device& d) { d.Set_AgentPort(-2); },
         "Check_SNMP_port_agent",
         "Индикация",
         "Недопустимый номер порта для приема SNMP-запросов.",
         "Порт может быть задан в диапазоне 0..65535",
         {"Tab_Indic", "E_SNMP_port_agent"},
         true,
         [](const Device& d) { return d.Get_AgentPort() == 161; }},
        // Loops
        {"delayed loop 3 with delay 0",
         [](Device& d) {
             d.Set_ShleifType(3, 1);
             d.Set_ShleifDelay(3, 0);
         },
         "Check_Shleif_Delay(3)",
         "Шлейфы",
         "Недопустимая величина времени задержки сработки по шлейфу.",
         "Задержка сработки по шлейфу может быть задана в диапазоне 1..180 секунд",
         {"Tab_Shleifs", "SG_Shleifs", 3, 2},
         true,
         [](const Device& d) { return d.Get_ShleifDelay(3) == 90; }},
        {"fixed-delay loop 16 with delay 181",
         [](Device& d) {
             d.Set_ShleifType(16, 16);
             d.Set_ShleifDelay(16, 181);
         },
         "Check_Shleif_Delay(16)",
         "Шлейфы",
         "Недопустимая величина времени задержки сработки по шлейфу.",
         "Задержка сработки по шлейфу может быть задана в диапазоне 1..180 секунд",
         {"Tab_Shleifs", "SG_Shleifs", 16, 2},
         true,
         [](const Device& d) { return d.Get_ShleifDelay(16) == 90; }},
        {"plain loop 3 with delay 0",
         [](Device& d) {
             d.Set_ShleifType(3, 2);
             d.Set_ShleifDelay(3, 0);
         },
         "", "", "", "", kNone, false, nullptr},
        {"controlling loops 2 and 9 in partition 4",
         [](Device& d) {
             for (int i : {2, 9}) {
                 d.Set_ShleifType(i, 15);
                 d.Set_ShleifPart(i, 4);
             }
         },
         "Check_Shleif_Rule(2)",
         "Шлейфы",
         "Для раздела задано больше одного управляющего шлейфа.",
         "Измените тип шлейфа или номер закрепленного раздела",
         {"Tab_Shleifs", "SG_Shleifs", 2, 1},
         false,
         nullptr},
        {"controlling loop 9 alone in partition 4",
         [](Device& d) {
             d.Set_ShleifType(9, 15);
             d.Set_ShleifPart(9, 4);
         },
         "", "", "", "", kNone, false, nullptr},
        {"controlling loops 6 and 7 in no partition",
         [](Device& d) {
             for (int i : {6, 7}) {
                 d.Set_ShleifType(i, 15);
                 d.Set_ShleifPart(i, 0);
             }
         },
         "Check_Shleif_Rule(6)",
         "Шлейфы",
         "Для раздела задано больше одного управляющего шлейфа.",
         "Измените тип шлейфа или номер закрепленного раздела",
         {"Tab_Shleifs", "SG_Shleifs", 6, 1},
         false,
         nullptr},
        {"controlling loop 5 in partition 1 of the (codeless) keys",
         [](Device& d) { d.Set_ShleifType(5, 15); },
         "Check_Shleif_Key(5)",
         "Шлейфы",
         "Для управления разделом задан ключ и управляющий шлейф.",
         "Одновременное управление разделом при помощи шлейфа и ключа недопустимо",
         {"Tab_Shleifs", "SG_Shleifs", 5, 1},
         false,
         nullptr},
        {"controlling loop 5 in partition 1, one duress key there",
         [](Device& d) {
             d.Set_ShleifType(5, 15);
             for (int k = 1; k <= 250; ++k)
                 d.Set_KeyType(k, 2);
             d.Set_KeyType(200, 1);
         },
         "Check_Shleif_Key(5)",
         "Шлейфы",
         "Для управления разделом задан ключ и управляющий шлейф.",
         "Одновременное управление разделом при помощи шлейфа и ключа недопустимо",
         {"Tab_Shleifs", "SG_Shleifs", 5, 1},
         false,
         nullptr},
        {"controlling loop 5 in partition 1, only patrol keys",
         [](Device& d) {
             d.Set_ShleifType(5, 15);
             for (int k = 1; k <= 250; ++k)
                 d.Set_KeyType(k, 2);
         },
         "", "", "", "", kNone, false, nullptr},
        {"exit delay 0",
         [](Device& d) { d.Set_ExitDelay(0); },
         "Check_Shleif_ExitDelay",
         "Шлейфы",
         "Недопустимая величина времени на выход.",
         "Время на выход может быть задано в диапазоне 1..180 секунд",
         {"Tab_Shleifs", "E_Shleif_ExitDelay"},
         true,
         [](const Device& d) { return d.Get_ExitDelay() == 90; }},
        // Relays
        {"lock relay 2 with time 0",
         [](Device& d) {
             d.Set_ReleMode(2, 10);
             d.Set_ReleDelay(2, 0);
         },
         "", "", "", "", kNone, false, nullptr},
        {"relay 2 in mode 4 with time 0",
         [](Device& d) {
             d.Set_ReleMode(2, 4);
             d.Set_ReleDelay(2, 0);
         },
         "Check_Rele_Delay(2)",
         "Реле",
         "Недопустимая величина времени работы реле.",
         "Время работы может быть задано в диапазоне 1..999 секунд",
         {"Tab_Rele", "SG_Reles", 2, 2},
         true,
         [](const Device& d) { return d.Get_ReleDelay(2) == 90; }},
        // Keys
        {"keys 7 and 120 with one code",
         [](Device& d) {
             d.Set_KeyCode(7, "0A1B2C3D4E5F");
             d.Set_KeyCode(120, "0A1B2C3D4E5F");
         },
         "Check_Code_Double(7)",
         "Ключи",
         "Для двух или более пользователей заданы одинаковые коды управления",
         "Следует удалить дублирующиеся коды управления",
         {"Tab_Keys", "SG_Keys", 7, 3},
         false,
         nullptr,
         2},
        {"key 12 with a code and no partition",
         [](Device& d) {
             d.Set_KeyCode(12, "ABCDEF012345");
             d.Set_KeyParts(12, PartSet{});
         },
         "Check_Code_NoPart(12)",
         "Ключи",
         " К коду управления не привязано не одного раздела",
         "Следует удалить код управления или указать управляемые разделы",
         {"Tab_Keys", "SG_Keys", 12, 4},
         false,
         nullptr},
        {"key 5 duplicate and without partition",
         [](Device& d) {
             d.Set_KeyCode(5, "111111111111");
             d.Set_KeyParts(5, PartSet{});
             d.Set_KeyCode(9, "111111111111");
         },
         "Check_Code_NoPart(5)",
         "Ключи",
         " К коду управления не привязано не одного раздела",
         "Следует удалить код управления или указать управляемые разделы",
         {"Tab_Keys", "SG_Keys", 5, 4},
         false,
         nullptr,
         2},
        {"codes that are not set",
         [](Device& d) {
             for (int k : {1, 2})
                 d.Set_KeyCode(k, "000000000000");
             for (int k : {3, 4}) {
                 d.Set_KeyCode(k, "************");
                 d.Set_KeyParts(k, PartSet{});
             }
         },
         "", "", "", "", kNone, false, nullptr},
        // Phones
        {"SMS phone 4 in use without number",
         [](Device& d) { d.Set_SmsType(4, 1); },
         "Check_SMS_Phone(4)",
         "SMS",
         phones,
         phonesFix,
         {"Tab_SMS", "SG_SMS", 4, 1},
         false,
         nullptr},
        {"SMS-K phone 2 with keys, without number",
         [](Device& d) {
             d.Set_SmsKKeys(2, KeySet{3, 5});
         },
         "Check_SMSK_Phone(2)",
         "SMS-К",
         phones,
         phonesFix,
         {"Tab_SMSK", "SG_SMSK", 2, 1},
         false,
         nullptr},
        {"SMS-K phone without keys and number", [](Device& d) { d.Set_SmsKPhone(3, ""); }, "", "",
         "", "", kNone, false, nullptr},
        {"dial-out phone 3 in use without number",
         [](Device& d) { d.Set_GsmType(3, 2); },
         "Check_GSM_Phone(3)",
         "GSM-дозвон",
         phones,
         phonesFix,
         {"Tab_GSM", "SG_GSM", 3, 1},
         false,
         nullptr},
        {"voice-only phones for arming and disarming only",
         [](Device& d) {
             d.Set_GsmType(1, 5);
             d.Set_GsmPhone(1, "+70000000001");
             d.Set_GsmType(2, 6);
             d.Set_GsmPhone(2, "+70000000002");
         },
         "Check_GSM_Full",
         "GSM-дозвон",
         "Не задан полный набор телефонов для передачи сообщений дозвоном без соединения "
         "(ГОЛОС).",
         "Необходимо задать не менее одного телефона для каждого основного типа сообщений "
         "(Взятия, Снятия, Дежурные режимы, Тревоги)",
         {"Tab_GSM", "SG_GSM", 1, 2},
         false,
         nullptr},
        {"voice-only phones completed by a phone for all",
         [](Device& d) {
             d.Set_GsmType(1, 5);
             d.Set_GsmPhone(1, "+70000000001");
             d.Set_GsmType(2, 6);
             d.Set_GsmPhone(2, "+70000000002");
             d.Set_GsmType(9, 4);
             d.Set_GsmPhone(9, "+70000000009");
         },
         "", "", "", "", kNone, false, nullptr},
        {"phones of types 1 and 2 only",
         [](Device& d) {
             d.Set_GsmType(1, 1);
             d.Set_GsmPhone(1, "+70000000001");
             d.Set_GsmType(2, 2);
             d.Set_GsmPhone(2, "+70000000002");
         },
         "", "", "", "", kNone, false, nullptr},
        // IP/UDP
        {"duty 1 period 9",
         [](Device& d) { d.Set_Duty1(9); },
         "Check_ZV4_Duty1",
         "IP/UDP",
         "Недопустимая величина периода отправки сообщений дежурного режим первого типа (без "
         "подтверждения пульта).",
         dutyRec,
         {"Tab_ZV4", "E_ZV4_Duty1"},
         true,
         [](const Device& d) { return d.Get_Duty1() == 15; }},
        {"duty 2 period 901",
         [](Device& d) { d.Set_Duty2(901); },
         "Check_ZV4_Duty2",
         "IP/UDP",
         "Недопустимая величина периода отправки сообщений дежурного режим второго типа (с "
         "подтверждением от пульта).",
         dutyRec,
         {"Tab_ZV4", "E_ZV4_Duty2"},
         true,
         [](const Device& d) { return d.Get_Duty2() == 30; }},
        {"wait time 1",
         [](Device& d) { d.Set_WaitAnswer(1); },
         "Check_ZV4_WaitAns",
         "IP/UDP",
         "Недопустимая величина времени ожидания ответа на переданное сообщение.",
         "Время ожидания может быть задано в диапазоне 2..60 секунд",
         {"Tab_ZV4", "E_ZV4_Answer"},
         true,
         [](const Device& d) { return d.Get_WaitAnswer() == 5; }},
        {"no-answer count 0",
         [](Device& d) { d.Set_NoAnswer(0); },
         "Check_ZV4_NoAnswer",
         "IP/UDP",
         "Недопустимая величина числа неответов на переданное сообщение, после которого "
         "происходит снижение темпа повторов сообщения.",
         "Допустимое число неответов может быть задано в диапазоне 1..100",
         {"Tab_ZV4", "E_ZV4_NoAnswer"},
         true,
         [](const Device& d) { return d.Get_NoAnswer() == 2; }},
        // GPRS
        {"GPRS off with bad servers",
         [](Device& d) {
             d.Set_GprsActive(false);
             d.Set_GprsServer(1, 1, "999,999,999,999");
             d.Set_GprsPort(2, 3, 0);
         },
         "", "", "", "", kNone, false, nullptr},
        {"GPRS on, SIM 2 server 2 at 192.168.300.1",
         [](Device& d) {
             d.Set_GprsActive(true);
             d.Set_GprsServer(2, 2, "192,168,300,001");
         },
         "Check_IP_Serv(12)",
         "GPRS",
         serverAddress,
         ipElements,
         {"Tab_GPRS", "E_GPRS_IP_Server5"},
         false,
         nullptr},
        {"GPRS on, a server by host name",
         [](Device& d) {
             d.Set_GprsActive(true);
             d.Set_GprsServer(1, 1, "srv1,station,example");
         },
         "", "", "", "", kNone, false, nullptr},
        {"GPRS on, SIM 2 server 1 port 65536",
         [](Device& d) {
             d.Set_GprsActive(true);
             d.Set_GprsPort(2, 1, 65536);
         },
         "Check_IP_Port(4)",
         "GPRS",
         serverPort,
         "Порт может быть задан в диапазоне 1..65535",
         {"Tab_GPRS", "E_GPRS_Port4"},
         true,
         [](const Device& d) { return d.Get_GprsPort(2, 1) == 10001; }},
        // Ethernet
        {"Ethernet off, own address 999.0.0.0",
         [](Device& d) {
             d.Set_LanMode(0);
             d.Set_LanIP("999,000,000,000");
         },
         "", "", "", "", kNone, false, nullptr},
        {"Ethernet on, own address 999.0.0.0",
         [](Device& d) {
             d.Set_LanMode(1);
             d.Set_LanIP("999,000,000,000");
         },
         "Check_IP_Serv(1)",
         "Ethernet",
         "Недопустимый IP-адрес устройства.",
         ipElements,
         {"Tab_LAN", "E_LAN_IP"},
         false,
         nullptr},
        {"Ethernet on, gateway 10.0.0.300",
         [](Device& d) {
             d.Set_LanMode(1);
             d.Set_LanGateway("010,000,000,300");
         },
         "Check_IP_Serv(2)",
         "Ethernet",
         "Недопустимый IP-адрес шлюза.",
         ipElements,
         {"Tab_LAN", "E_LAN_GateWay"},
         false,
         nullptr},
        {"Ethernet on, mask 255.255.256.0",
         [](Device& d) {
             d.Set_LanMode(1);
             d.Set_LanMask("255,255,256,000");
         },
         "Check_IP_Serv(3)",
         "Ethernet",
         "Недопустимая маска устройства.",
         "Элементы маски должны находится в диапазоне 0..255",
         {"Tab_LAN", "E_LAN_Mask"},
         false,
         nullptr},
        {"Ethernet off, server 2 at 300.0.0.1",
         [](Device& d) { d.Set_LanServer(2, "300,000,000,001"); },
         "Check_IP_Serv(5)",
         "Ethernet",
         serverAddress,
         ipElements,
         {"Tab_LAN", "E_LAN_IP_Server2"},
         false,
         nullptr},
        {"DNS server 0.0.0.256",
         [](Device& d) { d.Set_LanDNS("000,000,000,256"); },
         "Check_IP_Serv(7)",
         "Ethernet",
         "Недопустимый адрес DNS-сервера.",
         ipElements,
         {"Tab_LAN", "E_LAN_DNS"},
         false,
         nullptr},
        {"Ethernet server port 65536",
         [](Device& d) { d.Set_LanPort(2, 65536); },
         "Check_IP_Port(9)",
         "Ethernet",
         serverPort,
         "Порт не может принимать нулевое значение и быть больше 65535",
         {"Tab_LAN", "E_LAN_Port2"},
         true,
         [](const Device& d) { return d.Get_LanPort(2) == 10001; }},
        {"Ethernet server port 0",
         [](Device& d) { d.Set_LanPort(3, 0); },
         "Check_IP_Port(10)",
         "Ethernet",
         serverPort,
         "Порт не может принимать нулевое значение и быть больше 65535",
         {"Tab_LAN", "E_LAN_Port3"},
         true,
         [](const Device& d) { return d.Get_LanPort(3) == 10001; }},
        // Common
        {"balance period 60 on SIM 2",
         [](Device& d) { d.Set_BalanceDelay(2, 60); },
         "Check_Common_BalanceDelay(2)",
         "Общие",
         "Недопустимая величина периода проверки баланса",
         "Период проверки баланса должен находится в диапазоне 1..48 часов, 0 - баланс не "
         "проверяется",
         {"Tab_Common", "E_Common_BalanceDelay2"},
         true,
         [](const Device& d) { return d.Get_BalanceDelay(2) == 0; },
         2},
        {"balance period 5 on SIM 1 without command",
         [](Device& d) { d.Set_BalanceDelay(1, 5); },
         "Check_Common_BalancePhones(1)",
         "Общие",
         "Не заданы команды для выполнения контроля баланса",
         "При установленном ненулевом периоде контроля баланса должна быть задана команды, "
         "соответсвтующая GSM-оператору, предоставившему SIM-карту",
         {"Tab_Common", "E_Common_BalancePhone1"},
         false,
         nullptr},
        {"balance period 5 on SIM 1 with command",
         [](Device& d) {
             d.Set_BalanceDelay(1, 5);
             d.Set_BalancePhone(1, "*100#");
         },
         "", "", "", "", kNone, false, nullptr},
        {"balance threshold 0 with balance off",
         [](Device& d) { d.Set_BalanceValue(1, 0); },
         "Check_Common_BalanceValue(1)",
         "Общие",
         "Недопустимая величина порога оповещения о недостаточном балансе",
         "Значение порога оповещения должно находится в диапазоне 1..255 единиц тарификации",
         {"Tab_Common", "E_Common_BalanceVal1"},
         true,
         [](const Device& d) { return d.Get_BalanceValue(1) == 10; }},
        {"password of 3 characters",
         [](Device& d) { d.Set_SmsPassword("123"); },
         "Check_Common_SMS_Password",
         "Общие",
         "Пароль удаленного управления должен иметь длину 5 символов",
         "Введите 5 символов пароля управления",
         {"Tab_Common", "E_Common_Password"},
         false,
         nullptr},
        {"password of 5 characters", [](Device& d) { d.Set_SmsPassword("12345"); }, "", "", "", "",
         kNone, false, nullptr},
        {"no file key",
         [](Device& d) { d.Set_FileKey(""); },
         "Check_Common_KeyCrypto",
         "Общие",
         "Не задан ключ шифрования файла конфигурации",
         "Для защиты информации в приборе следует задать ключ шифрования",
         {"Tab_Common", "E_Common_KEY"},
         false,
         nullptr},
    };
}

TEST(Validation, EachRuleReportsItsFailureAndAnswers) {
    for (const RuleCase& c : RuleCases()) {
        SCOPED_TRACE(c.name);
        Device d = Valid();
        c.change(d);

        // "Исправить": the report, then the control is brought into view.
        ScriptedUi fix;
        const bool passed = Check_All(d, fix);
        if (std::string(c.rule).empty()) {
            EXPECT_TRUE(passed);
            EXPECT_TRUE(fix.shown.empty());
            EXPECT_TRUE(ListFailures(d).empty());
            continue;
        }
        EXPECT_FALSE(passed);
        ASSERT_EQ(fix.shown.size(), 1u);
        const FailureReport& r = fix.shown[0];
        EXPECT_EQ(r.rule, c.rule);
        EXPECT_EQ(r.caption, c.caption);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.recommendation, c.recommendation);
        EXPECT_EQ(r.item, c.item);
        EXPECT_EQ(r.offersDefault, c.offersDefault);
        ASSERT_EQ(fix.gotos.size(), 1u);
        EXPECT_EQ(fix.gotos[0], c.item);

        // The batch listing finds the same failure first.
        const std::vector<FailureReport> listed = ListFailures(d);
        ASSERT_EQ(listed.size(), c.listed);
        EXPECT_EQ(listed[0].rule, c.rule);

        // The default answer puts the table value in, redraws the page and
        // lets validation go on to the end.
        if (c.offersDefault) {
            Device repaired = d;
            ScriptedUi def;
            def.script = {Answer::Default};
            EXPECT_TRUE(Check_All(repaired, def));
            EXPECT_TRUE(c.defaulted(repaired));
            EXPECT_EQ(def.shown.size(), 1u);
            EXPECT_TRUE(def.gotos.empty());
            ASSERT_FALSE(def.events.empty());
            EXPECT_EQ(def.events[0], "redraw " + c.item.page);
        }
    }
}

// ---- Page order and the frame ----------------------------------------------

// One failure on every page, each offering the default where it can.
Device FailingEverywhere() {
    Device d;
    d.SetDefaults(); // no file key: Common fails
    d.Set_CountConnect(0);
    d.Set_ExtIndicTime(0);
    d.Set_ExitDelay(0);
    d.Set_ReleDelay(1, 0);
    d.Set_KeyCode(3, "123456789ABC");
    d.Set_KeyParts(3, PartSet{});
    d.Set_SmsType(1, 2);
    d.Set_SmsKKeys(1, KeySet{1});
    d.Set_GsmType(1, 1);
    d.Set_Duty1(0);
    d.Set_GprsActive(true);
    d.Set_GprsServer(1, 1, "300,000,000,000");
    d.Set_LanPort(1, 0);
    return d;
}

TEST(Validation, PagesAreCheckedModesFirstCommonLast) {
    const std::vector<std::string> order{"Режимы", "Индикация", "Шлейфы",   "Реле",
                                         "Ключи",  "SMS",       "SMS-К",    "GSM-дозвон",
                                         "IP/UDP", "GPRS",      "Ethernet", "Общие"};
    std::vector<std::string> listed;
    for (const FailureReport& r : ListFailures(FailingEverywhere()))
        listed.push_back(r.caption);
    EXPECT_EQ(listed, order);

    // Answering each report with the default where it is offered walks the
    // pages in the same order until the first rule without a default.
    Device d = FailingEverywhere();
    ScriptedUi ui;
    ui.script.assign(20, Answer::Default);
    EXPECT_FALSE(Check_All(d, ui));
    std::vector<std::string> shown;
    for (const FailureReport& r : ui.shown)
        shown.push_back(r.caption);
    EXPECT_EQ(shown, (std::vector<std::string>{"Режимы", "Индикация", "Шлейфы", "Реле", "Ключи"}));
    EXPECT_EQ(ui.events, (std::vector<std::string>{"redraw Tab_Mode", "redraw Tab_Indic",
                                                   "redraw Tab_Shleifs", "redraw Tab_Rele"}));
    EXPECT_EQ(d.Get_CountConnect(), 3);
    EXPECT_EQ(d.Get_ExitDelay(), 90);
    EXPECT_EQ(d.Get_ReleDelay(1), 90);
}

TEST(Validation, FixStopsAtTheFirstFailure) {
    Device d = FailingEverywhere();
    ScriptedUi ui;
    EXPECT_FALSE(Check_All(d, ui));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].rule, "Check_Mode_CountConect");
    EXPECT_EQ(ui.events, (std::vector<std::string>{"goto Tab_Mode E_Mode_SIM_CountConect"}));
    EXPECT_EQ(d.Get_CountConnect(), 0);
}

TEST(Validation, ClosedDialogStopsWithoutMovingOrChanging) {
    Device d = Valid();
    d.Set_ExitDelay(0);
    ScriptedUi ui;
    ui.script = {Answer::Closed};
    EXPECT_FALSE(Check_All(d, ui));
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_EQ(d.Get_ExitDelay(), 0);
}

// A default asked of a rule that offers none must not let the failure pass.
TEST(Validation, DefaultAnswerToARuleWithoutDefaultIsNoPass) {
    Device d = Valid();
    d.Set_FileKey("");
    ScriptedUi ui;
    ui.script = {Answer::Default};
    EXPECT_FALSE(Check_All(d, ui));
    EXPECT_TRUE(ui.events.empty());
}

TEST(Validation, DefaultedBalancePeriodNoLongerNeedsACommand) {
    Device d = Valid();
    d.Set_BalanceDelay(2, 60);
    ScriptedUi ui;
    ui.script = {Answer::Default};
    EXPECT_TRUE(Check_All(d, ui));
    EXPECT_EQ(d.Get_BalanceDelay(2), 0);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"redraw Tab_Common"}));

    // The batch listing sees the configuration as it is: both rules fail.
    Device asRead = Valid();
    asRead.Set_BalanceDelay(2, 60);
    std::vector<std::string> rules;
    for (const FailureReport& r : ListFailures(asRead))
        rules.push_back(r.rule);
    EXPECT_EQ(rules, (std::vector<std::string>{"Check_Common_BalanceDelay(2)",
                                               "Check_Common_BalancePhones(2)"}));
}

TEST(Validation, DefaultedLoopDelayGoesOnWithTheLaterLoops) {
    Device d = Valid();
    d.Set_ShleifType(4, 1);
    d.Set_ShleifDelay(4, 0);
    for (int i : {6, 7}) {
        d.Set_ShleifType(i, 15);
        d.Set_ShleifPart(i, 0);
    }
    ScriptedUi ui;
    ui.script = {Answer::Default};
    EXPECT_FALSE(Check_All(d, ui));
    ASSERT_EQ(ui.shown.size(), 2u);
    EXPECT_EQ(ui.shown[0].rule, "Check_Shleif_Delay(4)");
    EXPECT_EQ(ui.shown[1].rule, "Check_Shleif_Rule(6)");
    EXPECT_EQ(d.Get_ShleifDelay(4), 90);
    EXPECT_EQ(ui.events,
              (std::vector<std::string>{"redraw Tab_Shleifs", "goto Tab_Shleifs SG_Shleifs"}));
    EXPECT_EQ(ui.gotos.back(), (ItemRef{"Tab_Shleifs", "SG_Shleifs", 6, 1}));
}

TEST(Validation, DuplicateCodeFoundOnItsOwn) {
    Device d = Valid();
    d.Set_KeyCode(7, "0A1B2C3D4E5F");
    d.Set_KeyCode(120, "0A1B2C3D4E5F");
    d.Set_KeyCode(121, "0a1b2c3d4e5f"); // not the same bytes
    EXPECT_EQ(Check_Code_Double(d, 7), 120);
    EXPECT_EQ(Check_Code_Double(d, 120), 7);
    EXPECT_EQ(Check_Code_Double(d, 121), 0);
    EXPECT_EQ(Check_Code_Double(d, 0, "0A1B2C3D4E5F"), 7);
    EXPECT_EQ(Check_Code_Double(d, 0, "FFFFFFFFFFFF"), 0);
    EXPECT_EQ(Check_Code_Double(d, 0, "000000000000"), 0);
    EXPECT_EQ(Check_Code_Double(d, 251), 0);
    EXPECT_EQ(Find_Code_Owner(d, "0A1B2C3D4E5F", 7), 120);

    d.Set_KeyCode(1, "000000000000");
    d.Set_KeyCode(2, "000000000000");
    EXPECT_EQ(Check_Code_Double(d, 1), 0);
}

// ---- GPRS port default and the "=" box ---------------------------------------

Device GprsWithPorts(int sim1Port3, int sim2Port3) {
    Device d = Valid();
    d.Set_GprsActive(true);
    d.Set_GprsPort(1, 3, sim1Port3);
    d.Set_GprsPort(2, 3, sim2Port3);
    return d;
}

TEST(Validation, GprsPortDefaultWithEqualBoxSetsBothSimCards) {
    Device d = GprsWithPorts(0, 0);
    ASSERT_TRUE(GprsServersEqual(d));
    ScriptedUi ui;
    ui.gprsEqual = true;
    ui.script = {Answer::Default};
    EXPECT_TRUE(Check_All(d, ui));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].rule, "Check_IP_Port(3)");
    EXPECT_EQ(ui.shown[0].item, (ItemRef{"Tab_GPRS", "E_GPRS_Port3"}));
    EXPECT_EQ(d.Get_GprsPort(1, 3), 10001);
    EXPECT_EQ(d.Get_GprsPort(2, 3), 10001);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"redraw Tab_GPRS"}));
    EXPECT_TRUE(ui.gprsEqual);
}

TEST(Validation, GprsPortDefaultWithoutEqualBoxSetsOneSimCard) {
    Device d = GprsWithPorts(5000, 0);
    ASSERT_FALSE(GprsServersEqual(d));
    ScriptedUi ui;
    ui.gprsEqual = false;
    ui.script = {Answer::Default};
    EXPECT_TRUE(Check_All(d, ui));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].rule, "Check_IP_Port(6)");
    EXPECT_EQ(d.Get_GprsPort(1, 3), 5000);
    EXPECT_EQ(d.Get_GprsPort(2, 3), 10001);
    EXPECT_EQ(ui.events, (std::vector<std::string>{"redraw Tab_GPRS", "clear ="}));
}

// ---- Addresses ------------------------------------------------------------------

TEST(Validation, AddressText) {
    struct Row {
        const char* text;
        bool valid;
    };
    const Row rows[] = {
        {"", true},
        {"192,168,001,010", true},
        {"255,255,255,255", true},
        {"000,000,000,000", true},
        {"256,001,001,001", false},
        {"001,001,001,256", false},
        {"srv1,station", true},    // host name
        {"000.000.000.000", true}, // an empty host name as the page stores it
        {"10,0,0,1", true},        // as read from a file: 010,000,000,001
        {"000", true},             // 000,000,000,000
        {"1,2,300", false},        // 000,001,002,300
        {"999", false},            // 000,000,000,999
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text);
        EXPECT_EQ(IpAddressTextValid(r.text), r.valid);
    }
}

TEST(Validation, IpRulesOfUnknownServersPass) {
    Device d = Valid();
    d.Set_GprsPort(1, 1, 0);
    for (int k : {0, 14, -1})
        EXPECT_TRUE(Check_IP_Serv(d, k));
    for (int k : {0, 7, 11})
        EXPECT_TRUE(Check_IP_Port(d, k));
    EXPECT_FALSE(Check_IP_Port(d, 1));
}

} // namespace
} // namespace zavro::validation
