// The error window: a message and a recommendation, with one or two of the
// buttons "Продолжить", "Исправить" and "Установить "по-умолчанию"".
//
// Results: OK after "Продолжить" (continue) or "Установить "по-умолчанию""
// (apply the default); Retry after "Исправить" (let the user correct it);
// Cancel when closed with the close box.
#pragma once

#include <QLabel>

#include "ui/look_dialog.h"

namespace zavro::ui {

class TFormErrorMessage : public LookDialog {
    Q_OBJECT
public:
    explicit TFormErrorMessage(QWidget* parent = nullptr);

    // The two texts; "Продолжить" shown exactly when showContinue, "Исправить"
    // exactly when showFix; "Установить "по-умолчанию"" hidden.
    void SetMessages(const QString& message, const QString& recommendation, bool showContinue,
                     bool showFix);
    // The two texts; "Исправить" shown, "Продолжить" hidden,
    // "Установить "по-умолчанию"" shown exactly when showDefault.
    void SetErrorContinue(const QString& message, const QString& recommendation,
                          bool showDefault);

    QLabel* L_Error;
    QLabel* ST_Message;
    QLabel* L_Recom;
    QLabel* ST_Recomendation;
    BitBtn* B_Continue;
    BitBtn* B_Cancel;
    BitBtn* B_Default;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
};

} // namespace zavro::ui
