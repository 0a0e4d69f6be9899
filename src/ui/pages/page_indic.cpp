#include "ui/pages/page_indic.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QStyledItemDelegate>

#include "format/writer.h"
#include "model/device.h"
#include "ui/grid/grid_logic.h"
#include "ui/hints.h"
#include "ui/look.h"
#include "ui/mainwindow.h"

namespace zavro::ui {

using Device = T_Command_DEVICE;

constexpr int kPartitions = 16;
const char* const kTrapAddressMask = ">000.000.000.000;0";

// ---- Binding ------------------------------------------------------------------

std::string IndicBinding::ShownAddress(const std::string& stored) {
    std::string text = stored;
    FormatCodeGroups(text, kDecimalDigits, '.', '0', 3, -12, true);
    return text;
}

std::string IndicBinding::StoredAddress(const std::string& shown) {
    std::string text = shown;
    FormatCodeGroups(text, kDecimalDigits, ',', '0', 3, -12, true);
    return text;
}

std::vector<bool> IndicBinding::SirenChecks(const std::string& cell) {
    return grid::ChecksFromText(Qs(cell), kPartitions);
}

PartSet IndicBinding::SirenParts(const std::vector<bool>& checks) {
    PartSet parts;
    for (std::size_t k = 0; k < checks.size() && k < kPartitions; ++k)
        if (checks[k]) parts.Insert(static_cast<int>(k) + 1);
    return parts;
}

void IndicBinding::Redraw(const T_Command_DEVICE& work) {
    dutyActive = work.Get_DutyDelay() > 0;
    dutyDelay.min = 1;
    dutyDelay.max = 48;
    dutyDelay.Show(dutyActive ? work.Get_DutyDelay() : Device::Limit_DutyDelay(1));
    extIndic.min = 1;
    extIndic.max = 999;
    extIndic.Show(work.Get_ExtIndicTime());
    zone = work.Get_IndicZone() >= 1 && work.Get_IndicZone() <= kPartitions ? work.Get_IndicZone() - 1 : -1;
    zummer = work.Get_ZummerVolume();
    siren.min = 0;
    siren.max = 999;
    siren.Show(work.Get_SirenTime());
    sirenParts = PartsToText(work.Get_SirenParts());
    indicMode = work.Get_IndicMode() >= 0 && work.Get_IndicMode() < 2 ? work.Get_IndicMode() : -1;
    trapEnable = work.Get_TrapEnable();
    trapAddress = ShownAddress(work.Get_TrapAddress());
    trapPort = NumberText(work.Get_TrapPort());
    trapPeriod = NumberText(work.Get_TrapPeriod());
    agentPort = NumberText(work.Get_AgentPort());
    community = ToScreen(work.Get_Community());
}

void IndicBinding::UnLoad(T_Command_DEVICE& work) const {
    if (!dutyActive) work.Set_DutyDelay(0);
    else if (auto v = NumberOf(dutyDelay.text)) work.Set_DutyDelay(*v);
    if (auto v = NumberOf(extIndic.text)) work.Set_ExtIndicTime(*v);
    work.Set_IndicZone(zone + 1);
    work.Set_ZummerVolume(zummer);
    if (auto v = NumberOf(siren.text)) work.Set_SirenTime(*v);
    if (indicMode >= 0) work.Set_IndicMode(indicMode); // no selection keeps the mode
    work.Set_TrapEnable(trapEnable);
    work.Set_TrapAddress(StoredAddress(trapAddress));
    if (auto v = NumberOf(trapPort)) work.Set_TrapPort(*v);
    if (auto v = NumberOf(trapPeriod)) work.Set_TrapPeriod(*v);
    if (auto v = NumberOf(agentPort)) work.Set_AgentPort(*v);
    work.Set_Community(FromScreen(community));
}

// ---- The siren partitions ------------------------------------------------------

namespace {

// Yellow while the grid has the focus and the cell is selected; the text
// centred, two pixels below the cell's top.
class SirenCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        const bool lit = view != nullptr && view->hasFocus() && (option.state & QStyle::State_Selected);
        p->fillRect(option.rect, lit ? FocusYellow() : WindowColor());
        p->setPen(option.palette.color(QPalette::WindowText));
        p->drawText(option.rect.adjusted(0, 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                    index.data().toString());
    }
};

} // namespace

TSirenPartsGrid::TSirenPartsGrid(QWidget* parent) : QTableWidget(1, 1, parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(22);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setItemDelegate(new SirenCellDelegate(this));
    setItem(0, 0, new QTableWidgetItem());
    setCurrentCell(0, 0);
    connect(this, &QTableWidget::cellClicked, this, [this] { if (OnEdit) OnEdit(); });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this] { if (OnEdit) OnEdit(); });
}

QSize TSirenPartsGrid::sizeHint() const { return {200, 22 + 2 * frameWidth()}; }

void TSirenPartsGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (OnEdit) OnEdit();
        return;
    }
    if (!event->text().isEmpty() && event->text().at(0).isPrint()) return; // swallowed
    QTableWidget::keyPressEvent(event);
}

void TSirenPartsGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    viewport()->update();
}

void TSirenPartsGrid::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

TPartsCheckList::TPartsCheckList(QWidget* parent) : QListWidget(parent) {
    for (int k = 1; k <= kPartitions; ++k) {
        auto* item = new QListWidgetItem(QStringLiteral("Раздел ") + QString::number(k), this);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetControlColor(this, FocusYellow());
    hide();
}

void TPartsCheckList::focusInEvent(QFocusEvent* event) {
    // Yellow whatever the window's focus colours did to it.
    SetControlColor(this, FocusYellow());
    QListWidget::focusInEvent(event);
}

TPartsCheckList::~TPartsCheckList() {
    open_ = false;
    qApp->removeEventFilter(this);
}

std::vector<bool> TPartsCheckList::Checks() const {
    std::vector<bool> checks;
    for (int k = 0; k < count(); ++k) checks.push_back(item(k)->checkState() == Qt::Checked);
    return checks;
}

void TPartsCheckList::SetChecks(const std::vector<bool>& checks) {
    for (int k = 0; k < count(); ++k)
        item(k)->setCheckState(k < static_cast<int>(checks.size()) && checks[k] ? Qt::Checked : Qt::Unchecked);
}

void TPartsCheckList::Open(QTableWidget* grid) {
    grid_ = grid;
    // Over the grid's top-left corner, as wide as the grid, eight rows high,
    // two columns of eight items.
    const int height = 8 * (grid->height() + 2);
    const QPoint corner = grid->mapTo(parentWidget(), QPoint(0, 0));
    setGeometry(corner.x() - 2, corner.y() - 2, grid->width(), height);
    const int frame = 2 * frameWidth();
    setGridSize(QSize((grid->width() - frame) / 2, (height - frame) / 8));
    grid::SetCommitFlag(true);
    raise();
    show();
    setCurrentRow(0);
    open_ = true;
    qApp->installEventFilter(this);
    setFocus(Qt::OtherFocusReason);
}

void TPartsCheckList::Exit() {
    if (!open_) return;
    open_ = false;
    qApp->removeEventFilter(this);
    if (OnExit) OnExit();
    if (grid_ != nullptr) grid_->setFocus(Qt::OtherFocusReason);
    hide();
}

void TPartsCheckList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        Exit();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void TPartsCheckList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (QListWidgetItem* it = itemAt(event->position().toPoint()))
        it->setCheckState(it->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TPartsCheckList::focusOutEvent(QFocusEvent* event) {
    QListWidget::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason) Exit();
}

bool TPartsCheckList::eventFilter(QObject* watched, QEvent* event) {
    // A press outside the open list closes it as Enter does.
    if (open_ && event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
        auto* target = static_cast<QWidget*>(watched);
        if (target != this && !isAncestorOf(target)) {
            const auto* me = static_cast<QMouseEvent*>(event);
            if (!rect().contains(mapFromGlobal(me->globalPosition().toPoint()))) Exit();
        }
    }
    return QListWidget::eventFilter(watched, event);
}

// ---- View ---------------------------------------------------------------------

namespace {
constexpr int kLeft = 8;
constexpr int kWidth = 700;

QComboBox* MakeList(QWidget* parent, const char* name) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    return list;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const QString& title, int hintKey) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    SetControlHint(group, hintKey);
    return group;
}

QSlider* MakeTrackBar(QWidget* parent, const char* name, int max) {
    auto* bar = new QSlider(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, max);
    bar->setPageStep(1);
    bar->setSingleStep(1);
    bar->setTickPosition(QSlider::TicksBelow);
    return bar;
}
} // namespace

IndicPage::~IndicPage() {
    if (PARTS_CLB != nullptr) PARTS_CLB->OnExit = nullptr;
    if (SG_Indic_Sirena_Parts != nullptr) SG_Indic_Sirena_Parts->OnEdit = nullptr;
}

void IndicPage::Create(TFormMain& form, QWidget* tab) {
    form_ = &form;

    // Create_Indic_DUTY
    QGroupBox* duty = MakeGroup(tab, "GB_Indic_DutyMode",
                                QStringLiteral("Параметры формирования сообщения \"Дежурный режим\" "), 310);
    RowLayout dutyRows = GroupRows(duty, kWidth);
    CB_Indic_DutyActive = new QCheckBox(QStringLiteral("Функция формирования сообщения активна "), duty);
    CB_Indic_DutyActive->setObjectName(QStringLiteral("CB_Indic_DutyActive"));
    PageRow& active = dutyRows.AddWide(QStringLiteral("Indic_DutyActive"), CB_Indic_DutyActive);
    active.strip->setText(QStringLiteral("     "));
    HintRow(active, 311);
    QObject::connect(CB_Indic_DutyActive, &QCheckBox::toggled, CB_Indic_DutyActive,
                     [this] { CB_Indic_DutyActiveClick(); });
    // L_Indic_DutyActive_Click: a click on the strip toggles the box (the
    // main window then focuses it as for any caption).
    struct StripClick : QObject {
        QCheckBox* box;
        StripClick(QObject* parent, QCheckBox* b) : QObject(parent), box(b) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::MouseButtonPress &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && box->isEnabled())
                box->toggle();
            return QObject::eventFilter(watched, event);
        }
    };
    active.strip->installEventFilter(new StripClick(active.strip, CB_Indic_DutyActive));
    E_Indic_DutyDelay = MakeEdit(duty, "E_Indic_DutyDelay", 2, InputFilter::Digital);
    UD_Indic_DutyDelay = MakeUpDown(duty, "UD_Indic_DutyDelay", 1, 48);
    dutyRow_ = dutyRows.AddRow(QStringLiteral("Indic_DutyDelay"),
                               QStringLiteral("Периодичность формирования сообщений (1-48) "),
                               E_Indic_DutyDelay, 40, UD_Indic_DutyDelay, QStringLiteral(" часов"));
    HintRow(dutyRow_, 312);
    int y = PlaceGroup(duty, kLeft, 4, kWidth, dutyRows) + 4;

    // Create_Indic_Guard
    QGroupBox* signal = MakeGroup(tab, "GB_Indic_SignalAndInd", QStringLiteral("Индикация и сигнализация "), 320);
    RowLayout rows = GroupRows(signal, kWidth);
    E_Indic_ExtIndic = MakeEdit(signal, "E_Indic_ExtIndic", 3, InputFilter::Digital);
    UD_Indic_ExtIndic = MakeUpDown(signal, "UD_Indic_ExtIndic", 1, 999);
    HintRow(rows.AddRow(QStringLiteral("Indic_ExtIndic"),
                        QStringLiteral("Время работы выносного индикатора  (1..999 )"), E_Indic_ExtIndic, 40,
                        UD_Indic_ExtIndic, QStringLiteral(" секунд")),
            321);
    CB_Indic_Zone = MakeList(signal, "CB_Indic_Zone");
    for (int k = 1; k <= kPartitions; ++k) CB_Indic_Zone->addItem(QStringLiteral("раздел ") + QString::number(k));
    HintRow(rows.AddRow(QStringLiteral("Indic_Zone"), QStringLiteral("Привязка выносного индикатора к разделам"),
                        CB_Indic_Zone, 120),
            322);
    // E_Indic_ZoneChange: written at once (the user's choices only).
    QObject::connect(CB_Indic_Zone, &QComboBox::activated, CB_Indic_Zone, [this](int item) {
        if (T_Command_DEVICE* work = form_->WorkDevice()) work->Set_IndicZone(item + 1);
    });
    TB_Indic_IntZummer = MakeTrackBar(signal, "TB_Indic_IntZummer", 4);
    PageRow& zummer = rows.AddRow(QStringLiteral("Indic_IntZummer"),
                                  QStringLiteral("Громкость встроенного зуммера (выкл,1..4)"), TB_Indic_IntZummer,
                                  120, nullptr, Qs(TrackLabel(0)));
    L_Indic_IntZummer_2 = zummer.unit;
    HintRow(zummer, 333);
    QObject::connect(TB_Indic_IntZummer, &QSlider::valueChanged, TB_Indic_IntZummer, [this](int position) {
        IndicBinding b;
        b.zummer = position;
        L_Indic_IntZummer_2->setText(Qs(b.ZummerLabel()));
    });
    SG_Indic_Sirena_Parts = new TSirenPartsGrid(signal);
    SG_Indic_Sirena_Parts->setObjectName(QStringLiteral("SG_Indic_Sirena_Parts"));
    PageRow& parts = rows.AddRow(QStringLiteral("Indic_Sirena_Parts"), QStringLiteral("Привязка сирены к разделам"),
                                 SG_Indic_Sirena_Parts, 200);
    HintRow(parts, 335);
    E_Indic_Sirena = MakeEdit(signal, "E_Indic_Sirena", 3, InputFilter::Digital);
    UD_Indic_Sirena = MakeUpDown(signal, "UD_Indic_Sirena", 0, 999);
    HintRow(rows.AddRow(QStringLiteral("Indic_Sirena"), QStringLiteral("Время работы сирены (1..999,  0 - выключена)"),
                        E_Indic_Sirena, 40, UD_Indic_Sirena, QStringLiteral(" секунд")),
            336);
    CB_Indic_Mode = MakeList(signal, "CB_Indic_Mode");
    CB_Indic_Mode->addItems({QStringLiteral("ВКЛЮЧЕНА ВСЕГДА"), QStringLiteral("Гашение через 30 сек.")});
    HintRow(rows.AddRow(QStringLiteral("Indic_Mode"), QStringLiteral("Режим работы индикации прибора"),
                        CB_Indic_Mode, 200),
            337);
    y = PlaceGroup(signal, kLeft, y, kWidth, rows) + 4;
    // The pop-up check list, over the grid, hidden until opened; it belongs
    // to the page so that it can reach over the groups below.
    PARTS_CLB = new TPartsCheckList(tab);
    PARTS_CLB->setObjectName(QStringLiteral("PARTS_CLB"));
    PARTS_CLB->setFont(SG_Indic_Sirena_Parts->font());
    SetControlHint(PARTS_CLB, 335);
    PARTS_CLB->OnExit = [this] { PARTS_CLB_Exit(); };
    SG_Indic_Sirena_Parts->OnEdit = [this] { SG_Indic_Sirena_Parts_Edit(); };

    // Create_Indic_SNMP: two columns.
    QGroupBox* snmp = MakeGroup(tab, "GB_SNMP", QStringLiteral("Параметры функционирования сервиса SNMP "), 350);
    const int half = kWidth / 2;
    RowLayout left = GroupRows(snmp, half);
    RowLayout right(snmp, half + 8, snmp->fontMetrics().height() + 4, half - 16);
    CB_SNMP_trap_en = new QCheckBox(QStringLiteral("Разрешена работа SNMP "), snmp);
    CB_SNMP_trap_en->setObjectName(QStringLiteral("CB_SNMP_trap_en"));
    PageRow& trapEn = left.AddWide(QStringLiteral("SNMP_trap_en"), CB_SNMP_trap_en);
    trapEn.strip->setText(QStringLiteral("     "));
    HintRow(trapEn, 351);
    E_SNMP_community = MakeEdit(snmp, "E_SNMP_community", 16, std::nullopt);
    HintRow(right.AddRow(QStringLiteral("SNMP_community"), QStringLiteral("Сообщество "), E_SNMP_community, 130),
            356);
    E_SNMP_addr_mng = new QLineEdit(snmp);
    E_SNMP_addr_mng->setObjectName(QStringLiteral("E_SNMP_addr_mng"));
    E_SNMP_addr_mng->setInputMask(QString::fromLatin1(kTrapAddressMask));
    HintRow(left.AddRow(QStringLiteral("SNMP_addr_mng"), QStringLiteral("Адрес SNMP-менеджера"), E_SNMP_addr_mng, 130),
            352);
    // The port, period and agent port are numbers: the digit filter keeps
    // anything else out of them.
    E_SNMP_port_mng = MakeEdit(snmp, "E_SNMP_port_mng", 5, InputFilter::Digital);
    HintRow(right.AddRow(QStringLiteral("SNMP_port_mng"), QStringLiteral("Порт менеджера"), E_SNMP_port_mng, 60),
            353);
    E_SNMP_trap_loop = MakeEdit(snmp, "E_SNMP_trap_loop", 5, InputFilter::Digital);
    HintRow(left.AddRow(QStringLiteral("SNMP_trap_loop"), QStringLiteral("Периодичность TRAP"), E_SNMP_trap_loop, 60,
                        nullptr, QStringLiteral("мин.")),
            354);
    E_SNMP_port_agent = MakeEdit(snmp, "E_SNMP_port_agent", 5, InputFilter::Digital);
    HintRow(right.AddRow(QStringLiteral("SNMP_port_agent"), QStringLiteral("Порт агента"), E_SNMP_port_agent, 60),
            355);
    const int rightBottom = right.Finish();
    const int leftBottom = left.Finish();
    snmp->setGeometry(kLeft, y, kWidth, std::max(leftBottom, rightBottom) + 8);
}

void IndicPage::CB_Indic_DutyActiveClick() {
    IndicBinding b;
    b.dutyActive = CB_Indic_DutyActive->isChecked();
    EnableRow(dutyRow_, b.DutyRowEnabled());
    dutyRow_.strip->setEnabled(true); // the strip belongs to the whole row, not the period
}

void IndicPage::SG_Indic_Sirena_Parts_Edit() {
    if (PARTS_CLB->IsOpen()) return;
    const std::string cell = SG_Indic_Sirena_Parts->item(0, 0)->text().toStdString();
    PARTS_CLB->SetChecks(IndicBinding::SirenChecks(cell));
    PARTS_CLB->Open(SG_Indic_Sirena_Parts);
}

void IndicPage::PARTS_CLB_Exit() {
    const PartSet parts = IndicBinding::SirenParts(PARTS_CLB->Checks());
    if (T_Command_DEVICE* work = form_->WorkDevice()) work->Set_SirenParts(parts);
    SG_Indic_Sirena_Parts->item(0, 0)->setText(Qs(PartsToText(parts)));
}

void IndicPage::Show(const IndicBinding& b) {
    CB_Indic_DutyActive->setChecked(b.dutyActive);
    CB_Indic_DutyActiveClick();
    ShowField(E_Indic_DutyDelay, UD_Indic_DutyDelay, b.dutyDelay);
    ShowField(E_Indic_ExtIndic, UD_Indic_ExtIndic, b.extIndic);
    CB_Indic_Zone->setCurrentIndex(b.zone);
    TB_Indic_IntZummer->setValue(b.zummer);
    L_Indic_IntZummer_2->setText(Qs(b.ZummerLabel()));
    ShowField(E_Indic_Sirena, UD_Indic_Sirena, b.siren);
    SG_Indic_Sirena_Parts->item(0, 0)->setText(Qs(b.sirenParts));
    CB_Indic_Mode->setCurrentIndex(b.indicMode);
    CB_SNMP_trap_en->setChecked(b.trapEnable);
    E_SNMP_addr_mng->setText(Qs(b.trapAddress));
    SetNumberText(E_SNMP_port_mng, b.trapPort);
    SetNumberText(E_SNMP_trap_loop, b.trapPeriod);
    SetNumberText(E_SNMP_port_agent, b.agentPort);
    E_SNMP_community->setText(Qs(b.community));
}

IndicBinding IndicPage::Read() const {
    IndicBinding b;
    b.dutyActive = CB_Indic_DutyActive->isChecked();
    ReadField(E_Indic_DutyDelay, b.dutyDelay);
    ReadField(E_Indic_ExtIndic, b.extIndic);
    b.zone = CB_Indic_Zone->currentIndex();
    b.zummer = TB_Indic_IntZummer->value();
    b.sirenParts = Ss(SG_Indic_Sirena_Parts->item(0, 0)->text());
    ReadField(E_Indic_Sirena, b.siren);
    b.indicMode = CB_Indic_Mode->currentIndex();
    b.trapEnable = CB_SNMP_trap_en->isChecked();
    // The shown text keeps every position; text() would drop the typed
    // zeros, since the mask's blank is "0" too.
    b.trapAddress = Ss(E_SNMP_addr_mng->displayText());
    b.trapPort = Ss(E_SNMP_port_mng->text());
    b.trapPeriod = Ss(E_SNMP_trap_loop->text());
    b.agentPort = Ss(E_SNMP_port_agent->text());
    b.community = Ss(E_SNMP_community->text());
    return b;
}

void IndicPage::Redraw(T_Command_DEVICE& work) {
    IndicBinding b;
    b.Redraw(work);
    Show(b);
}

void IndicPage::UnLoad(T_Command_DEVICE& work) { Read().UnLoad(work); }

} // namespace zavro::ui
