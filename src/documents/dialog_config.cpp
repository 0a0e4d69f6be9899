#include "documents/dialog_config.h"

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include "documents/mask.h"
#include "documents/select_path_tree.h"
#include "documents/settings_store.h"
#include "ui/filters.h"
#include "ui/hints.h"
#include "ui/look.h"
#include "ui/resources.h"

namespace zavro {

namespace {

constexpr int kPortLength = 3;
constexpr int kSavePathLength = 16;
constexpr int kMaskTextLength = 10;
constexpr int kDelimiterLength = 1;

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string S(const QString& text) { return text.toStdString(); }

} // namespace

TDialogConfig::TDialogConfig(TParamWork& work, QWidget* parent)
    : ui::LookDialog(ui::ImagesDialogConfig(), ui::CaptionsDialogConfig(), parent,
                     Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      work_(work) {
    setWindowTitle(QStringLiteral("Параметры работы"));

    CB_HideHint = new QCheckBox(QStringLiteral("Скрыть всплывающие подсказки"), this);
    L_PortTM = new QLabel(QStringLiteral("COM-порт iButton:"), this);
    ME_PortTM = new QLineEdit(this);
    ME_PortTM->setFixedWidth(48);
    L_OpenMode = new QLabel(QStringLiteral("Режим открытия/сохранения :"), this);
    RB_OpenNormal = new QRadioButton(QStringLiteral("обычный"), this);
    RB_OpenList = new QRadioButton(QStringLiteral("список "), this);
    auto* openGroup = new QButtonGroup(this);
    openGroup->addButton(RB_OpenNormal);
    openGroup->addButton(RB_OpenList);
    L_SavePath = new QLabel(QStringLiteral("Каталог сохранения файлов:"), this);
    E_SavePath = new QLineEdit(this);
    B_SavePath = new ui::BitBtn(QString(), 3, ui::GlyphLayout::Top, this);
    B_SavePath->setFixedSize(40, 34);
    CB_SaveMask =
        new QCheckBox(QStringLiteral("При сохранении формировать имя файла по маске :"), this);

    GB_SaveMask = new ui::CaptionGroupBox(QStringLiteral("Пораметры формирования имени файла"), this);
    L_MaskPref = new QLabel(QStringLiteral("Префикс:"), GB_SaveMask);
    E_MaskPref = new QLineEdit(GB_SaveMask);
    L_MaskSuff = new QLabel(QStringLiteral("Постфикс:"), GB_SaveMask);
    E_MaskSuff = new QLineEdit(GB_SaveMask);
    for (int i = 0; i < 3; ++i) {
        L_MaskDelimiter[i] =
            new QLabel(QStringLiteral("Разделитель №%1:").arg(i + 1), GB_SaveMask);
        E_MaskDelimiter[i] = new QLineEdit(GB_SaveMask);
        E_MaskDelimiter[i]->setFixedWidth(32);
    }
    const char* kindNames[5] = {"Пусто", "Префикс", "Псевдоним", "Идентификатор", "Постфикс"};
    for (int n = 0; n < 4; ++n) {
        GB_Mask[n] = new ui::CaptionGroupBox(QStringLiteral("Элемент №%1").arg(n + 1), GB_SaveMask);
        maskGroups_[n] = new QButtonGroup(this);
        auto* column = new QVBoxLayout(GB_Mask[n]);
        for (int kind = 0; kind < 5; ++kind) {
            RB_Mask[n][kind] = new QRadioButton(QString::fromUtf8(kindNames[kind]), GB_Mask[n]);
            maskGroups_[n]->addButton(RB_Mask[n][kind], kind);
            column->addWidget(RB_Mask[n][kind]);
        }
    }
    L_Example = new QLabel(QStringLiteral("Пример формирования имени файла по маске:"), GB_SaveMask);
    ST_Example = new QLabel(GB_SaveMask);
    ST_Example->setTextFormat(Qt::PlainText);
    ST_Example->setFrameShape(QFrame::StyledPanel);
    {
        QFont f = ST_Example->font();
        f.setBold(true);
        ST_Example->setFont(f);
    }

    B_OK = new ui::BitBtn(QStringLiteral("Применить"), 2, ui::GlyphLayout::Left, this);
    B_OK->setFixedSize(160, 42);
    B_OK->setDefault(true);
    B_Cancel = new ui::BitBtn(QStringLiteral("Отказаться"), 1, ui::GlyphLayout::Left, this);
    B_Cancel->setFixedSize(160, 42);
    B_Cancel->SetModalResult(ui::mrCancel);
    SetCancelButton(B_Cancel);

    // Layout.
    auto* top = new QGridLayout();
    top->addWidget(CB_HideHint, 0, 0, 1, 4);
    top->addWidget(L_PortTM, 1, 0);
    top->addWidget(ME_PortTM, 1, 1, Qt::AlignLeft);
    top->addWidget(L_OpenMode, 2, 0);
    auto* modes = new QHBoxLayout();
    modes->addWidget(RB_OpenNormal);
    modes->addWidget(RB_OpenList);
    modes->addStretch();
    top->addLayout(modes, 2, 1, 1, 3);
    top->addWidget(L_SavePath, 3, 0);
    top->addWidget(E_SavePath, 3, 1, 1, 2);
    top->addWidget(B_SavePath, 3, 3);
    top->addWidget(CB_SaveMask, 4, 0, 1, 4);

    auto* maskLayout = new QGridLayout(GB_SaveMask);
    maskLayout->addWidget(L_MaskPref, 0, 0);
    maskLayout->addWidget(E_MaskPref, 0, 1);
    maskLayout->addWidget(L_MaskSuff, 0, 2);
    maskLayout->addWidget(E_MaskSuff, 0, 3);
    auto* delimiters = new QHBoxLayout();
    for (int i = 0; i < 3; ++i) {
        delimiters->addWidget(L_MaskDelimiter[i]);
        delimiters->addWidget(E_MaskDelimiter[i]);
        delimiters->addSpacing(12);
    }
    delimiters->addStretch();
    maskLayout->addLayout(delimiters, 1, 0, 1, 4);
    auto* elements = new QHBoxLayout();
    for (auto* g : GB_Mask) elements->addWidget(g);
    maskLayout->addLayout(elements, 2, 0, 1, 4);
    maskLayout->addWidget(L_Example, 3, 0, 1, 4);
    maskLayout->addWidget(ST_Example, 4, 0, 1, 4);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(B_OK);
    buttons->addSpacing(40);
    buttons->addWidget(B_Cancel);
    buttons->addStretch();

    auto* main = new QVBoxLayout(this);
    main->addLayout(top);
    main->addWidget(GB_SaveMask);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    FormCreate();
}

void TDialogConfig::FormCreate() {
    // Input filters and typing limits.
    ui::InstallKeyFilter(ME_PortTM, ui::SetPortDigits());
    ui::InstallTypedLengthLimit(ME_PortTM, kPortLength);
    connect(ME_PortTM, &QLineEdit::textChanged, this,
            [this] { ui::FilterEditText(ME_PortTM, ui::SetPortDigits()); });
    ui::InstallTypedLengthLimit(E_SavePath, kSavePathLength);
    for (QLineEdit* e : {E_MaskPref, E_MaskSuff})
        ui::InstallTypedLengthLimit(e, kMaskTextLength);
    for (QLineEdit* e : E_MaskDelimiter) ui::InstallTypedLengthLimit(e, kDelimiterLength);
    for (QLineEdit* e : {E_MaskPref, E_MaskSuff, E_MaskDelimiter[0], E_MaskDelimiter[1],
                         E_MaskDelimiter[2]}) {
        ui::InstallEditFilter(e, ui::SetFileNameChars());
        connect(e, &QLineEdit::textChanged, this, &TDialogConfig::FormExampleText);
    }

    // Handlers.
    connect(B_OK, &QPushButton::clicked, this, &TDialogConfig::B_OKClick);
    connect(B_SavePath, &QPushButton::clicked, this, &TDialogConfig::B_SavePathClick);
    connect(RB_OpenNormal, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetOpenMode(false);
    });
    connect(RB_OpenList, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetOpenMode(true);
    });
    connect(CB_HideHint, &QCheckBox::clicked, this,
            [](bool hide) { ui::SetApplicationHintsEnabled(!hide); });
    connect(CB_SaveMask, &QCheckBox::clicked, this, [this](bool on) { EnableMaskItems(on); });
    for (QButtonGroup* g : maskGroups_)
        connect(g, &QButtonGroup::idClicked, this, &TDialogConfig::FormExampleText);

    // Label clicks focus their control.
    LabelFocus(L_PortTM, [this] { return ME_PortTM; });
    LabelFocus(L_SavePath, [this] { return E_SavePath; });
    LabelFocus(L_MaskPref, [this] { return E_MaskPref; });
    LabelFocus(L_MaskSuff, [this] { return E_MaskSuff; });
    for (int i = 0; i < 3; ++i) {
        QLineEdit* e = E_MaskDelimiter[i];
        LabelFocus(L_MaskDelimiter[i], [e] { return e; });
    }
    LabelFocus(L_OpenMode, [this]() -> QWidget* {
        return RB_OpenList->isChecked() ? RB_OpenList : RB_OpenNormal;
    });

    // Focus colours and glyphs.
    for (QWidget* w : std::initializer_list<QWidget*>{
             CB_HideHint, ME_PortTM, RB_OpenNormal, RB_OpenList, E_SavePath, B_SavePath,
             CB_SaveMask, E_MaskPref, E_MaskSuff, E_MaskDelimiter[0], E_MaskDelimiter[1],
             E_MaskDelimiter[2], B_OK, B_Cancel})
        Watch(w);
    for (const auto& group : RB_Mask)
        for (QRadioButton* rb : group) Watch(rb);

    // Hints.
    ui::SetControlHint(this, 2000);
    ui::SetControlHint(CB_HideHint, 2001);
    ui::SetControlHint(L_OpenMode, 2002);
    ui::SetControlHint(RB_OpenNormal, 2003);
    ui::SetControlHint(RB_OpenList, 2004);
    ui::SetControlHint(L_SavePath, 2005);
    ui::SetControlHint(E_SavePath, 2005);
    ui::SetControlHint(B_SavePath, 2006);
    ui::SetControlHint(CB_SaveMask, 2007);
    ui::SetControlHint(GB_SaveMask, 2100);
    ui::SetControlHint(L_MaskPref, 2110);
    ui::SetControlHint(E_MaskPref, 2110);
    ui::SetControlHint(L_MaskSuff, 2111);
    ui::SetControlHint(E_MaskSuff, 2111);
    for (int i = 0; i < 3; ++i) {
        ui::SetControlHint(L_MaskDelimiter[i], 2112 + i);
        ui::SetControlHint(E_MaskDelimiter[i], 2112 + i);
    }
    for (int n = 0; n < 4; ++n) {
        ui::SetControlHint(GB_Mask[n], 2120);
        for (int kind = 0; kind < 5; ++kind) ui::SetControlHint(RB_Mask[n][kind], 2121 + kind);
    }
    ui::SetControlHint(L_Example, 2130);
    ui::SetControlHint(ST_Example, 2130);
}

void TDialogConfig::LabelFocus(QLabel* label, std::function<QWidget*()> target) {
    label->installEventFilter(this);
    labelTargets_.emplace_back(label, std::move(target));
}

bool TDialogConfig::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        for (const auto& [label, target] : labelTargets_) {
            if (label != watched) continue;
            QWidget* w = target();
            if (w != nullptr && w->isEnabled() && w->isVisible()) w->setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    return ui::LookDialog::eventFilter(watched, event);
}

void TDialogConfig::SetOpenMode(bool list) {
    L_SavePath->setEnabled(list);
    E_SavePath->setEnabled(list);
    B_SavePath->setEnabled(list);
}

void TDialogConfig::EnableMaskItems(bool enabled) {
    GB_SaveMask->setEnabled(enabled);
    for (QWidget* w : std::initializer_list<QWidget*>{
             L_MaskPref, E_MaskPref, L_MaskSuff, E_MaskSuff, L_Example, ST_Example})
        w->setEnabled(enabled);
    for (int i = 0; i < 3; ++i) {
        L_MaskDelimiter[i]->setEnabled(enabled);
        E_MaskDelimiter[i]->setEnabled(enabled);
    }
    for (int n = 0; n < 4; ++n) {
        GB_Mask[n]->setEnabled(enabled);
        for (QRadioButton* rb : RB_Mask[n]) rb->setEnabled(enabled);
    }
    const QColor caption = enabled ? ui::Maroon() : ui::Gray();
    GB_SaveMask->SetCaptionColor(caption);
    for (auto* g : GB_Mask) g->SetCaptionColor(caption);
}

QString TDialogConfig::ExampleText() const {
    int kinds[4];
    for (int n = 0; n < 4; ++n) kinds[n] = std::max(maskGroups_[n]->checkedId(), 0);
    return Q(MaskFileName(kinds[0], S(E_MaskPref->text()), S(E_MaskDelimiter[0]->text()),
                          kinds[1], kExampleAlias, S(E_MaskDelimiter[1]->text()), kinds[2],
                          kExampleIdent, S(E_MaskDelimiter[2]->text()), kinds[3],
                          S(E_MaskSuff->text())));
}

void TDialogConfig::FormExampleText() { ST_Example->setText(ExampleText()); }

void TDialogConfig::showEvent(QShowEvent* event) {
    ui::LookDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TDialogConfig::FormShow() {
    CB_HideHint->setChecked(work_.HideHint);
    ME_PortTM->setText(QString::number(work_.PortTM));
    E_SavePath->setText(Q(work_.ListPathSave));
    (work_.ListModeOpenSave ? RB_OpenList : RB_OpenNormal)->setChecked(true);
    SetOpenMode(work_.ListModeOpenSave);
    EnableMaskItems(work_.MaskMode);
    CB_SaveMask->setChecked(work_.MaskMode);
    E_MaskPref->setText(Q(work_.MaskPref));
    E_MaskDelimiter[0]->setText(Q(work_.MaskDelim1));
    E_MaskDelimiter[1]->setText(Q(work_.MaskDelim2));
    E_MaskDelimiter[2]->setText(Q(work_.MaskDelim3));
    E_MaskSuff->setText(Q(work_.MaskSuff));
    const std::uint8_t kinds[4] = {work_.MaskIdent1, work_.MaskIdent2, work_.MaskIdent3,
                                   work_.MaskIdent4};
    for (int n = 0; n < 4; ++n) RB_Mask[n][std::min<int>(kinds[n], kMaskSuffix)]->setChecked(true);
    FormExampleText();
    B_Cancel->setFocus(Qt::OtherFocusReason);
    PaintButtons();
}

void TDialogConfig::B_OKClick() {
    const QString port = ME_PortTM->text();
    work_.PortTM = port.isEmpty() ? 0 : port.toInt();
    if (ReopenKeyReader) ReopenKeyReader(work_.PortTM);
    work_.ListModeOpenSave = RB_OpenList->isChecked();
    work_.ListPathSave = WithTrailingSeparator(S(E_SavePath->text()));
    work_.HideHint = CB_HideHint->isChecked();
    ui::SetApplicationHintsEnabled(!work_.HideHint);
    work_.MaskMode = CB_SaveMask->isChecked();
    work_.MaskPref = S(E_MaskPref->text());
    work_.MaskDelim1 = S(E_MaskDelimiter[0]->text());
    work_.MaskDelim2 = S(E_MaskDelimiter[1]->text());
    work_.MaskDelim3 = S(E_MaskDelimiter[2]->text());
    work_.MaskSuff = S(E_MaskSuff->text());
    std::uint8_t* kinds[4] = {&work_.MaskIdent1, &work_.MaskIdent2, &work_.MaskIdent3,
                              &work_.MaskIdent4};
    for (int n = 0; n < 4; ++n)
        *kinds[n] = static_cast<std::uint8_t>(std::max(maskGroups_[n]->checkedId(), 0));
    if (!SaveWorkSettings(work_)) {
        const QString file = WorkSettingsLocation();
        if (SaveFailed) SaveFailed(file);
        else
            QMessageBox::warning(this, windowTitle(),
                                 QStringLiteral("Не удалось сохранить параметры работы в файл ") +
                                     file);
    }
    done(ui::mrOk);
}

void TDialogConfig::B_SavePathClick() {
    if (chooser_ == nullptr) chooser_ = new TFormSelectPathTree(nullptr, this);
    chooser_->ResultPath = E_SavePath->text();
    if (chooser_->ShowModal() == ui::mrOk) E_SavePath->setText(chooser_->ResultPath);
    activateWindow();
    E_SavePath->setFocus(Qt::OtherFocusReason);
}

} // namespace zavro
