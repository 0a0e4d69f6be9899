// The page "Режимы" (Tab_Mode): the choice of the SIM card, the guard
// behaviour and the general modes of the panel.
#pragma once

#include <string>

#include "ui/page.h"
#include "ui/pages/page_parts.h"
#include "ui/row_layout.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace zavro::ui {

// The index of the item showing a value of a drop-down list of count
// items, or -1 (no selection) for a value outside them.
int ItemOf(int value, int count);

struct ModeBinding {
    UpDownField countConnect; // E_Mode_SIM_CountConect, 1..20
    bool reserve = false;     // RB_Mode_SIMRezerv selected, else RB_Mode_SIMSymmetr
    UpDownField simDelay;     // E_Mode_SIMDelay, 1..120
    int simMaster = -1;       // CB_Mode_SIM_Master item
    bool unlock = false;      // CB_Mode_UnlockMode
    bool lockNoIP = false;    // CB_Mode_LockNoIP ticked
    bool lockMark = false;    // and its remembered mark
    bool lockEnabled = true;
    bool log = false;         // CB_Mode_LogEnable
    int masterChannel = -1;   // CB_Mode_MasterIP item
    int powerOff = -1;        // CB_Mode_PowerOffMode item
    int accel = 0;            // TB_Mode_Accel position
    int ruleSMS = -1;         // CB_Mode_RuleSMS item

    // Everything but the SMS control, which the SMS page's Redraw shows.
    void Redraw(const T_Command_DEVICE& work);
    void RedrawRuleSMS(const T_Command_DEVICE& work);
    void UnLoad(T_Command_DEVICE& work) const;

    // The return delay and master SIM rows are for the reserve mode only.
    bool ReserveRowsEnabled() const { return reserve; }
    // L_Mode_Accel_2.
    std::string AccelLabel() const { return TrackLabel(accel); }
    // A channel (GPRS or Ethernet) was switched on or off: the lock box
    // stays enabled and keeps its state (ticked again when its mark is set
    // and the channel is on).
    void LockNoIPChannel(bool channelOn);
};

class ModePage : public EditorPage {
public:
    void Create(TFormMain& form, QWidget* tab) override;
    void Redraw(T_Command_DEVICE& work) override;
    void UnLoad(T_Command_DEVICE& work) override;

    // The hooks of the GPRS and Ethernet pages, called when their channel
    // is switched on or off.
    void Mode_LockNoIP_GPRS_Enable(bool channelOn);
    void Mode_LockNoIP_LAN_Enable(bool channelOn);
    // The SMS control item; the SMS page's Redraw calls it. Until that page
    // is registered, this page's Redraw does.
    void Redraw_RuleSMS(const T_Command_DEVICE& work);
    // Enables the reserve-only rows for the reserve mode, disables them otherwise.
    void RB_Mode_SIM_Select(bool reserve);

private:
    void Show(const ModeBinding& b);
    ModeBinding Read() const;
    void LockNoIPChannel(bool channelOn);

    TFormMain* form_ = nullptr;
    QLineEdit* E_Mode_SIM_CountConect = nullptr;
    TUpDown* UD_Mode_SIM_CountConect = nullptr;
    QRadioButton* RB_Mode_SIMSymmetr = nullptr;
    QRadioButton* RB_Mode_SIMRezerv = nullptr;
    QLineEdit* E_Mode_SIMDelay = nullptr;
    TUpDown* UD_Mode_SIMDelay = nullptr;
    QComboBox* CB_Mode_SIM_Master = nullptr;
    QCheckBox* CB_Mode_UnlockMode = nullptr;
    QCheckBox* CB_Mode_LockNoIP = nullptr;
    bool lockNoIPMark_ = false; // the box's remembered mark
    QCheckBox* CB_Mode_LogEnable = nullptr;
    QSlider* TB_Mode_Accel = nullptr;
    QLabel* L_Mode_Accel_2 = nullptr;
    QComboBox* CB_Mode_MasterIP = nullptr;
    QComboBox* CB_Mode_PowerOffMode = nullptr;
    QComboBox* CB_Mode_RuleSMS = nullptr;
    PageRow delayRow_;  // the reserve-only rows
    PageRow masterRow_;
};

// The Modes page of the window, for the pages that call its hooks; none
// when it is not registered.
ModePage* FindModePage(const TFormMain& form);

} // namespace zavro::ui
