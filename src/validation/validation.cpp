// The rules of the twelve page checks and the frame that runs them.
//
// Each page is walked by one function that evaluates its rules in order and
// hands every failure to a sink. The sink decides whether the walk goes on:
// the asking sink shows the report through ValidationUi and applies the
// default when the user asks for it; the listing sink only collects the
// reports (the batch check of the command-line tool). Rules are evaluated
// lazily, one after the other, so a default put in by one rule is seen by
// the rules after it.
#include "validation/validation.h"

#include "format/writer.h"

#include <array>
#include <functional>
#include <utility>

namespace zavro::validation {

namespace {

using Device = T_Command_DEVICE;

struct Page {
    const char* name;
    const char* caption;
};

constexpr Page kCommon{"Tab_Common", "Общие"};
constexpr Page kMode{"Tab_Mode", "Режимы"};
constexpr Page kIndic{"Tab_Indic", "Индикация"};
constexpr Page kShleifs{"Tab_Shleifs", "Шлейфы"};
constexpr Page kRele{"Tab_Rele", "Реле"};
constexpr Page kKeys{"Tab_Keys", "Ключи"};
constexpr Page kSms{"Tab_SMS", "SMS"};
constexpr Page kSmsk{"Tab_SMSK", "SMS-К"};
constexpr Page kGsm{"Tab_GSM", "GSM-дозвон"};
constexpr Page kZv4{"Tab_ZV4", "IP/UDP"};
constexpr Page kGprs{"Tab_GPRS", "GPRS"};
constexpr Page kLan{"Tab_LAN", "Ethernet"};

constexpr int kKeyCount = 250;
constexpr int kLoopCount = 16;
constexpr int kPhoneCount = 9;

// Loop types, relay modes and key types the rules single out.
constexpr int kLoopDelayed = 1;
constexpr int kLoopFixedDelay = 16;
constexpr int kLoopControl = 15;
constexpr int kReleSms = 0;
constexpr int kReleLock = 10;
constexpr int kKeyArmDisarm = 0;
constexpr int kKeyDuress = 1;

const char* const kIpElements = "Элементы IP-адреса должны находится в диапазоне 0..255";
const char* const kServerAddress = "Недопустимый IP-адрес сервера для приема сообщений.";
const char* const kServerPort = "Недопустимый номер порта сервера для приема сообщений.";
const char* const kPhoneMissing = "Не заданы номера для задействованных телефонов.";
const char* const kPhoneMissingFix = "Необходимо задать номера для используемых телефонов";

using DefaultAction = std::function<void(Device&, ValidationUi&)>;

// Receives the failures of a walk; returns whether the walk goes on.
class Sink {
  public:
    virtual ~Sink() = default;
    virtual bool Fail(const FailureReport& report, const DefaultAction& setDefault) = 0;
};

// The frame of the save: show the report, then default / fix / closed.
class AskingSink final : public Sink {
  public:
    AskingSink(Device& device, ValidationUi& ui) : device_(device), ui_(ui) {}

    bool Fail(const FailureReport& report, const DefaultAction& setDefault) override {
        const Answer answer = ui_.ShowFailure(report);
        if (answer == Answer::Default && report.offersDefault && setDefault) {
            setDefault(device_, ui_);
            return true;
        }
        if (answer == Answer::Fix) ui_.GotoItem(report.item);
        // A default asked of a rule that offers none is no answer: the
        // failure stands, like a closed dialog.
        return false;
    }

  private:
    Device& device_;
    ValidationUi& ui_;
};

class ListingSink final : public Sink {
  public:
    explicit ListingSink(std::vector<FailureReport>& out) : out_(out) {}
    bool Fail(const FailureReport& report, const DefaultAction&) override {
        out_.push_back(report);
        return true;
    }

  private:
    std::vector<FailureReport>& out_;
};

std::string Num(int v) {
    return std::to_string(v);
}

std::string Range(int low, int high) {
    return Num(low) + ".." + Num(high);
}

std::string RuleName(const char* name, int i) {
    return std::string(name) + "(" + Num(i) + ")";
}

FailureReport Report(const Page& page, std::string rule, std::string message,
                     std::string recommendation, std::string control, bool offersDefault,
                     int row = 0, int column = 0) {
    FailureReport r;
    r.rule = std::move(rule);
    r.caption = page.caption;
    r.message = std::move(message);
    r.recommendation = std::move(recommendation);
    r.item = ItemRef{page.name, std::move(control), row, column};
    r.offersDefault = offersDefault;
    return r;
}

// The default answer of most rules: one setter, then the page is redrawn.
DefaultAction SetAndRedraw(const Page& page, std::function<void(Device&)> set) {
    return [name = std::string(page.name), set = std::move(set)](Device& d, ValidationUi& ui) {
        set(d);
        ui.RedrawPage(name);
    };
}

bool Within(int v, int low, int high) {
    return v >= low && v <= high;
}

// ---- Page walks -----------------------------------------------------------

bool Walk_Mode(const Device& d, Sink& s) {
    if (!Check_Mode_CountConect(d) &&
        !s.Fail(Report(kMode, "Check_Mode_CountConect",
                       "Недопустимое число неудачных попыток связи перед переключением на "
                       "другую SIM-карту",
                       "Число попыток переключения должно находится в диапазоне " +
                           Range(Device::Limit_CountConnect(0), Device::Limit_CountConnect(2)),
                       "E_Mode_SIM_CountConect", true),
                SetAndRedraw(kMode,
                             [](Device& x) { x.Set_CountConnect(Device::Limit_CountConnect(1)); })))
        return false;
    if (!Check_Mode_SIMDelay(d) &&
        !s.Fail(Report(kMode, "Check_Mode_SIMDelay",
                       "Недопустимая величина задержки перед переключением на основную "
                       "SIM-карту.",
                       "Величина задержки должна находится в диапазоне " +
                           Range(Device::Limit_SimDelay(0), Device::Limit_SimDelay(2)) + " минут",
                       "E_Mode_SIMDelay", true),
                SetAndRedraw(kMode, [](Device& x) { x.Set_SimDelay(Device::Limit_SimDelay(1)); })))
        return false;
    return true;
}

bool Walk_Indic(const Device& d, Sink& s) {
    if (!Check_Indic_DutyDelay(d) &&
        !s.Fail(
            Report(kIndic, "Check_Indic_DutyDelay",
                   "Недопустимая величина периода формирования сообщений \"Дежурный режим\"",
                   "Период формирования сообщений должен находится в диапазоне " +
                       Range(Device::Limit_DutyDelay(0) + 1, Device::Limit_DutyDelay(2)) + " часов",
                   "E_Indic_DutyDelay", true),
            SetAndRedraw(kIndic, [](Device& x) { x.Set_DutyDelay(Device::Limit_DutyDelay(1)); })))
        return false;
    if (!Check_Indic_ExtIndic(d) &&
        !s.Fail(Report(kIndic, "Check_Indic_ExtIndic",
                       "Недопустимая величина времени работы выносного индикатора",
                       "Время работы выносного индикатора должно находится в диапазоне " +
                           Range(Device::Limit_ExtIndicTime(0), Device::Limit_ExtIndicTime(2)) +
                           "сек.",
                       "E_Indic_ExtIndic", true),
                SetAndRedraw(kIndic,
                             [](Device& x) { x.Set_ExtIndicTime(Device::Limit_ExtIndicTime(1)); })))
        return false;
    if (!Check_Indic_Sirena(d) &&
        !s.Fail(
            Report(kIndic, "Check_Indic_Sirena", "Недопустимая величина времени работы сирены",
                   "Время работы сирены должно находится в диапазоне " +
                       Range(Device::Limit_SirenTime(0), Device::Limit_SirenTime(2)) + "сек.",
                   "E_Indic_Sirena", true),
            SetAndRedraw(kIndic, [](Device& x) { x.Set_SirenTime(Device::Limit_SirenTime(1)); })))
        return false;
    if (!Check_SNMP_trap_loop(d) &&
        !s.Fail(
            Report(kIndic, "Check_SNMP_trap_loop",
                   "Недопустимая величина периода формирования TRAP-сообщекний",
                   "Период формирования TRAP-сообщекний должно находится в диапазоне " +
                       Range(Device::Limit_TrapPeriod(0) + 1, Device::Limit_TrapPeriod(2)) + "мин.",
                   "E_SNMP_trap_loop", true),
            SetAndRedraw(kIndic, [](Device& x) { x.Set_TrapPeriod(Device::Limit_TrapPeriod(1)); })))
        return false;
    if (!Check_SNMP_addr_mng(d) &&
        !s.Fail(Report(kIndic, "Check_SNMP_addr_mng",
                       "Недопустимый IP-адрес сервера для приема TRAP-сообщений.", kIpElements,
                       "E_SNMP_addr_mng", false),
                {}))
        return false;
    if (!Check_SNMP_port_mng(d) &&
        !s.Fail(Report(kIndic, "Check_SNMP_port_mng",
                       "Недопустимый номер порта сервера для приема TRAP-сообщений.",
                       "Порт может быть задан в диапазоне " +
                           Range(Device::Limit_TrapPort(0) + 1, Device::Limit_TrapPort(2)),
                       "E_SNMP_port_mng", true),
                SetAndRedraw(kIndic, [](Device& x) { x.Set_TrapPort(Device::Limit_TrapPort(1)); })))
        return false;
    if (!Check_SNMP_port_agent(d) &&
        !s.Fail(
            Report(kIndic, "Check_SNMP_port_agent",
                   "Недопустимый номер порта для приема SNMP-запросов.",
                   "Порт может быть задан в диапазоне " +
                       Range(Device::Limit_AgentPort(0) + 1, Device::Limit_AgentPort(2)),
                   "E_SNMP_port_agent", true),
            SetAndRedraw(kIndic, [](Device& x) { x.Set_AgentPort(Device::Limit_AgentPort(1)); })))
        return false;
    return true;
}

bool Walk_Shleifs(const Device& d, Sink& s) {
    for (int i = 1; i <= kLoopCount; ++i) {
        if (!Check_Shleif_Delay(d, i) &&
            !s.Fail(
                Report(kShleifs, RuleName("Check_Shleif_Delay", i),
                       "Недопустимая величина времени задержки сработки по шлейфу.",
                       "Задержка сработки по шлейфу может быть задана в диапазоне " +
                           Range(Device::Limit_ShleifDelay(0) + 1, Device::Limit_ShleifDelay(2)) +
                           " секунд",
                       "SG_Shleifs", true, i, 2),
                SetAndRedraw(kShleifs, [i](Device& x) {
                    x.Set_ShleifDelay(i, Device::Limit_ShleifDelay(1));
                })))
            return false;
        if (!Check_Shleif_Rule(d, i) &&
            !s.Fail(Report(kShleifs, RuleName("Check_Shleif_Rule", i),
                           "Для раздела задано больше одного управляющего шлейфа.",
                           "Измените тип шлейфа или номер закрепленного раздела", "SG_Shleifs",
                           false, i, 1),
                    {}))
            return false;
        if (!Check_Shleif_Key(d, i) &&
            !s.Fail(Report(kShleifs, RuleName("Check_Shleif_Key", i),
                           "Для управления разделом задан ключ и управляющий шлейф.",
                           "Одновременное управление разделом при помощи шлейфа и ключа "
                           "недопустимо",
                           "SG_Shleifs", false, i, 1),
                    {}))
            return false;
    }
    if (!Check_Shleif_ExitDelay(d) &&
        !s.Fail(
            Report(kShleifs, "Check_Shleif_ExitDelay", "Недопустимая величина времени на выход.",
                   "Время на выход может быть задано в диапазоне " +
                       Range(Device::Limit_ExitDelay(0), Device::Limit_ExitDelay(2)) + " секунд",
                   "E_Shleif_ExitDelay", true),
            SetAndRedraw(kShleifs, [](Device& x) { x.Set_ExitDelay(Device::Limit_ExitDelay(1)); })))
        return false;
    return true;
}

bool Walk_Rele(const Device& d, Sink& s) {
    for (int i = 1; i <= 4; ++i) {
        if (!Check_Rele_Delay(d, i) &&
            !s.Fail(Report(kRele, RuleName("Check_Rele_Delay", i),
                           "Недопустимая величина времени работы реле.",
                           "Время работы может быть задано в диапазоне " +
                               Range(Device::Limit_ReleDelay(0), Device::Limit_ReleDelay(2)) +
                               " секунд",
                           "SG_Reles", true, i, 2),
                    SetAndRedraw(
                        kRele, [i](Device& x) { x.Set_ReleDelay(i, Device::Limit_ReleDelay(1)); })))
            return false;
    }
    return true;
}

bool Walk_Keys(const Device& d, Sink& s) {
    for (int i = 1; i <= kKeyCount; ++i) {
        // A key that fails both ways is reported for its missing partitions.
        if (Check_Code_NoPart(d, i)) {
            if (!s.Fail(Report(kKeys, RuleName("Check_Code_NoPart", i),
                               " К коду управления не привязано не одного раздела",
                               "Следует удалить код управления или указать управляемые разделы",
                               "SG_Keys", false, i, 4),
                        {}))
                return false;
        } else if (Check_Code_Double(d, i) != 0) {
            if (!s.Fail(Report(kKeys, RuleName("Check_Code_Double", i),
                               "Для двух или более пользователей заданы одинаковые коды "
                               "управления",
                               "Следует удалить дублирующиеся коды управления", "SG_Keys", false, i,
                               3),
                        {}))
                return false;
        }
    }
    return true;
}

bool Walk_SMS(const Device& d, Sink& s) {
    for (int i = 1; i <= kPhoneCount; ++i) {
        if (!Check_SMS_Phone(d, i) &&
            !s.Fail(Report(kSms, RuleName("Check_SMS_Phone", i), kPhoneMissing, kPhoneMissingFix,
                           "SG_SMS", false, i, 1),
                    {}))
            return false;
    }
    return true;
}

bool Walk_SMSK(const Device& d, Sink& s) {
    for (int i = 1; i <= kPhoneCount; ++i) {
        if (!Check_SMSK_Phone(d, i) &&
            !s.Fail(Report(kSmsk, RuleName("Check_SMSK_Phone", i), kPhoneMissing, kPhoneMissingFix,
                           "SG_SMSK", false, i, 1),
                    {}))
            return false;
    }
    return true;
}

bool Walk_GSM(const Device& d, Sink& s) {
    for (int i = 1; i <= kPhoneCount; ++i) {
        if (!Check_GSM_Phone(d, i) &&
            !s.Fail(Report(kGsm, RuleName("Check_GSM_Phone", i), kPhoneMissing, kPhoneMissingFix,
                           "SG_GSM", false, i, 1),
                    {}))
            return false;
    }
    if (!Check_GSM_Full(d) &&
        !s.Fail(Report(kGsm, "Check_GSM_Full",
                       "Не задан полный набор телефонов для передачи сообщений дозвоном без "
                       "соединения (ГОЛОС).",
                       "Необходимо задать не менее одного телефона для каждого основного типа "
                       "сообщений (Взятия, Снятия, Дежурные режимы, Тревоги)",
                       "SG_GSM", false, 1, 2),
                {}))
        return false;
    return true;
}

bool Walk_ZV4(const Device& d, Sink& s) {
    const std::string dutyRange = "Период отправки сообщений может быть задан в диапазоне ";
    if (!Check_ZV4_Duty1(d) &&
        !s.Fail(
            Report(kZv4, "Check_ZV4_Duty1",
                   "Недопустимая величина периода отправки сообщений дежурного режим первого "
                   "типа (без подтверждения пульта).",
                   dutyRange + Range(Device::Limit_Duty1(0), Device::Limit_Duty1(2)) + " секунд",
                   "E_ZV4_Duty1", true),
            SetAndRedraw(kZv4, [](Device& x) { x.Set_Duty1(Device::Limit_Duty1(1)); })))
        return false;
    if (!Check_ZV4_Duty2(d) &&
        !s.Fail(
            Report(kZv4, "Check_ZV4_Duty2",
                   "Недопустимая величина периода отправки сообщений дежурного режим второго "
                   "типа (с подтверждением от пульта).",
                   dutyRange + Range(Device::Limit_Duty2(0), Device::Limit_Duty2(2)) + " секунд",
                   "E_ZV4_Duty2", true),
            SetAndRedraw(kZv4, [](Device& x) { x.Set_Duty2(Device::Limit_Duty2(1)); })))
        return false;
    if (!Check_ZV4_WaitAns(d) &&
        !s.Fail(
            Report(kZv4, "Check_ZV4_WaitAns",
                   "Недопустимая величина времени ожидания ответа на переданное сообщение.",
                   "Время ожидания может быть задано в диапазоне " +
                       Range(Device::Limit_WaitAnswer(0), Device::Limit_WaitAnswer(2)) + " секунд",
                   "E_ZV4_Answer", true),
            SetAndRedraw(kZv4, [](Device& x) { x.Set_WaitAnswer(Device::Limit_WaitAnswer(1)); })))
        return false;
    if (!Check_ZV4_NoAnswer(d) &&
        !s.Fail(Report(kZv4, "Check_ZV4_NoAnswer",
                       "Недопустимая величина числа неответов на переданное сообщение, после "
                       "которого происходит снижение темпа повторов сообщения.",
                       "Допустимое число неответов может быть задано в диапазоне " +
                           Range(Device::Limit_NoAnswer(0), Device::Limit_NoAnswer(2)),
                       "E_ZV4_NoAnswer", true),
                SetAndRedraw(kZv4, [](Device& x) { x.Set_NoAnswer(Device::Limit_NoAnswer(1)); })))
        return false;
    return true;
}

// The default answer on the port of SIM card sim, server n: with "=" on,
// server n of both SIM cards; otherwise only this one, and "=" goes off.
DefaultAction GprsPortDefault(int sim, int n) {
    return [sim, n](Device& d, ValidationUi& ui) {
        const int port = Device::Limit_ServerPort(1);
        if (ui.GprsEqualChecked()) {
            d.Set_GprsPort(1, n, port);
            d.Set_GprsPort(2, n, port);
            ui.RedrawPage(kGprs.name);
        } else {
            d.Set_GprsPort(sim, n, port);
            ui.RedrawPage(kGprs.name);
            ui.ClearGprsEqual();
        }
    };
}

bool Walk_GPRS(const Device& d, Sink& s) {
    if (!d.Get_GprsActive()) return true;
    for (int k = 8; k <= 13; ++k) {
        if (!Check_IP_Serv(d, k) &&
            !s.Fail(Report(kGprs, RuleName("Check_IP_Serv", k), kServerAddress, kIpElements,
                           "E_GPRS_IP_Server" + Num(k - 7), false),
                    {}))
            return false;
    }
    for (int k = 1; k <= 6; ++k) {
        if (!Check_IP_Port(d, k) &&
            !s.Fail(Report(kGprs, RuleName("Check_IP_Port", k), kServerPort,
                           "Порт может быть задан в диапазоне " +
                               Range(Device::Limit_ServerPort(0), Device::Limit_ServerPort(2)),
                           "E_GPRS_Port" + Num(k), true),
                    GprsPortDefault((k - 1) / 3 + 1, (k - 1) % 3 + 1)))
            return false;
    }
    return true;
}

bool Walk_LAN(const Device& d, Sink& s) {
    if (d.Get_LanMode() == 1) {
        struct DeviceRule {
            int k;
            const char* message;
            const char* recommendation;
            const char* control;
        };
        static const std::array<DeviceRule, 3> rules{{
            {1, "Недопустимый IP-адрес устройства.", kIpElements, "E_LAN_IP"},
            {2, "Недопустимый IP-адрес шлюза.", kIpElements, "E_LAN_GateWay"},
            {3, "Недопустимая маска устройства.",
             "Элементы маски должны находится в диапазоне 0..255", "E_LAN_Mask"},
        }};
        for (const DeviceRule& r : rules) {
            if (!Check_IP_Serv(d, r.k) &&
                !s.Fail(Report(kLan, RuleName("Check_IP_Serv", r.k), r.message, r.recommendation,
                               r.control, false),
                        {}))
                return false;
        }
    }
    for (int n = 1; n <= 3; ++n) {
        const int k = 3 + n;
        if (!Check_IP_Serv(d, k) &&
            !s.Fail(Report(kLan, RuleName("Check_IP_Serv", k), kServerAddress, kIpElements,
                           "E_LAN_IP_Server" + Num(n), false),
                    {}))
            return false;
    }
    if (!Check_IP_Serv(d, 7) &&
        !s.Fail(Report(kLan, RuleName("Check_IP_Serv", 7), "Недопустимый адрес DNS-сервера.",
                       kIpElements, "E_LAN_DNS", false),
                {}))
        return false;
    for (int n = 1; n <= 3; ++n) {
        const int k = 7 + n;
        if (!Check_IP_Port(d, k) &&
            !s.Fail(
                Report(kLan, RuleName("Check_IP_Port", k), kServerPort,
                       "Порт не может принимать нулевое значение и быть больше 65535",
                       "E_LAN_Port" + Num(n), true),
                SetAndRedraw(kLan, [n](Device& x) { x.Set_LanPort(n, Device::Limit_LanPort(1)); })))
            return false;
    }
    return true;
}

bool Walk_Common(const Device& d, Sink& s) {
    for (int i = 1; i <= 2; ++i) {
        if (!Check_Common_BalanceDelay(d, i) &&
            !s.Fail(
                Report(kCommon, RuleName("Check_Common_BalanceDelay", i),
                       "Недопустимая величина периода проверки баланса",
                       "Период проверки баланса должен находится в диапазоне " +
                           Range(Device::Limit_BalanceDelay(0) + 1, Device::Limit_BalanceDelay(2)) +
                           " часов, 0 - баланс не проверяется",
                       "E_Common_BalanceDelay" + Num(i), true),
                SetAndRedraw(kCommon, [i](Device& x) {
                    x.Set_BalanceDelay(i, Device::Limit_BalanceDelay(1));
                })))
            return false;
    }
    for (int i = 1; i <= 2; ++i) {
        if (!Check_Common_BalancePhones(d, i) &&
            !s.Fail(Report(kCommon, RuleName("Check_Common_BalancePhones", i),
                           "Не заданы команды для выполнения контроля баланса",
                           "При установленном ненулевом периоде контроля баланса должна быть "
                           "задана команды, соответсвтующая GSM-оператору, предоставившему "
                           "SIM-карту",
                           "E_Common_BalancePhone" + Num(i), false),
                    {}))
            return false;
    }
    for (int i = 1; i <= 2; ++i) {
        if (!Check_Common_BalanceValue(d, i) &&
            !s.Fail(Report(kCommon, RuleName("Check_Common_BalanceValue", i),
                           "Недопустимая величина порога оповещения о недостаточном балансе",
                           "Значение порога оповещения должно находится в диапазоне " +
                               Range(Device::Limit_BalanceValue(0), Device::Limit_BalanceValue(2)) +
                               " единиц тарификации",
                           "E_Common_BalanceVal" + Num(i), true),
                    SetAndRedraw(kCommon, [i](Device& x) {
                        x.Set_BalanceValue(i, Device::Limit_BalanceValue(1));
                    })))
            return false;
    }
    if (!Check_Common_SMS_Password(d) &&
        !s.Fail(Report(kCommon, "Check_Common_SMS_Password",
                       "Пароль удаленного управления должен иметь длину 5 символов",
                       "Введите 5 символов пароля управления", "E_Common_Password", false),
                {}))
        return false;
    if (!Check_Common_KeyCrypto(d) &&
        !s.Fail(Report(kCommon, "Check_Common_KeyCrypto",
                       "Не задан ключ шифрования файла конфигурации",
                       "Для защиты информации в приборе следует задать ключ шифрования",
                       "E_Common_KEY", false),
                {}))
        return false;
    return true;
}

using Walk = bool (*)(const Device&, Sink&);

// The order of the save's checks: Modes first, Common last.
constexpr std::array<Walk, 12> kAllPages{
    Walk_Mode, Walk_Indic, Walk_Shleifs, Walk_Rele, Walk_Keys, Walk_SMS,
    Walk_SMSK, Walk_GSM,   Walk_ZV4,     Walk_GPRS, Walk_LAN,  Walk_Common,
};

bool Ask(Walk walk, Device& device, ValidationUi& ui) {
    AskingSink sink(device, ui);
    return walk(device, sink);
}

// The stored address tested by Check_IP_Serv(k); false for a k without one.
bool AddressOf(const Device& d, int k, std::string& out) {
    if (k == 1)
        out = d.Get_LanIP();
    else if (k == 2)
        out = d.Get_LanGateway();
    else if (k == 3)
        out = d.Get_LanMask();
    else if (k >= 4 && k <= 6)
        out = d.Get_LanServer(k - 3);
    else if (k == 7)
        out = d.Get_LanDNS();
    else if (k >= 8 && k <= 10)
        out = d.Get_GprsServer(1, k - 7);
    else if (k >= 11 && k <= 13)
        out = d.Get_GprsServer(2, k - 10);
    else
        return false;
    return true;
}

} // namespace

// ---- Frame ------------------------------------------------------------------

bool Check_All(Device& device, ValidationUi& ui) {
    AskingSink sink(device, ui);
    for (Walk walk : kAllPages) {
        if (!walk(device, sink)) return false;
    }
    return true;
}

bool Check_Mode(Device& device, ValidationUi& ui) {
    return Ask(Walk_Mode, device, ui);
}
bool Check_Indic(Device& device, ValidationUi& ui) {
    return Ask(Walk_Indic, device, ui);
}
bool Check_Shleifs(Device& device, ValidationUi& ui) {
    return Ask(Walk_Shleifs, device, ui);
}
bool Check_Rele(Device& device, ValidationUi& ui) {
    return Ask(Walk_Rele, device, ui);
}
bool Check_Keys(Device& device, ValidationUi& ui) {
    return Ask(Walk_Keys, device, ui);
}
bool Check_SMS(Device& device, ValidationUi& ui) {
    return Ask(Walk_SMS, device, ui);
}
bool Check_SMSK(Device& device, ValidationUi& ui) {
    return Ask(Walk_SMSK, device, ui);
}
bool Check_GSM(Device& device, ValidationUi& ui) {
    return Ask(Walk_GSM, device, ui);
}
bool Check_ZV4(Device& device, ValidationUi& ui) {
    return Ask(Walk_ZV4, device, ui);
}
bool Check_GPRS(Device& device, ValidationUi& ui) {
    return Ask(Walk_GPRS, device, ui);
}
bool Check_LAN(Device& device, ValidationUi& ui) {
    return Ask(Walk_LAN, device, ui);
}
bool Check_Common(Device& device, ValidationUi& ui) {
    return Ask(Walk_Common, device, ui);
}

std::vector<FailureReport> ListFailures(const Device& device) {
    std::vector<FailureReport> out;
    ListingSink sink(out);
    for (Walk walk : kAllPages)
        walk(device, sink);
    return out;
}

bool GprsServersEqual(const Device& d) {
    for (int n = 1; n <= 3; ++n) {
        if (d.Get_GprsServer(1, n) != d.Get_GprsServer(2, n)) return false;
        if (d.Get_GprsPort(1, n) != d.Get_GprsPort(2, n)) return false;
    }
    return true;
}

// ---- Common page -------------------------------------------------------------

bool Check_Common_BalanceDelay(const Device& d, int i) {
    return Within(d.Get_BalanceDelay(i), Device::Limit_BalanceDelay(0),
                  Device::Limit_BalanceDelay(2));
}

bool Check_Common_BalancePhones(const Device& d, int i) {
    return d.Get_BalanceDelay(i) < 1 || !d.Get_BalancePhone(i).empty();
}

bool Check_Common_BalanceValue(const Device& d, int i) {
    return Within(d.Get_BalanceValue(i), Device::Limit_BalanceValue(0),
                  Device::Limit_BalanceValue(2));
}

bool Check_Common_SMS_Password(const Device& d) {
    const std::string password = d.Get_SmsPassword();
    return password.empty() || password.size() > 4;
}

bool Check_Common_KeyCrypto(const Device& d) {
    return !d.Get_FileKey().empty();
}

// ---- Modes page --------------------------------------------------------------

bool Check_Mode_CountConect(const Device& d) {
    return Within(d.Get_CountConnect(), Device::Limit_CountConnect(0),
                  Device::Limit_CountConnect(2));
}

bool Check_Mode_SIMDelay(const Device& d) {
    return d.Get_SimMode() != 2 ||
           Within(d.Get_SimDelay(), Device::Limit_SimDelay(0), Device::Limit_SimDelay(2));
}

// ---- Indication page ---------------------------------------------------------

bool Check_Indic_DutyDelay(const Device& d) {
    const int v = d.Get_DutyDelay();
    return v < 1 || Within(v, Device::Limit_DutyDelay(0) + 1, Device::Limit_DutyDelay(2));
}

bool Check_Indic_ExtIndic(const Device& d) {
    return Within(d.Get_ExtIndicTime(), Device::Limit_ExtIndicTime(0),
                  Device::Limit_ExtIndicTime(2));
}

bool Check_Indic_Sirena(const Device& d) {
    return Within(d.Get_SirenTime(), Device::Limit_SirenTime(0), Device::Limit_SirenTime(2));
}

bool Check_SNMP_trap_loop(const Device& d) {
    return Within(d.Get_TrapPeriod(), Device::Limit_TrapPeriod(0), Device::Limit_TrapPeriod(2));
}

bool Check_SNMP_addr_mng(const Device& d) {
    return IpAddressTextValid(d.Get_TrapAddress());
}

bool Check_SNMP_port_mng(const Device& d) {
    return Within(d.Get_TrapPort(), Device::Limit_TrapPort(0), Device::Limit_TrapPort(2));
}

bool Check_SNMP_port_agent(const Device& d) {
    return Within(d.Get_AgentPort(), Device::Limit_AgentPort(0), Device::Limit_AgentPort(2));
}

// ---- Loops and relays --------------------------------------------------------

bool Check_Shleif_Delay(const Device& d, int i) {
    const int type = d.Get_ShleifType(i);
    if (type != kLoopDelayed && type != kLoopFixedDelay) return true;
    return Within(d.Get_ShleifDelay(i), Device::Limit_ShleifDelay(0) + 1,
                  Device::Limit_ShleifDelay(2));
}

bool Check_Shleif_Rule(const Device& d, int i) {
    if (d.Get_ShleifType(i) != kLoopControl) return true;
    // Loops in no partition (0) are compared too.
    const int part = d.Get_ShleifPart(i);
    for (int j = i + 1; j <= kLoopCount; ++j) {
        if (d.Get_ShleifType(j) == kLoopControl && d.Get_ShleifPart(j) == part) return false;
    }
    return true;
}

bool Check_Shleif_Key(const Device& d, int i) {
    if (d.Get_ShleifType(i) != kLoopControl) return true;
    const int part = d.Get_ShleifPart(i);
    if (part == 0) return true;
    // Every key slot counts, with or without a code.
    for (int k = 1; k <= kKeyCount; ++k) {
        const int type = d.Get_KeyType(k);
        if ((type == kKeyArmDisarm || type == kKeyDuress) && d.Get_KeyParts(k).Has(part))
            return false;
    }
    return true;
}

bool Check_Shleif_ExitDelay(const Device& d) {
    return Within(d.Get_ExitDelay(), Device::Limit_ExitDelay(0), Device::Limit_ExitDelay(2));
}

bool Check_Rele_Delay(const Device& d, int i) {
    const int mode = d.Get_ReleMode(i);
    if (mode == kReleSms || mode == kReleLock) return true;
    return Within(d.Get_ReleDelay(i), Device::Limit_ReleDelay(0), Device::Limit_ReleDelay(2));
}

// ---- Keys --------------------------------------------------------------------

bool KeyCodeIsSet(const std::string& code) {
    return !code.empty() && code != "000000000000" && code != "************";
}

int Find_Code_Owner(const Device& d, const std::string& code, int skipKey) {
    if (!KeyCodeIsSet(code)) return 0;
    for (int k = 1; k <= kKeyCount; ++k) {
        if (k == skipKey) continue;
        const std::string other = d.Get_KeyCode(k);
        if (KeyCodeIsSet(other) && other == code) return k;
    }
    return 0;
}

int Check_Code_Double(const Device& d, int i, const std::string& code) {
    if (i == 0) return Find_Code_Owner(d, code, 0);
    if (i < 1 || i > kKeyCount) return 0;
    return Find_Code_Owner(d, d.Get_KeyCode(i), i);
}

bool Check_Code_NoPart(const Device& d, int i) {
    return KeyCodeIsSet(d.Get_KeyCode(i)) && d.Get_KeyParts(i).Empty();
}

// ---- Phones --------------------------------------------------------------------

bool Check_SMS_Phone(const Device& d, int i) {
    return d.Get_SmsType(i) == 0 || !d.Get_SmsPhone(i).empty();
}

bool Check_SMSK_Phone(const Device& d, int i) {
    return d.Get_SmsKKeys(i).Empty() || !d.Get_SmsKPhone(i).empty();
}

bool Check_GSM_Phone(const Device& d, int i) {
    return d.Get_GsmType(i) == 0 || !d.Get_GsmPhone(i).empty();
}

bool Check_GSM_Full(const Device& d) {
    bool alarms = false, duty = false, arming = false, disarming = false, voiceOnly = false;
    for (int i = 1; i <= kPhoneCount; ++i) {
        switch (d.Get_GsmType(i)) {
        case 1: alarms = true; break;
        case 2: alarms = duty = true; break;
        case 3: alarms = arming = disarming = true; break;
        case 4: alarms = duty = arming = disarming = true; break;
        case 5: arming = voiceOnly = true; break;
        case 6: disarming = voiceOnly = true; break;
        case 7: duty = voiceOnly = true; break;
        default: break;
        }
    }
    return !voiceOnly || (alarms && duty && arming && disarming);
}

// ---- IP/UDP page ---------------------------------------------------------------

bool Check_ZV4_Duty1(const Device& d) {
    return Within(d.Get_Duty1(), Device::Limit_Duty1(0), Device::Limit_Duty1(2));
}

bool Check_ZV4_Duty2(const Device& d) {
    return Within(d.Get_Duty2(), Device::Limit_Duty2(0), Device::Limit_Duty2(2));
}

bool Check_ZV4_WaitAns(const Device& d) {
    return Within(d.Get_WaitAnswer(), Device::Limit_WaitAnswer(0), Device::Limit_WaitAnswer(2));
}

bool Check_ZV4_NoAnswer(const Device& d) {
    return Within(d.Get_NoAnswer(), Device::Limit_NoAnswer(0), Device::Limit_NoAnswer(2));
}

// ---- Addresses and ports ---------------------------------------------------------

bool IpAddressTextValid(const std::string& text) {
    if (!IsDigitsAndCommas(text) || text.empty()) return true; // empty, or a host name
    // The pages store an address as four groups of three digits
    // (192,168,001,010) and bring whatever was typed or read into that form
    // before a save is validated. A text read from a file may still be in
    // another shape (10,0,0,1, or 000 from a default written with points),
    // so it is first brought into the same form, exactly as the page would,
    // and never read past its end.
    std::string address = text;
    FormatCodeGroups(address, kDecimalDigits, ',', '0', 3, -12, true);
    for (std::size_t start : {0u, 4u, 8u, 12u}) {
        if (std::stoi(address.substr(start, 3)) > 255) return false;
    }
    return true;
}

bool Check_IP_Serv(const Device& d, int k) {
    std::string address;
    if (!AddressOf(d, k, address)) return true;
    return IpAddressTextValid(address);
}

bool Check_IP_Port(const Device& d, int k) {
    int port;
    if (k >= 1 && k <= 3)
        port = d.Get_GprsPort(1, k);
    else if (k >= 4 && k <= 6)
        port = d.Get_GprsPort(2, k - 3);
    else if (k >= 8 && k <= 10)
        port = d.Get_LanPort(k - 7);
    else
        return true;
    return Within(port, Device::Limit_ServerPort(0), Device::Limit_ServerPort(2));
}

} // namespace zavro::validation
