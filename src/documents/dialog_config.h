// The settings dialog "Параметры работы": edits the work settings.
//
// "Применить" copies the controls into the record, stores it and closes the
// dialog with OK; "Отказаться" closes it with Cancel and changes nothing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "documents/work_settings.h"
#include "ui/caption_group_box.h"
#include "ui/look_dialog.h"

namespace zavro {

class TFormSelectPathTree;

class TDialogConfig : public ui::LookDialog {
    Q_OBJECT
public:
    explicit TDialogConfig(TParamWork& work = ParamWork, QWidget* parent = nullptr);

    // The folder chooser opened by the folder button; without one the dialog
    // makes its own on first use.
    void SetFolderChooser(TFormSelectPathTree* chooser) { chooser_ = chooser; }

    // Called by "Применить" with the new port: the key reader is to be
    // closed and opened again on it.
    std::function<void(std::int32_t port)> ReopenKeyReader;
    // Called when the settings could not be stored (default: a message box).
    std::function<void(const QString& file)> SaveFailed;

    // The file name the mask of the current controls gives, with the
    // example alias and identifier.
    QString ExampleText() const;

    static constexpr const char* kExampleAlias = "ПСЕВДОНИМN";
    static constexpr const char* kExampleIdent = "AAAABBBBCCCC";

    QCheckBox* CB_HideHint;
    QLabel* L_PortTM;
    QLineEdit* ME_PortTM;
    QLabel* L_OpenMode;
    QRadioButton* RB_OpenNormal;
    QRadioButton* RB_OpenList;
    QLabel* L_SavePath;
    QLineEdit* E_SavePath;
    ui::BitBtn* B_SavePath;
    QCheckBox* CB_SaveMask;
    ui::CaptionGroupBox* GB_SaveMask;
    QLabel* L_MaskPref;
    QLineEdit* E_MaskPref;
    QLabel* L_MaskSuff;
    QLineEdit* E_MaskSuff;
    std::array<QLabel*, 3> L_MaskDelimiter;    // "Разделитель №1:" ... "№3:"
    std::array<QLineEdit*, 3> E_MaskDelimiter; // E_MaskDelimiter1 ... 3
    std::array<ui::CaptionGroupBox*, 4> GB_Mask; // GB_Mask1 ... 4
    // RB_Mask[n][kind]: in group n + 1 the buttons RB_MaskEmpty, RB_MaskPref,
    // RB_MaskName, RB_MaskIdent and RB_MaskSuff of the kinds 0 .. 4.
    std::array<std::array<QRadioButton*, 5>, 4> RB_Mask;
    QLabel* L_Example;
    QLabel* ST_Example;
    ui::BitBtn* B_OK;
    ui::BitBtn* B_Cancel;

    void EnableMaskItems(bool enabled);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void B_OKClick();
    void B_SavePathClick();
    void SetOpenMode(bool list);
    void FormExampleText();
    void LabelFocus(QLabel* label, std::function<QWidget*()> target);

    TParamWork& work_;
    TFormSelectPathTree* chooser_ = nullptr;
    std::array<QButtonGroup*, 4> maskGroups_{};
    std::vector<std::pair<QLabel*, std::function<QWidget*()>>> labelTargets_;
};

} // namespace zavro
