#include "ui/dialogs/error_message.h"

#include <QShowEvent>

#include "ui/look.h"
#include "ui/resources.h"

namespace zavro::ui {

namespace {

QFont ArialFont(int pointSize, bool bold, bool italic, bool underline) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

QLabel* MakeText(QWidget* parent, const QRect& geometry, const QFont& font, const QColor& color,
                 Qt::Alignment align) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(align);
    SetTextColor(label, color);
    return label;
}

} // namespace

TFormErrorMessage::TFormErrorMessage(QWidget* parent)
    : LookDialog(ImagesErrorMessage(), CaptionsErrorMessage(), parent,
                 Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint) {
    setWindowTitle(QString());
    setFixedSize(692, 468);

    const QFont title = ArialFont(16, true, false, true);
    const QFont text = ArialFont(12, true, true, false);
    L_Error = MakeText(this, {24, 16, 300, 32}, title, Red(), Qt::AlignLeft | Qt::AlignVCenter);
    L_Error->setText(QStringLiteral("Ошибка:"));
    ST_Message = MakeText(this, {24, 56, 644, 150}, text, Qt::black, Qt::AlignLeft | Qt::AlignTop);
    L_Recom = MakeText(this, {24, 214, 300, 32}, title, Green(), Qt::AlignLeft | Qt::AlignVCenter);
    L_Recom->setText(QStringLiteral("Рекомендация:"));
    ST_Recomendation =
        MakeText(this, {24, 254, 644, 130}, text, Maroon(), Qt::AlignLeft | Qt::AlignTop);

    const QFont buttons = ArialFont(10, true, true, false);
    B_Default = new BitBtn(QStringLiteral("Установить \"по-умолчанию\""), 1, GlyphLayout::Left, this);
    B_Default->setGeometry(40, 400, 300, 48);
    B_Default->SetModalResult(mrOk);
    B_Continue = new BitBtn(QStringLiteral("Продолжить"), 2, GlyphLayout::Left, this);
    B_Continue->setGeometry(40, 400, 220, 48);
    B_Continue->SetModalResult(mrOk);
    B_Cancel = new BitBtn(QStringLiteral("Исправить"), 3, GlyphLayout::Left, this);
    B_Cancel->setGeometry(432, 400, 220, 48);
    B_Cancel->SetModalResult(mrRetry);
    B_Cancel->setDefault(true);
    SetCancelButton(B_Cancel);
    for (BitBtn* b : {B_Default, B_Continue, B_Cancel}) {
        b->setFont(buttons);
        Watch(b);
    }
    B_Default->hide();
}

void TFormErrorMessage::SetMessages(const QString& message, const QString& recommendation,
                                    bool showContinue, bool showFix) {
    ST_Message->setText(message);
    ST_Recomendation->setText(recommendation);
    B_Continue->setVisible(showContinue);
    B_Cancel->setVisible(showFix);
    B_Default->setVisible(false);
}

void TFormErrorMessage::SetErrorContinue(const QString& message, const QString& recommendation,
                                         bool showDefault) {
    ST_Message->setText(message);
    ST_Recomendation->setText(recommendation);
    B_Cancel->setVisible(true);
    B_Continue->setVisible(false);
    B_Default->setVisible(showDefault);
}

void TFormErrorMessage::showEvent(QShowEvent* event) {
    LookDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFormErrorMessage::FormShow() {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, LightYellow());
    setPalette(pal);
    setAutoFillBackground(true);
    // isVisibleTo: the window itself is being shown, so ask about the button
    // as a child of the window.
    for (BitBtn* b : {B_Cancel, B_Continue, B_Default}) {
        if (b->isVisibleTo(this)) {
            b->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
    PaintButtons();
}

} // namespace zavro::ui
