#include "ui/pages/page_mode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include "model/device.h"
#include "ui/hints.h"
#include "ui/mainwindow.h"

namespace zavro::ui {

using Device = T_Command_DEVICE;

int ItemOf(int value, int count) { return value >= 0 && value < count ? value : -1; }

// ---- Binding ------------------------------------------------------------------

void ModeBinding::Redraw(const T_Command_DEVICE& work) {
    countConnect.min = 1;
    countConnect.max = 20;
    countConnect.Show(work.Get_CountConnect());
    reserve = work.Get_SimMode() == 2;
    simDelay.min = 1;
    simDelay.max = 120;
    simDelay.Show(work.Get_SimDelay());
    simMaster = ItemOf(work.Get_SimMaster() - 1, 2);
    unlock = work.Get_UnlockMode();
    lockNoIP = work.Get_LockNoIP();
    lockMark = lockNoIP;
    LockNoIPChannel(work.Get_GprsActive());
    LockNoIPChannel(work.Get_LanMode() != 0);
    log = work.Get_LogEnable();
    masterChannel = ItemOf(work.Get_MasterChannel(), 3);
    powerOff = ItemOf(work.Get_PowerOffMode(), 2);
    accel = work.Get_AccelSensitivity();
}

void ModeBinding::RedrawRuleSMS(const T_Command_DEVICE& work) { ruleSMS = ItemOf(work.Get_RuleSMS(), 3); }

void ModeBinding::UnLoad(T_Command_DEVICE& work) const {
    if (auto v = NumberOf(countConnect.text)) work.Set_CountConnect(*v);
    work.Set_SimMode(reserve ? 2 : 1);
    if (auto v = NumberOf(simDelay.text)) work.Set_SimDelay(*v);
    work.Set_SimMaster(simMaster + 1); // no selection: ignored by the accessor
    work.Set_UnlockMode(unlock);
    work.Set_LockNoIP(lockNoIP);
    work.Set_LogEnable(log);
    work.Set_MasterChannel(masterChannel);
    work.Set_PowerOffMode(powerOff);
    work.Set_AccelSensitivity(accel);
    work.Set_RuleSMS(ruleSMS);
}

void ModeBinding::LockNoIPChannel(bool channelOn) {
    if (channelOn && lockMark) lockNoIP = true;
    // With the channel off and the other channel off too, the box would be
    // disabled here, but each hook ends by enabling it again.
    lockEnabled = true;
}

// ---- View ---------------------------------------------------------------------

namespace {
constexpr int kLeft = 8;
constexpr int kWidth = 700;

QComboBox* MakeList(QWidget* parent, const char* name, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(items);
    return list;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, int hintKey) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    SetControlHint(group, hintKey);
    return group;
}
} // namespace

void ModePage::Create(TFormMain& form, QWidget* tab) {
    form_ = &form;

    // Create_Mode_SIM
    QGroupBox* sim = MakeGroup(tab, "GB_Mode_ModeSIM", QStringLiteral("Режим выбора SIM-карты:"), 210);
    RowLayout simRows = GroupRows(sim, kWidth);
    E_Mode_SIM_CountConect = MakeEdit(sim, "E_Mode_SIM_CountConect", 2, InputFilter::Digital);
    UD_Mode_SIM_CountConect = MakeUpDown(sim, "UD_Mode_SIM_CountConect", 1, 20);
    HintRow(simRows.AddRow(QStringLiteral("Mode_SIM_CountConect"),
                           QStringLiteral("Число неудачных попыток связи перед переключением(1..20):"),
                           E_Mode_SIM_CountConect, 40, UD_Mode_SIM_CountConect),
            211);
    RB_Mode_SIMSymmetr = new QRadioButton(QStringLiteral("симметричный"), sim);
    RB_Mode_SIMSymmetr->setObjectName(QStringLiteral("RB_Mode_SIMSymmetr"));
    RB_Mode_SIMRezerv = new QRadioButton(QStringLiteral("резервированный"), sim);
    RB_Mode_SIMRezerv->setObjectName(QStringLiteral("RB_Mode_SIMRezerv"));
    PageRow& symmetr = simRows.AddRow(QStringLiteral("Mode_SIMSymmetr"),
                                      QStringLiteral("Режим выбора SIM-карты:"), RB_Mode_SIMSymmetr);
    symmetr.caption->setObjectName(QStringLiteral("L_Mode_SIMModeSelect"));
    HintRow(symmetr, 212);
    HintRow(simRows.AddRow(QStringLiteral("Mode_SIMRezerv"), QString(), RB_Mode_SIMRezerv), 212);
    E_Mode_SIMDelay = MakeEdit(sim, "E_Mode_SIMDelay", 3, InputFilter::Digital);
    UD_Mode_SIMDelay = MakeUpDown(sim, "UD_Mode_SIMDelay", 1, 120);
    delayRow_ = simRows.AddRow(QStringLiteral("Mode_SIMDelay"),
                               QStringLiteral("Задержка возврата на основную SIM-карту (1..120):"),
                               E_Mode_SIMDelay, 40, UD_Mode_SIMDelay, QStringLiteral(" мин."));
    HintRow(delayRow_, 213);
    CB_Mode_SIM_Master = MakeList(sim, "CB_Mode_SIM_Master", {QStringLiteral("1"), QStringLiteral("2")});
    masterRow_ = simRows.AddRow(QStringLiteral("Mode_SIM_Master"), QStringLiteral("Основная SIM-карта :"),
                                CB_Mode_SIM_Master, 57);
    HintRow(masterRow_, 214);
    int y = PlaceGroup(sim, kLeft, 4, kWidth, simRows) + 4;
    // The entering handlers light the row up (the main window); the choice
    // itself switches the reserve-only rows.
    QObject::connect(RB_Mode_SIMRezerv, &QRadioButton::toggled, RB_Mode_SIMRezerv,
                     [this](bool on) { RB_Mode_SIM_Select(on); });

    // Create_Mode_Guard
    QGroupBox* guard = MakeGroup(tab, "GB_Mode_GuardDevice",
                                 QStringLiteral("Режимы функционирования охранного прибора"), 220);
    RowLayout guardRows = GroupRows(guard, kWidth);
    CB_Mode_UnlockMode = MakeCheck(guard, "CB_Mode_UnlockMode",
                                   QStringLiteral("При снятии сначала выполняется сброс пожарных шлейфов и сирены"));
    HintRow(guardRows.AddWide(QStringLiteral("Mode_UnlockMode"), CB_Mode_UnlockMode), 221);
    CB_Mode_LockNoIP = MakeCheck(guard, "CB_Mode_LockNoIP",
                                 QStringLiteral("Запрещена постановка на охрану при отсутствии связи с пультом"));
    HintRow(guardRows.AddWide(QStringLiteral("Mode_LockNoIP"), CB_Mode_LockNoIP), 223);
    QObject::connect(CB_Mode_LockNoIP, &QCheckBox::clicked, CB_Mode_LockNoIP,
                     [this] { lockNoIPMark_ = CB_Mode_LockNoIP->isChecked(); });
    y = PlaceGroup(guard, kLeft, y, kWidth, guardRows) + 4;

    // Create_Mode_Common
    QGroupBox* common = MakeGroup(tab, "GB_Mode_Common", QStringLiteral("Общие режимы"), 230);
    RowLayout commonRows = GroupRows(common, kWidth);
    CB_Mode_LogEnable = MakeCheck(common, "CB_Mode_LogEnable", QStringLiteral("разрешено ведение LOG-файла"));
    HintRow(commonRows.AddWide(QStringLiteral("Mode_LogEnable"), CB_Mode_LogEnable), 231);
    TB_Mode_Accel = new QSlider(Qt::Horizontal, common);
    TB_Mode_Accel->setObjectName(QStringLiteral("TB_Mode_Accel"));
    TB_Mode_Accel->setRange(0, 5);
    TB_Mode_Accel->setPageStep(1);
    TB_Mode_Accel->setSingleStep(1);
    TB_Mode_Accel->setTickPosition(QSlider::TicksBelow);
    PageRow& accel = commonRows.AddRow(QStringLiteral("Mode_Accel"), QStringLiteral("Датчик удара/наклона"),
                                       TB_Mode_Accel, 150, nullptr, Qs(TrackLabel(0)));
    L_Mode_Accel_2 = accel.unit;
    HintRow(accel, 232);
    QObject::connect(TB_Mode_Accel, &QSlider::valueChanged, TB_Mode_Accel, [this](int position) {
        ModeBinding b;
        b.accel = position;
        L_Mode_Accel_2->setText(Qs(b.AccelLabel()));
    });
    CB_Mode_MasterIP = MakeList(common, "CB_Mode_MasterIP",
                                {QStringLiteral("Ethernet"), QStringLiteral("GPRS"), QStringLiteral("Радиоканал")});
    HintRow(commonRows.AddRow(QStringLiteral("Mode_MasterIP"), QStringLiteral("Тип ведущего канала"),
                              CB_Mode_MasterIP, 200),
            233);
    CB_Mode_PowerOffMode = MakeList(common, "CB_Mode_PowerOffMode",
                                    {QStringLiteral("нормально разомкнутый"), QStringLiteral("нормально замкнутый")});
    HintRow(commonRows.AddRow(QStringLiteral("Mode_PowerOffMode"),
                              QStringLiteral("Тип подключения входа \"резерв\""), CB_Mode_PowerOffMode, 200),
            234);
    CB_Mode_RuleSMS = MakeList(common, "CB_Mode_RuleSMS",
                               {QStringLiteral("запрещено"), QStringLiteral("только постановка/снятие"),
                                QStringLiteral("полное управление")});
    CB_Mode_RuleSMS->setCurrentIndex(2);
    HintRow(commonRows.AddRow(QStringLiteral("Mode_RuleSMS"), QStringLiteral("Управление при помощи SMS"),
                              CB_Mode_RuleSMS, 200),
            235);
    PlaceGroup(common, kLeft, y, kWidth, commonRows);
    StretchToBottom(common, tab, 4);
}

void ModePage::RB_Mode_SIM_Select(bool reserve) {
    EnableRow(delayRow_, reserve);
    EnableRow(masterRow_, reserve);
}

void ModePage::Show(const ModeBinding& b) {
    ShowField(E_Mode_SIM_CountConect, UD_Mode_SIM_CountConect, b.countConnect);
    (b.reserve ? RB_Mode_SIMRezerv : RB_Mode_SIMSymmetr)->setChecked(true);
    RB_Mode_SIM_Select(b.ReserveRowsEnabled());
    ShowField(E_Mode_SIMDelay, UD_Mode_SIMDelay, b.simDelay);
    CB_Mode_SIM_Master->setCurrentIndex(b.simMaster);
    CB_Mode_UnlockMode->setChecked(b.unlock);
    CB_Mode_LockNoIP->setChecked(b.lockNoIP);
    lockNoIPMark_ = b.lockMark;
    CB_Mode_LockNoIP->setEnabled(b.lockEnabled);
    CB_Mode_LogEnable->setChecked(b.log);
    CB_Mode_MasterIP->setCurrentIndex(b.masterChannel);
    CB_Mode_PowerOffMode->setCurrentIndex(b.powerOff);
    TB_Mode_Accel->setValue(b.accel);
    L_Mode_Accel_2->setText(Qs(b.AccelLabel()));
}

ModeBinding ModePage::Read() const {
    ModeBinding b;
    ReadField(E_Mode_SIM_CountConect, b.countConnect);
    b.reserve = RB_Mode_SIMRezerv->isChecked();
    ReadField(E_Mode_SIMDelay, b.simDelay);
    b.simMaster = CB_Mode_SIM_Master->currentIndex();
    b.unlock = CB_Mode_UnlockMode->isChecked();
    b.lockNoIP = CB_Mode_LockNoIP->isChecked();
    b.lockMark = lockNoIPMark_;
    b.log = CB_Mode_LogEnable->isChecked();
    b.masterChannel = CB_Mode_MasterIP->currentIndex();
    b.powerOff = CB_Mode_PowerOffMode->currentIndex();
    b.accel = TB_Mode_Accel->value();
    b.ruleSMS = CB_Mode_RuleSMS->currentIndex();
    return b;
}

void ModePage::Redraw(T_Command_DEVICE& work) {
    ModeBinding b;
    b.Redraw(work);
    Show(b);
    if (form_ == nullptr || form_->Page(PageId::SMS) == nullptr) Redraw_RuleSMS(work);
}

void ModePage::UnLoad(T_Command_DEVICE& work) { Read().UnLoad(work); }

void ModePage::Redraw_RuleSMS(const T_Command_DEVICE& work) {
    ModeBinding b;
    b.RedrawRuleSMS(work);
    CB_Mode_RuleSMS->setCurrentIndex(b.ruleSMS);
}

void ModePage::LockNoIPChannel(bool channelOn) {
    ModeBinding b = Read();
    b.LockNoIPChannel(channelOn);
    CB_Mode_LockNoIP->setChecked(b.lockNoIP);
    CB_Mode_LockNoIP->setEnabled(b.lockEnabled);
}

void ModePage::Mode_LockNoIP_GPRS_Enable(bool channelOn) { LockNoIPChannel(channelOn); }
void ModePage::Mode_LockNoIP_LAN_Enable(bool channelOn) { LockNoIPChannel(channelOn); }

ModePage* FindModePage(const TFormMain& form) { return dynamic_cast<ModePage*>(form.Page(PageId::Mode)); }

} // namespace zavro::ui
