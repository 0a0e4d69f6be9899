// Validation of the whole configuration before it is saved: twelve page
// checks in a fixed order, each a fixed sequence of rules. The first rule
// that fails is reported to the user, who either lets the rule put the
// table default into the value (where the rule offers it; validation then
// goes on) or is taken to the offending control (validation ends, nothing
// is saved).
//
// Everything here reads and writes the configuration through its accessors
// only. The editor window is reached through ValidationUi, so the frame can
// be driven by the program's windows, by the command-line tool or by tests.
//
// Configuration data are Windows-1251 bytes; the texts of the reports
// (captions, messages, recommendations) are UTF-8.
#pragma once

#include <string>
#include <vector>

#include "model/device.h"

namespace zavro::validation {

// The user's answer to a failure report.
enum class Answer {
    Default, // "Установить "по-умолчанию"": put the table default in, go on
    Fix,     // "Исправить": show the offending control, stop
    Closed,  // the dialog was closed with its close box: stop, focus unchanged
};

// A control of an editor page, or one cell of a grid on it.
struct ItemRef {
    std::string page;    // the page, e.g. "Tab_Common"
    std::string control; // the control, e.g. "E_Common_KEY" or "SG_Keys"
    int row = 0;         // grid row (item number; row 0 is the title row), 0 for a plain control
    int column = 0;      // grid column, 0 for a plain control

    bool IsCell() const { return row > 0; }
    bool operator==(const ItemRef&) const = default;
};

// What the error dialog shows for a failed rule.
struct FailureReport {
    std::string rule;           // the rule predicate with its argument, e.g. "Check_IP_Port(4)"
    std::string caption;        // caption of the page (UTF-8), e.g. "Общие"
    std::string message;        // shown under "Ошибка:"
    std::string recommendation; // shown under "Рекомендация:"
    ItemRef item;               // what "Исправить" brings into view
    bool offersDefault = false; // whether "Установить "по-умолчанию"" is offered
};

// What validation needs of the editor window.
class ValidationUi {
  public:
    virtual ~ValidationUi() = default;

    // Shows the report modally and returns the user's answer.
    virtual Answer ShowFailure(const FailureReport& report) = 0;

    // Makes the page the active one and focuses the control (selecting the
    // grid cell when the item is one).
    virtual void GotoItem(const ItemRef& item) = 0;

    // Copies the configuration into the controls of one page ("Tab_Mode", ...).
    virtual void RedrawPage(const std::string& page) = 0;

    // Whether the "=" box of the GPRS page (SIM card 2 uses the servers of
    // SIM card 1) is ticked.
    virtual bool GprsEqualChecked() = 0;

    // Unticks the "=" box of the GPRS page; called after a GPRS port was put
    // back to its default for one SIM card only.
    virtual void ClearGprsEqual() = 0;
};

// ---- Check order and page checks ---------------------------------------
//
// Check_All runs, each only while all before it passed: Check_Mode,
// Check_Indic, Check_Shleifs, Check_Rele, Check_Keys, Check_SMS, Check_SMSK,
// Check_GSM, Check_ZV4, Check_GPRS, Check_LAN and, last, Check_Common.
// A page check returns true when each of its rules passed or was answered
// with the default.

bool Check_All(T_Command_DEVICE& device, ValidationUi& ui);

bool Check_Mode(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_Indic(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_Shleifs(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_Rele(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_Keys(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_SMS(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_SMSK(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_GSM(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_ZV4(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_GPRS(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_LAN(T_Command_DEVICE& device, ValidationUi& ui);
bool Check_Common(T_Command_DEVICE& device, ValidationUi& ui);

// Every failure of the configuration as it is, without asking anybody and
// without changing anything: each rule that Check_All would run is
// evaluated, in Check_All order, and each one that fails is listed (a
// failure is not followed by the default, so later rules see the value as
// it is). The rules that depend on a switch (GPRS on, Ethernet mode) run
// only when the switch is on, as in Check_All.
std::vector<FailureReport> ListFailures(const T_Command_DEVICE& device);

// The state the GPRS page gives its "=" box when it shows this
// configuration: ticked when servers 1..3 of SIM card 1 and SIM card 2 have
// the same addresses and ports.
bool GprsServersEqual(const T_Command_DEVICE& device);

// ---- Rule predicates -----------------------------------------------------
// Each reads the configuration only and returns true when the rule passes.
// i is the 1-based number used on the pages.

// Common page (i = SIM card 1 or 2)
bool Check_Common_BalanceDelay(const T_Command_DEVICE& d, int i);
bool Check_Common_BalancePhones(const T_Command_DEVICE& d, int i);
bool Check_Common_BalanceValue(const T_Command_DEVICE& d, int i);
bool Check_Common_SMS_Password(const T_Command_DEVICE& d);
bool Check_Common_KeyCrypto(const T_Command_DEVICE& d);

// Modes page
bool Check_Mode_CountConect(const T_Command_DEVICE& d);
bool Check_Mode_SIMDelay(const T_Command_DEVICE& d);

// Indication page with SNMP
bool Check_Indic_DutyDelay(const T_Command_DEVICE& d);
bool Check_Indic_ExtIndic(const T_Command_DEVICE& d);
bool Check_Indic_Sirena(const T_Command_DEVICE& d);
bool Check_SNMP_trap_loop(const T_Command_DEVICE& d);
bool Check_SNMP_addr_mng(const T_Command_DEVICE& d);
bool Check_SNMP_port_mng(const T_Command_DEVICE& d);
bool Check_SNMP_port_agent(const T_Command_DEVICE& d);

// Loops (i = 1..16) and exit delay
bool Check_Shleif_Delay(const T_Command_DEVICE& d, int i);
bool Check_Shleif_Rule(const T_Command_DEVICE& d, int i);
bool Check_Shleif_Key(const T_Command_DEVICE& d, int i);
bool Check_Shleif_ExitDelay(const T_Command_DEVICE& d);

// Relays (i = 1..4)
bool Check_Rele_Delay(const T_Command_DEVICE& d, int i);

// Keys. A code counts as set when it is not empty and is neither
// "000000000000" nor "************".
bool KeyCodeIsSet(const std::string& code);

// The first key 1..250 (other than key i) whose set code equals the code
// byte for byte, or 0 when none does. With i = 0 the given code is tested
// against all 250 keys; with i = 1..250 the code of key i is taken (code is
// not used) and key i itself is skipped. 0 when the code tested is not set
// or i is outside 0..250. This is also what the Keys page asks when a code
// is typed.
int Check_Code_Double(const T_Command_DEVICE& d, int i, const std::string& code = {});

// The same search for a code typed into key i (which is skipped): the other
// key that already holds it, or 0.
int Find_Code_Owner(const T_Command_DEVICE& d, const std::string& code, int skipKey);

// True (a failure) when the code of key i is set and the key is bound to no partition.
bool Check_Code_NoPart(const T_Command_DEVICE& d, int i);

// Phones (i = 1..9)
bool Check_SMS_Phone(const T_Command_DEVICE& d, int i);
bool Check_SMSK_Phone(const T_Command_DEVICE& d, int i);
bool Check_GSM_Phone(const T_Command_DEVICE& d, int i);
bool Check_GSM_Full(const T_Command_DEVICE& d);

// IP/UDP page
bool Check_ZV4_Duty1(const T_Command_DEVICE& d);
bool Check_ZV4_Duty2(const T_Command_DEVICE& d);
bool Check_ZV4_WaitAns(const T_Command_DEVICE& d);
bool Check_ZV4_NoAnswer(const T_Command_DEVICE& d);

// Addresses and ports. k numbers the servers: address k = 1 own address,
// 2 gateway, 3 mask, 4..6 Ethernet servers 1..3, 7 DNS server, 8..10 GPRS
// servers 1..3 of SIM card 1, 11..13 those of SIM card 2 (any other k
// passes); port k = 1..3 GPRS ports of SIM card 1, 4..6 of SIM card 2,
// 8..10 Ethernet ports 1..3 (any other k passes).
bool Check_IP_Serv(const T_Command_DEVICE& d, int k);
bool Check_IP_Port(const T_Command_DEVICE& d, int k);

// The address test on one stored text: passes when the text is empty or
// holds anything but digits and "," (a host name); otherwise the text is
// brought into the stored form of four groups of three digits, as the pages
// store an address, and fails when any of the four numbers is above 255.
bool IpAddressTextValid(const std::string& text);

} // namespace zavro::validation
