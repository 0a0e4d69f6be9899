#include "ui/mainwindow.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionTab>
#include <QStylePainter>

#include "documents/dialog_config.h"
#include "documents/logical_disks.h"
#include "documents/select_path_tree.h"
#include "documents/settings_store.h"
#include "documents/work_settings.h"
#include "format/lexer.h"
#include "model/cp1251.h"
#include "model/device.h"
#include "ui/dialogs/error_message.h"
#include "ui/dialogs/ok_message.h"
#include "ui/dialogs/set_key_config.h"
#include "ui/document_ops.h"
#include "ui/grid/grid_editors.h"
#include "ui/hints.h"
#include "ui/look.h"
#include "ui/resources.h"
#include "ui/row_layout.h"

namespace zavro::ui {

// ---- Command line and caption ---------------------------------------------------

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    if (arguments.empty()) return result;
    std::string first = arguments.front();
    std::string lower = first;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower == "-debug") {
        result.debug = true;
        if (arguments.size() > 1) result.startFile = arguments[1];
    } else {
        result.startFile = first;
    }
    return result;
}

QString MainCaption(const QString& fileName) {
    return QStringLiteral("Конфигуратор ЗАВРО \"Корвал IP/GPRS 16\" v.4.3.0.4   =>   ") + fileName;
}

// ---- Multi-row tab bar -------------------------------------------------------------

TMultiRowTabBar::TMultiRowTabBar(QWidget* parent) : QTabBar(parent) {
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setExpanding(false);
    setDrawBase(false);
    setMouseTracking(true);
}

int TMultiRowTabBar::LayoutWidth() const {
    if (parentWidget() != nullptr) return std::max(parentWidget()->width() - 2, 1);
    return std::max(width(), 1);
}

TMultiRowTabBar::Layout TMultiRowTabBar::Compute(int width) const {
    Layout l;
    l.rects.resize(static_cast<std::size_t>(count()));
    int rowHeight = 0;
    for (int i = 0; i < count(); ++i)
        if (isTabVisible(i)) rowHeight = std::max(rowHeight, tabSizeHint(i).height());
    int x = 0;
    int row = 0;
    bool rowEmpty = true;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i)) continue;
        const int w = tabSizeHint(i).width();
        if (!rowEmpty && x + w > width) {
            ++row;
            x = 0;
        }
        l.rects[static_cast<std::size_t>(i)] = QRect(x, row * rowHeight, w, rowHeight);
        x += w;
        rowEmpty = false;
    }
    l.rows = rowEmpty ? 0 : row + 1;
    l.height = l.rows * rowHeight;
    // As in a multi-line tab control, the row of the selected tab is the one
    // next to the page; the rows turn round to bring it there, keeping their order.
    const int current = currentIndex();
    if (l.rows > 1 && current >= 0 && isTabVisible(current)) {
        const int selectedRow = l.rects[static_cast<std::size_t>(current)].top() / rowHeight;
        const int shift = l.rows - 1 - selectedRow;
        for (int i = 0; i < count(); ++i) {
            if (!isTabVisible(i)) continue;
            QRect& r = l.rects[static_cast<std::size_t>(i)];
            const int newRow = (r.top() / rowHeight + shift) % l.rows;
            r.moveTop(newRow * rowHeight);
        }
    }
    return l;
}

int TMultiRowTabBar::TabAt(const QPoint& pos) const {
    const Layout l = Compute(LayoutWidth());
    for (int i = 0; i < count(); ++i)
        if (isTabVisible(i) && l.rects[static_cast<std::size_t>(i)].contains(pos)) return i;
    return -1;
}

QRect TMultiRowTabBar::TabRect(int index) const {
    if (index < 0 || index >= count() || !isTabVisible(index)) return {};
    return Compute(LayoutWidth()).rects[static_cast<std::size_t>(index)];
}

int TMultiRowTabBar::RowCount() const { return Compute(LayoutWidth()).rows; }

QSize TMultiRowTabBar::sizeHint() const {
    const int w = LayoutWidth();
    return {w, std::max(Compute(w).height, 1)};
}

QSize TMultiRowTabBar::minimumSizeHint() const { return sizeHint(); }

void TMultiRowTabBar::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    const Layout l = Compute(LayoutWidth());
    const int current = currentIndex();
    auto draw = [&](int i) {
        QStyleOptionTab opt;
        initStyleOption(&opt, i);
        opt.rect = l.rects[static_cast<std::size_t>(i)];
        opt.position = QStyleOptionTab::Middle;
        if (i == hover_) opt.state |= QStyle::State_MouseOver;
        else opt.state &= ~QStyle::State_MouseOver;
        p.drawControl(QStyle::CE_TabBarTab, opt);
    };
    for (int i = 0; i < count(); ++i)
        if (isTabVisible(i) && i != current) draw(i);
    if (current >= 0 && isTabVisible(current)) draw(current);
}

void TMultiRowTabBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int i = TabAt(event->position().toPoint());
    if (i >= 0 && isTabEnabled(i)) setCurrentIndex(i);
    event->accept();
}

void TMultiRowTabBar::mouseMoveEvent(QMouseEvent* event) {
    const int i = TabAt(event->position().toPoint());
    if (i != hover_) {
        hover_ = i;
        update();
    }
    event->accept();
}

void TMultiRowTabBar::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void TMultiRowTabBar::leaveEvent(QEvent* event) {
    hover_ = -1;
    update();
    QTabBar::leaveEvent(event);
}

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    bar_ = new TMultiRowTabBar(this);
    setTabBar(bar_);
}

// ---- Start-up ------------------------------------------------------------------------

TProgram::TProgram() = default;

TProgram::~TProgram() {
    // The dialogs go before the main window, the configurations last.
    FormSelectPathTree.reset();
    FormDialogSetKeyConfig.reset();
    DialogConfig.reset();
    FormOkMessage.reset();
    FormErrorMessage.reset();
    FormLogicalDisks.reset();
    FormMain.reset();
}

std::unique_ptr<TProgram> StartProgram(const std::vector<std::string>& arguments,
                                       PageRegistry pages) {
    auto program = std::make_unique<TProgram>();
    // 1. The program's folder.
    InitProgramPath(ParamWork);
    // 2. The windows, the main window first (its creation builds the pages).
    program->FormMain = std::make_unique<TFormMain>(std::move(pages));
    program->HintWindow = HintManager::Install();
    program->FormLogicalDisks = std::make_unique<TFormLogicalDisks>();
    program->FormErrorMessage = std::make_unique<TFormErrorMessage>();
    program->FormOkMessage = std::make_unique<TFormOkMessage>();
    program->DialogConfig = std::make_unique<TDialogConfig>(ParamWork);
    program->FormDialogSetKeyConfig = std::make_unique<TFormDialogSetKeyConfig>();
    program->FormSelectPathTree = std::make_unique<TFormSelectPathTree>();
    program->DialogConfig->SetFolderChooser(program->FormSelectPathTree.get());
    // 3. The lexer.
    program->LexPipe = std::make_unique<TLexPipe>();
    program->Lexema = std::make_unique<TLexema>();
    // 4. The two configurations.
    program->WorkDevice = std::make_unique<T_Command_DEVICE>();
    program->ProbeDevice = std::make_unique<T_Command_DEVICE>();
    // 5. The random generator, seeded from the clock.
    const auto seed = static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    program->Random.seed(seed);
    std::srand(seed);
    // 6. Hint timing: shown after 1000 ms at rest, kept until the mouse
    // leaves the control (the hint manager's own timing).
    program->StartCommandLine = ParseCommandLine(arguments);
    program->FormMain->SetCommandLine(program->StartCommandLine);
    program->FormMain->AttachProgram(program.get());
    return program;
}

// ---- The main window -------------------------------------------------------------------

namespace {

constexpr const char* kPageProperty = "zavroPage";         // int: page of a bound control
constexpr const char* kBoundProperty = "zavroBound";       // bool: bound to the conventions
constexpr const char* kPasswordProperty = "zavroPassword"; // bool: exit is Event_PassExit

struct TabRow {
    const char* name;
    const char* caption;
    int hintKey;
};

constexpr TabRow kTabs[kEditorPageCount] = {
    {"Tab_Common", "Общие", 100},    {"Tab_Mode", "Режимы", 200},
    {"Tab_Indic", "Индикация", 300}, {"Tab_Shleifs", "Шлейфы", 500},
    {"Tab_Rele", "Реле", 600},       {"Tab_Keys", "Ключи", 700},
    {"Tab_SMS", "SMS", 800},         {"Tab_SMSK", "SMS-К", 900},
    {"Tab_GSM", "GSM-дозвон", 1000}, {"Tab_ZV4", "IP/UDP", 1100},
    {"Tab_GPRS", "GPRS", 1200},      {"Tab_LAN", "Ethernet", 1300},
    {"Tab_485", "Расширения", 1400},
};

constexpr PageId kRedrawOrder[] = {PageId::Common, PageId::Mode, PageId::Indic, PageId::Shleifs,
                                   PageId::Rele,   PageId::Keys, PageId::SMS,   PageId::SMSK,
                                   PageId::GSM,    PageId::ZV4,  PageId::GPRS,  PageId::LAN,
                                   PageId::P485};
constexpr PageId kUnLoadOrder[] = {PageId::Mode, PageId::Indic, PageId::Shleifs, PageId::Rele,
                                   PageId::Keys, PageId::SMS,   PageId::SMSK,    PageId::GSM,
                                   PageId::ZV4,  PageId::GPRS,  PageId::Common,  PageId::LAN,
                                   PageId::P485};

bool IsInputControl(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w) ||
           qobject_cast<const QSlider*>(w) || qobject_cast<const QAbstractItemView*>(w);
}

} // namespace

TFormMain::TFormMain(PageRegistry pages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      pages_(std::move(pages)) {
    setObjectName(QStringLiteral("FormMain"));
    InitUiResources();
    setFixedSize(kClientWidth, kClientHeight);
    setWindowTitle(MainCaption(QString()));
    FormCreate();
}

TFormMain::~TFormMain() { FormDestroy(); }

void TFormMain::AttachProgram(TProgram* program) {
    program_ = program;
    grid::SG_Set_Device(WorkDevice());
    if (program_ == nullptr || documents_ != nullptr) return;
    documents_ = new TDocuments(*this);
    TDocuments* d = documents_;
    if (!OnOpen) OnOpen = [d] { d->B_OpenClick(); };
    if (!OnSave) OnSave = [d] { d->B_SaveClick(); };
    if (!OnSaveToDevice) OnSaveToDevice = [d] { d->B_SaveToDeviceClick(); };
    if (!OnDefault) OnDefault = [d] { d->B_DefaultClick(); };
    if (!OnOpenList) OnOpenList = [d] { d->ListFileConfigDblClick(); };
    if (!OnOpenDirectly) OnOpenDirectly = [d] { d->B_OpenDirectlyClick(); };
    if (!OnOpenStartFile) OnOpenStartFile = [d] { d->FormShowOpen(); };
}

T_Command_DEVICE* TFormMain::WorkDevice() const {
    return program_ != nullptr ? program_->WorkDevice.get() : nullptr;
}

BitBtn* TFormMain::MakeButton(const char* name, int tag, int hintKey, void (TFormMain::*click)()) {
    auto* b = new BitBtn(CaptionText(CaptionsMain(), std::abs(tag)), tag, GlyphLayout::Top, this);
    b->setObjectName(QString::fromLatin1(name));
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    f.setItalic(true);
    b->setFont(f);
    if (hintKey > 0) SetControlHint(b, hintKey);
    b->installEventFilter(this);
    b->setProperty(kBoundProperty, true);
    connect(b, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    return b;
}

void TFormMain::FormCreate() {
    // 1. The scratch command of the reader.
    scratch_ = T_Command();
    // 2. The work settings; hints shown unless hidden by them.
    LoadWorkSettings(ParamWork);
    SetApplicationHintsEnabled(!ParamWork.HideHint);

    PagesParam = new TPageControl(this);
    PagesParam->setObjectName(QStringLiteral("PagesParam"));
    PagesParam->setGeometry(6, 4, 724, 441);
    QFont tabFont(QStringLiteral("Arial"));
    tabFont.setPixelSize(11);
    PagesParam->setFont(tabFont);
    for (int i = 0; i < kEditorPageCount; ++i) {
        auto* tab = new QWidget();
        tab->setObjectName(QString::fromLatin1(kTabs[i].name));
        PagesParam->addTab(tab, QString::fromUtf8(kTabs[i].caption));
        SetControlHint(tab, kTabs[i].hintKey);
        Tabs[static_cast<std::size_t>(i)] = tab;
    }
    TabDebug = new QWidget();
    TabDebug->setObjectName(QStringLiteral("TabDebug"));
    L_Memo1 = new QLabel(QStringLiteral("Текстовый файл конфигурации:"), TabDebug);
    L_Memo1->setObjectName(QStringLiteral("L_Memo1"));
    Memo1 = new QPlainTextEdit(TabDebug);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    PagesParam->addTab(TabDebug, QStringLiteral("Текст"));
    PagesParam->setTabVisible(PagesParam->indexOf(TabDebug), false);
    PagesParam->setCurrentIndex(0);
    // Hidden until the window is first shown.
    PagesParam->hide();
    const QRect area = PagesParam->contentsRect();
    L_Memo1->setGeometry(8, 6, 400, 16);
    Memo1->setGeometry(8, 24, area.width() - 24, 441 - 100);
    connect(PagesParam, &QTabWidget::currentChanged, this, [this](int index) {
        if (auto page = PageOf(PagesParam->widget(index))) Tab_Show(*page);
    });

    CreateButtons();
    // 3. The list of configurations (list mode).
    CreateListMode();

    // The cell message and its timer.
    ST_MessText = new QLabel(this);
    ST_MessText->setObjectName(QStringLiteral("ST_MessText"));
    ST_MessText->setAutoFillBackground(true);
    {
        QPalette pal = ST_MessText->palette();
        pal.setColor(QPalette::Window, Red());
        ST_MessText->setPalette(pal);
    }
    ST_MessText->setAlignment(Qt::AlignCenter);
    ST_MessText->hide();
    T_HideToolTip = new QTimer(this);
    T_HideToolTip->setObjectName(QStringLiteral("T_HideToolTip"));
    T_HideToolTip->setInterval(1800);
    connect(T_HideToolTip, &QTimer::timeout, this, &TFormMain::T_HideToolTipTimer);
    grid::SG_Set_MessageHider([this] {
        if (ST_MessText->isVisible()) T_HideToolTipTimer();
    });

    // The status line: the top 20 pixels of the "Общие" page are left to it.
    StaticTextStatus = new QLabel(QStringLiteral("Конфигурация \"по-умолчанию\""), Tab(PageId::Common));
    StaticTextStatus->setObjectName(QStringLiteral("StaticTextStatus"));
    {
        QFont f(QStringLiteral("Arial"));
        f.setBold(true);
        f.setItalic(true);
        f.setPixelSize(13);
        StaticTextStatus->setFont(f);
        StaticTextStatus->setGeometry(4, 1, 703, 18);
        StaticTextStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        SetTextColor(StaticTextStatus, Green());
        // A static text: clicks go to what lies below it.
        StaticTextStatus->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    // 5. The Create steps.
    CreatePages();
    StaticTextStatus->raise();

    // Centred on the desktop.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(kClientWidth / 2, kClientHeight / 2));
    }
}

void TFormMain::CreateButtons() {
    // 4. Hint keys of the buttons; tags select their captions.
    B_Open = MakeButton("B_Open", 1, 10, &TFormMain::B_OpenClick);
    B_Print = MakeButton("B_Print", 2, 11, &TFormMain::B_PrintClick);
    B_SaveToDevice = MakeButton("B_SaveToDevice", 3, 12, &TFormMain::B_SaveToDeviceClick);
    B_Save = MakeButton("B_Save", 4, 13, &TFormMain::B_SaveClick);
    B_Default = MakeButton("B_Default", 6, 14, &TFormMain::B_DefaultClick);
    B_Config = MakeButton("B_Config", 7, 15, &TFormMain::B_ConfigClick);
    BitBtn* const row[] = {B_Open, B_Print, B_SaveToDevice, B_Save, B_Default, B_Config};
    constexpr int kGap = 4;
    constexpr int kWidth = (724 - 5 * kGap) / 6;
    for (int i = 0; i < 6; ++i) row[i]->setGeometry(6 + i * (kWidth + kGap), 449, kWidth, 61);
    // Tab order: the buttons from left to right, then the pages.
    for (int i = 0; i + 1 < 6; ++i) setTabOrder(row[i], row[i + 1]);
    setTabOrder(B_Config, PagesParam);
}

void TFormMain::CreateListMode() {
    ListFileConfig = new QTreeWidget(this);
    ListFileConfig->setObjectName(QStringLiteral("ListFileConfig"));
    ListFileConfig->setGeometry(6, 4, 724, 444);
    ListFileConfig->setColumnCount(4);
    ListFileConfig->setHeaderLabels(
        {QString(), QStringLiteral("Псевдоним"), QStringLiteral("Идентификатор"), QStringLiteral("Файл")});
    ListFileConfig->setRootIsDecorated(false);
    ListFileConfig->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListFileConfig->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QHeaderView* header = ListFileConfig->header();
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(10);
    const int widths[4] = {25, 140, 185, 780};
    for (int c = 0; c < 4; ++c) {
        header->resizeSection(c, widths[c]);
        // The user cannot drag the column borders.
        header->setSectionResizeMode(c, QHeaderView::Fixed);
    }
    header->setSectionsMovable(false);
    SetControlHint(ListFileConfig, 16);
    ListFileConfig->hide();

    LabelPozList = new QLabel(QStringLiteral("0 из 0"), this);
    LabelPozList->setObjectName(QStringLiteral("LabelPozList"));
    QFont pozFont(QStringLiteral("Arial"));
    pozFont.setBold(true);
    pozFont.setPixelSize(24);
    LabelPozList->setFont(pozFont);
    LabelPozList->setAlignment(Qt::AlignCenter);
    LabelPozList->setGeometry(250, 449, 237, 61);
    LabelPozList->hide();

    B_CancelOpenList = MakeButton("B_CancelOpenList", 8, 0, &TFormMain::B_CancelOpenListClick);
    B_OpenLIst = MakeButton("B_OpenLIst", 9, 0, &TFormMain::B_OpenLIstClick);
    B_OpenDirectly = MakeButton("B_OpenDirectly", 10, 0, &TFormMain::B_OpenDirectlyClick);
    B_CancelOpenList->setGeometry(6, 449, 160, 61);
    B_OpenLIst->setGeometry(491, 449, 117, 61);
    B_OpenDirectly->setGeometry(612, 449, 118, 61);
    B_CancelOpenList->hide();
    B_OpenLIst->hide();
    B_OpenDirectly->hide();

    TimerTestListConfig = new QTimer(this);
    TimerTestListConfig->setObjectName(QStringLiteral("TimerTestListConfig"));
    TimerTestListConfig->setInterval(50);

    LB_1Wire = new QListWidget(this);
    LB_1Wire->setObjectName(QStringLiteral("LB_1Wire"));
    LB_1Wire->hide();
}

void TFormMain::CreatePages() {
    for (PageId id : kRedrawOrder) {
        if (EditorPage* page = pages_.Page(id)) {
            page->Create(*this, Tab(id));
            BindPage(id);
        }
    }
}

void TFormMain::FormDestroy() {
    // The key reader is closed by its own unit; the list needs no unhooking
    // (its header refuses dragging by its resize mode).
    grid::SG_Set_MessageHider(nullptr);
    grid::SG_Set_Device(nullptr);
}

std::optional<PageId> TFormMain::PageOf(const QWidget* tab) const {
    for (int i = 0; i < kEditorPageCount; ++i)
        if (Tabs[static_cast<std::size_t>(i)] == tab) return static_cast<PageId>(i);
    return std::nullopt;
}

void TFormMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
    emit firstShown();
}

void TFormMain::FormShow() {
    // 1. The defaults (the status line is set by the documents' work).
    if (T_Command_DEVICE* work = WorkDevice()) work->SetDefaults();
    // 2.-3. The text page only with "-debug".
    PagesParam->setTabVisible(PagesParam->indexOf(TabDebug), commandLine_.debug);
    // 4.-8. The start file and the caption naming it; without the
    // documents the defaults are shown.
    if (OnOpenStartFile) {
        OnOpenStartFile();
    } else {
        Redraw_All();
        setWindowTitle(MainCaption(QString()));
    }
    // 9. The pages, the hint handler, the glyphs.
    PagesParam->show();
    // The hints of the tab and grid column under the pointer are given to
    // the tab bar and the grids' areas as the mouse moves over them; the
    // hint window reads them again every 1000 ms while the mouse rests.
    HintManager::Install();
    PagesParam->Bar()->installEventFilter(this);
    for (QTableWidget* grid : PagesParam->findChildren<QTableWidget*>()) {
        grid->viewport()->setMouseTracking(true);
        grid->viewport()->installEventFilter(this);
        grid->horizontalHeader()->setMouseTracking(true);
        grid->horizontalHeader()->installEventFilter(this);
    }
    PaintFormButtons(this, ImagesMain(), CaptionsMain());
    if (auto page = PageOf(PagesParam->currentWidget())) Tab_Show(*page);
}

// ---- Buttons -----------------------------------------------------------------------------

void TFormMain::B_OpenClick() {
    if (OnOpen) OnOpen();
}
void TFormMain::B_PrintClick() {
    if (OnPrint) OnPrint();
}
void TFormMain::B_SaveToDeviceClick() {
    if (OnSaveToDevice) OnSaveToDevice();
}
void TFormMain::B_SaveClick() {
    if (OnSave) OnSave();
}
void TFormMain::B_DefaultClick() {
    if (OnDefault) OnDefault();
}

void TFormMain::B_CancelOpenListClick() {
    ListFileConfig->hide();
    ButtonVisible(true);
}
void TFormMain::B_OpenLIstClick() {
    if (OnOpenList) OnOpenList();
}
void TFormMain::B_OpenDirectlyClick() {
    if (OnOpenDirectly) OnOpenDirectly();
}

void TFormMain::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        B_CancelOpenList->isVisible()) {
        B_CancelOpenListClick();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TFormMain::B_ConfigClick() {
    TDialogConfig* dialog = program_ != nullptr ? program_->DialogConfig.get() : nullptr;
    if (dialog == nullptr) {
        if (!ownDialogConfig_) ownDialogConfig_ = std::make_unique<TDialogConfig>(ParamWork);
        dialog = ownDialogConfig_.get();
    }
    dialog->ShowModal();
}

void TFormMain::ButtonVisible(bool normal) {
    for (BitBtn* b : {B_Open, B_Print, B_Save, B_Default, B_Config}) b->setVisible(normal);
    PagesParam->setVisible(normal);
    // A read-only configuration keeps "В устройство..." hidden.
    if (B_SaveToDevice->isEnabled()) B_SaveToDevice->setVisible(normal);
    B_CancelOpenList->setVisible(!normal);
    B_OpenLIst->setVisible(!normal);
    B_OpenDirectly->setVisible(!normal);
    LabelPozList->setVisible(!normal);
    if (normal) TimerTestListConfig->stop();
    else TimerTestListConfig->start();
}

// ---- Highlighting -------------------------------------------------------------------------

void TFormMain::Event_Enter(QWidget* control) {
    if (control == nullptr) return;
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() == control) SetFocusColor(label, kFocusEntered);
    SetFocusColor(control, kFocusEntered);
}

void TFormMain::Event_Exit(QWidget* control) {
    // Every caption of the window goes back to normal, not only the
    // control's own. Static texts (no focus control) are never lit, so
    // they keep the colours their pages give them.
    for (QLabel* label : findChildren<QLabel*>())
        if (label->buddy() != nullptr) SetFocusColor(label, kFocusLeft);
    if (control != nullptr) SetFocusColor(control, kFocusLeft);
}

void TFormMain::Event_PassExit(QLineEdit* edit) {
    if (edit != nullptr) edit->setEchoMode(QLineEdit::Password);
    Event_Exit(edit);
}

void TFormMain::Event_LabelClick(QLabel* label) {
    QWidget* control = label != nullptr ? label->buddy() : nullptr;
    if (control != nullptr && control->isEnabled() && control->isVisible())
        control->setFocus(Qt::MouseFocusReason);
}

void TFormMain::Event_UpDownMouseDown(TUpDown* upDown) {
    if (upDown == nullptr || upDown->Associate() == nullptr) return;
    QLineEdit* edit = upDown->Associate();
    if (edit->isEnabled() && edit->isVisible()) edit->setFocus(Qt::MouseFocusReason);
}

void TFormMain::Event_EnterPage(PageId page, QWidget* control) {
    last_[static_cast<std::size_t>(page)] = control;
    // Keys and passwords of these pages are readable while being edited.
    if (page == PageId::Common || page == PageId::ZV4)
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setEchoMode(QLineEdit::Normal);
    Event_Enter(control);
}

void TFormMain::Event_ButtonEnter(QWidget* button) {
    auto* b = qobject_cast<BitBtn*>(button);
    if (b == nullptr || b->Tag() == 0) return;
    PaintButtonFocused(b, ImagesMain(), CaptionText(CaptionsMain(), std::abs(b->Tag())));
}

void TFormMain::Event_ButtonExit(QWidget* button) {
    auto* b = qobject_cast<BitBtn*>(button);
    if (b == nullptr || b->Tag() == 0) return;
    PaintButtonNormal(b, ImagesMain(), CaptionText(CaptionsMain(), std::abs(b->Tag())));
}

void TFormMain::Event_ButtonEnterKEY(QWidget* button) {
    last_[static_cast<std::size_t>(PageId::Keys)] = button;
    Event_ButtonEnter(button);
}

void TFormMain::Event_ButtonEnterZV4(QWidget* button) {
    last_[static_cast<std::size_t>(PageId::ZV4)] = button;
    Event_ButtonEnter(button);
}

// ---- Binding --------------------------------------------------------------------------------

void TFormMain::BindControl(QWidget* control, std::optional<PageId> page, bool password) {
    if (control == nullptr) return;
    control->setProperty(kBoundProperty, true);
    control->setProperty(kPageProperty, page ? static_cast<int>(*page) : -1);
    control->setProperty(kPasswordProperty, password);
    control->installEventFilter(this);
    // Bound once: the property above keeps BindPage from binding it again.
    if (auto* ud = qobject_cast<TUpDown*>(control))
        connect(ud, &TUpDown::pressedDown, this, [this, ud] { Event_UpDownMouseDown(ud); });
}

void TFormMain::BindPage(PageId page) {
    QWidget* tab = Tab(page);
    for (QWidget* w : tab->findChildren<QWidget*>()) {
        if (w->property(kBoundProperty).toBool()) continue;
        if (w->window() != window()) continue;              // pop-up lists
        if (dynamic_cast<grid::GridEditor*>(w) != nullptr) continue; // in-place editors
        if (qobject_cast<QLabel*>(w) != nullptr) {
            if (static_cast<QLabel*>(w)->buddy() != nullptr) BindControl(w, page);
        } else if (qobject_cast<TUpDown*>(w) != nullptr || qobject_cast<BitBtn*>(w) != nullptr) {
            BindControl(w, page);
        } else if (IsInputControl(w)) {
            // The inner widgets of a combo box or a view are not controls.
            QWidget* p = w->parentWidget();
            bool inner = false;
            for (; p != nullptr && p != tab; p = p->parentWidget())
                if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractItemView*>(p)) inner = true;
            if (!inner) BindControl(w, page);
        }
    }
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w != nullptr && event->type() == QEvent::MouseMove && !w->property(kBoundProperty).toBool()) {
        w->setToolTip(My_onShowHint(w, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return QWidget::eventFilter(watched, event);
    }
    if (w == nullptr || !w->property(kBoundProperty).toBool())
        return QWidget::eventFilter(watched, event);
    const int pageNumber = w->property(kPageProperty).isValid() ? w->property(kPageProperty).toInt() : -1;
    const std::optional<PageId> page =
        pageNumber >= 0 ? std::optional<PageId>(static_cast<PageId>(pageNumber)) : std::nullopt;

    if (auto* b = qobject_cast<BitBtn*>(w)) {
        if (event->type() == QEvent::FocusIn) {
            if (page == PageId::Keys) Event_ButtonEnterKEY(b);
            else if (page == PageId::ZV4) Event_ButtonEnterZV4(b);
            else Event_ButtonEnter(b);
        } else if (event->type() == QEvent::FocusOut) {
            Event_ButtonExit(b);
        }
        return QWidget::eventFilter(watched, event);
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Event_LabelClick(label);
        }
        return QWidget::eventFilter(watched, event);
    }
    if (qobject_cast<TUpDown*>(w) != nullptr) return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::FocusIn) {
        if (page) Event_EnterPage(*page, w);
        else Event_Enter(w);
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A pop-up (a drop-down list, a menu) is not leaving the control.
        if (reason != Qt::PopupFocusReason) {
            if (w->property(kPasswordProperty).toBool()) Event_PassExit(qobject_cast<QLineEdit*>(w));
            else Event_Exit(w);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// ---- Pages --------------------------------------------------------------------------------------

QWidget* TFormMain::LastControl(PageId page) const { return last_[static_cast<std::size_t>(page)]; }

void TFormMain::Tab_Show(PageId page) {
    QPointer<QWidget>& last = last_[static_cast<std::size_t>(page)];
    if (last.isNull()) return;
    QWidget* tab = Tab(page);
    const auto* radio = qobject_cast<QRadioButton*>(last.data());
    const bool keep = last->isEnabled() && last->isVisibleTo(tab) && (radio == nullptr || radio->isChecked());
    if (!keep) {
        // The toolkit gives a page's focus back to the child focused last;
        // a forgotten control does not keep it.
        QWidget* forgotten = last;
        last = nullptr;
        if (forgotten->hasFocus()) {
            for (QWidget* next = forgotten->nextInFocusChain(); next != forgotten; next = next->nextInFocusChain()) {
                if (tab->isAncestorOf(next) && next->isEnabled() && next->isVisibleTo(tab) &&
                    (next->focusPolicy() & Qt::TabFocus) != 0 &&
                    qobject_cast<TUpDown*>(next) == nullptr) {
                    if (auto* r = qobject_cast<QRadioButton*>(next); r != nullptr && !r->isChecked()) continue;
                    next->setFocus(Qt::OtherFocusReason);
                    break;
                }
            }
        }
        return;
    }
    last->setFocus(Qt::OtherFocusReason);
}

void TFormMain::GotoItem(QWidget* page, QWidget* control) {
    const int target = PagesParam->indexOf(page);
    // A hidden page is never reached by the page control: nothing is done
    // for it rather than turning the pages for ever.
    if (target < 0 || !PagesParam->isTabVisible(target)) return;
    const int n = PagesParam->count();
    while (PagesParam->currentIndex() != target) {
        int next = PagesParam->currentIndex();
        do {
            next = (next + 1) % n;
        } while (!PagesParam->isTabVisible(next));
        PagesParam->setCurrentIndex(next);
    }
    if (control != nullptr) control->setFocus(Qt::OtherFocusReason);
}

bool TFormMain::GotoItem(const std::string& page, const std::string& control, int row, int column) {
    QWidget* tab = nullptr;
    for (int i = 0; i < PagesParam->count(); ++i)
        if (PagesParam->widget(i)->objectName().toStdString() == page) tab = PagesParam->widget(i);
    if (tab == nullptr) return false;
    QWidget* target = nullptr;
    if (!control.empty()) {
        target = tab->findChild<QWidget*>(QString::fromStdString(control));
        if (target == nullptr) return false;
    }
    if (auto* grid = qobject_cast<QTableWidget*>(target); grid != nullptr && row > 0)
        grid->setCurrentCell(row, column);
    GotoItem(tab, target);
    return true;
}

void TFormMain::Redraw_All() {
    T_Command_DEVICE* work = WorkDevice();
    if (work == nullptr) return;
    for (PageId id : kRedrawOrder)
        if (EditorPage* page = pages_.Page(id)) page->Redraw(*work);
}

void TFormMain::UnLoad_All() {
    T_Command_DEVICE* work = WorkDevice();
    if (work == nullptr) return;
    for (PageId id : kUnLoadOrder)
        if (EditorPage* page = pages_.Page(id)) page->UnLoad(*work);
}

void TFormMain::RedrawPage(PageId id) {
    T_Command_DEVICE* work = WorkDevice();
    if (EditorPage* page = pages_.Page(id); page != nullptr && work != nullptr) page->Redraw(*work);
}

bool TFormMain::RedrawPage(const std::string& pageName) {
    for (int i = 0; i < kEditorPageCount; ++i) {
        if (kTabs[i].name == pageName) {
            RedrawPage(static_cast<PageId>(i));
            return true;
        }
    }
    return false;
}

// ---- Hints and the cell message -----------------------------------------------------------------

QString TFormMain::My_onShowHint(QWidget* control, QPoint localPos) const {
    if (control == nullptr) return {};
    if (control == PagesParam->Bar()) {
        const int i = PagesParam->Bar()->TabAt(localPos);
        return i >= 0 ? PagesParam->widget(i)->toolTip() : QString();
    }
    // A grid: the hint of the editor of the column under the pointer.
    QTableWidget* grid = nullptr;
    int column = -1;
    if (auto* g = qobject_cast<QTableWidget*>(control->parentWidget()); g != nullptr && control == g->viewport()) {
        grid = g;
        column = g->columnAt(localPos.x());
    } else if (auto* header = qobject_cast<QHeaderView*>(control);
               header != nullptr && header->orientation() == Qt::Horizontal) {
        grid = qobject_cast<QTableWidget*>(header->parentWidget());
        column = header->logicalIndexAt(localPos.x());
    }
    if (grid != nullptr && column >= 0) {
        if (grid::GridEditor* editor = grid::SG_Column_Editor(grid, column)) return editor->Widget()->toolTip();
    }
    return {};
}

void TFormMain::ShowCellMessage(QTableWidget* grid, int row, int column, const QString& text) {
    if (grid == nullptr) return;
    QWidget* parent = grid->parentWidget() != nullptr ? grid->parentWidget() : this;
    if (ST_MessText->parentWidget() != parent) ST_MessText->setParent(parent);
    QRect cell = grid->visualRect(grid->model()->index(row, column));
    cell.moveTopLeft(parent->mapFromGlobal(grid->viewport()->mapToGlobal(cell.topLeft())) + QPoint(1, 1));
    QFont f = grid->font();
    if (f.pointSizeF() > 1) f.setPointSizeF(f.pointSizeF() - 1);
    ST_MessText->setFont(f);
    ST_MessText->setText(text);
    ST_MessText->setGeometry(cell);
    ST_MessText->show();
    ST_MessText->raise();
    T_HideToolTip->setInterval(kMessageMs);
    T_HideToolTip->start();
}

void TFormMain::T_HideToolTipTimer() {
    T_HideToolTip->stop();
    ST_MessText->hide();
}

void TFormMain::SetMemoText(const std::string& cp1251) {
    memo_ = cp1251;
    Memo1->setPlainText(QString::fromStdString(Cp1251ToUtf8(cp1251)));
}

} // namespace zavro::ui
