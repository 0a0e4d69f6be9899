// The page "Индикация" (Tab_Indic): the periodic duty message, the external
// indicator, the buzzer, the siren, the indication mode and the SNMP
// service. The external indicator's partition and the siren's partitions
// are written into the configuration at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QListWidget>
#include <QPointer>
#include <QTableWidget>

#include "model/sets.h"
#include "ui/page.h"
#include "ui/pages/page_parts.h"
#include "ui/row_layout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace zavro::ui {

struct IndicBinding {
    bool dutyActive = false;  // CB_Indic_DutyActive
    UpDownField dutyDelay;    // E_Indic_DutyDelay, 1..48
    UpDownField extIndic;     // E_Indic_ExtIndic, 1..999
    int zone = -1;            // CB_Indic_Zone item
    int zummer = 0;           // TB_Indic_IntZummer position
    std::string sirenParts;   // SG_Indic_Sirena_Parts cell
    UpDownField siren;        // E_Indic_Sirena, 0..999
    int indicMode = -1;       // CB_Indic_Mode item
    bool trapEnable = false;  // CB_SNMP_trap_en
    std::string trapAddress;  // E_SNMP_addr_mng, as shown: 010.000.000.001
    std::string trapPort;     // E_SNMP_port_mng
    std::string trapPeriod;   // E_SNMP_trap_loop
    std::string agentPort;    // E_SNMP_port_agent
    std::string community;    // E_SNMP_community

    void Redraw(const T_Command_DEVICE& work);
    // Everything but the siren partitions, which the pop-up stores.
    void UnLoad(T_Command_DEVICE& work) const;

    // The period row is enabled while the duty message is on.
    bool DutyRowEnabled() const { return dutyActive; }
    // L_Indic_IntZummer_2.
    std::string ZummerLabel() const { return TrackLabel(zummer); }

    // The manager address as shown (groups of three digits joined by ".")
    // and as stored (joined by ",").
    static std::string ShownAddress(const std::string& stored);
    static std::string StoredAddress(const std::string& shown);
    // The ticks of the sixteen partition items read from the siren cell,
    // and the partitions of the ticks (item k is partition k + 1).
    static std::vector<bool> SirenChecks(const std::string& cell);
    static PartSet SirenParts(const std::vector<bool>& checks);
};

// The edit mask of the manager address: four groups of three optional
// digits; positions not typed show "0".
extern const char* const kTrapAddressMask;

// The one-cell grid of the siren partitions: Enter opens the pop-up, every
// other typed key is swallowed; the cell is drawn yellow while the grid has
// the focus.
class TSirenPartsGrid : public QTableWidget {
public:
    explicit TSirenPartsGrid(QWidget* parent);
    std::function<void()> OnEdit;
    // One row of 22 pixels inside the frame.
    QSize sizeHint() const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The pop-up check list of the siren partitions.
class TPartsCheckList : public QListWidget {
public:
    explicit TPartsCheckList(QWidget* parent);
    ~TPartsCheckList() override;

    std::vector<bool> Checks() const;
    void SetChecks(const std::vector<bool>& checks);
    // Opens it over the grid; leaving it in any way runs OnExit once.
    void Open(QTableWidget* grid);
    bool IsOpen() const { return open_; }
    std::function<void()> OnExit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Exit();
    QPointer<QTableWidget> grid_;
    bool open_ = false;
};

class IndicPage : public EditorPage {
public:
    // The window's widgets outlive its pages: their handlers are cut off.
    ~IndicPage() override;
    void Create(TFormMain& form, QWidget* tab) override;
    void Redraw(T_Command_DEVICE& work) override;
    void UnLoad(T_Command_DEVICE& work) override;

    void CB_Indic_DutyActiveClick();
    void SG_Indic_Sirena_Parts_Edit();

private:
    void Show(const IndicBinding& b);
    IndicBinding Read() const;
    void PARTS_CLB_Exit();

    TFormMain* form_ = nullptr;
    QCheckBox* CB_Indic_DutyActive = nullptr;
    QLineEdit* E_Indic_DutyDelay = nullptr;
    TUpDown* UD_Indic_DutyDelay = nullptr;
    PageRow dutyRow_;
    QLineEdit* E_Indic_ExtIndic = nullptr;
    TUpDown* UD_Indic_ExtIndic = nullptr;
    QComboBox* CB_Indic_Zone = nullptr;
    QSlider* TB_Indic_IntZummer = nullptr;
    QLabel* L_Indic_IntZummer_2 = nullptr;
    QPointer<TSirenPartsGrid> SG_Indic_Sirena_Parts;
    QPointer<TPartsCheckList> PARTS_CLB;
    QLineEdit* E_Indic_Sirena = nullptr;
    TUpDown* UD_Indic_Sirena = nullptr;
    QComboBox* CB_Indic_Mode = nullptr;
    QCheckBox* CB_SNMP_trap_en = nullptr;
    QLineEdit* E_SNMP_community = nullptr;
    QLineEdit* E_SNMP_addr_mng = nullptr;
    QLineEdit* E_SNMP_port_mng = nullptr;
    QLineEdit* E_SNMP_trap_loop = nullptr;
    QLineEdit* E_SNMP_port_agent = nullptr;
};

} // namespace zavro::ui
