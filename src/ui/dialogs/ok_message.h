// The confirmation window: a question and an explanation, with "Продолжить"
// alone (result OK) or "Продолжить" and "Отказаться" (result Cancel).
#pragma once

#include <QLabel>

#include "ui/look_dialog.h"

namespace zavro::ui {

class TFormOkMessage : public LookDialog {
    Q_OBJECT
public:
    explicit TFormOkMessage(QWidget* parent = nullptr);

    // Sets the texts and places the buttons: with cancel both buttons share
    // the width of the window, without it "Продолжить" is centred alone.
    void SetMessages(const QString& question, const QString& explanation, bool withCancel);

    QLabel* StaticTextMessage;
    QLabel* StaticTextRecomendation;
    BitBtn* BitBtnContinue;
    BitBtn* BitBtnCancel;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace zavro::ui
