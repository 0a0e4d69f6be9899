// The key window: entry of the key of an encrypted configuration file.
// Results: OK after "Применить" (the key is then in LastFileKey), Cancel
// after "Отказаться" or the close box.
#pragma once

#include <string>

#include <QLabel>
#include <QLineEdit>

#include "ui/look_dialog.h"

namespace zavro::ui {

// The last key the user confirmed with "Применить", in Windows-1251.
extern std::string LastFileKey;

class TFormDialogSetKeyConfig : public LookDialog {
    Q_OBJECT
public:
    static constexpr int kMaxKeyLength = 32;

    explicit TFormDialogSetKeyConfig(QWidget* parent = nullptr);

    // Prepares the window for file-key entry: the wrong-key note shown, the
    // window 179 pixels high, both buttons on one row and the edit as wide as
    // the window minus its margins.
    void SetKeyEntryLayout();

    // The wrong-key note "(текущий ключ не верный)".
    void ShowErrorKey(bool show) { StaticTextErrorKey->setVisible(show); }

    // The text of the key edit, in Windows-1251; it is kept between uses.
    std::string KeyText() const;
    void SetKeyText(const std::string& cp1251);
    void ClearKey() { EditKEYConfig->clear(); }

    QLabel* StaticTextRecomendation;
    QLabel* StaticTextErrorKey;
    QLineEdit* EditKEYConfig;
    BitBtn* BtnOK;
    BitBtn* BtnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BtnOKClick();
};

} // namespace zavro::ui
