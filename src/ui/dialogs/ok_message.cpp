#include "ui/dialogs/ok_message.h"

#include <QShowEvent>

#include "ui/look.h"
#include "ui/resources.h"

namespace zavro::ui {

namespace {

QFont MessageFont(int pointSize) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(pointSize);
    f.setBold(true);
    f.setItalic(true);
    return f;
}

} // namespace

TFormOkMessage::TFormOkMessage(QWidget* parent)
    : LookDialog(ImagesOkMessage(), CaptionsOkMessage(), parent,
                 Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint) {
    setWindowTitle(QString());
    setFixedSize(617, 282);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Green());
    setPalette(pal);
    setAutoFillBackground(true);

    StaticTextMessage = new QLabel(this);
    StaticTextMessage->setGeometry(16, 16, 585, 110);
    StaticTextMessage->setFont(MessageFont(13));
    SetTextColor(StaticTextMessage, Qt::black);
    StaticTextMessage->setAutoFillBackground(true);
    {
        QPalette p = StaticTextMessage->palette();
        p.setColor(QPalette::Window, Green());
        StaticTextMessage->setPalette(p);
    }
    StaticTextRecomendation = new QLabel(this);
    StaticTextRecomendation->setGeometry(16, 132, 585, 80);
    StaticTextRecomendation->setFont(MessageFont(11));
    SetTextColor(StaticTextRecomendation, Maroon());
    for (QLabel* l : {StaticTextMessage, StaticTextRecomendation}) {
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
    }

    const QFont buttons = MessageFont(10);
    BitBtnCancel = new BitBtn(QStringLiteral("Отказаться"), 1, GlyphLayout::Left, this);
    BitBtnCancel->setGeometry(60, 222, 200, 46);
    BitBtnCancel->SetModalResult(mrCancel);
    BitBtnContinue = new BitBtn(QStringLiteral("Продолжить"), 2, GlyphLayout::Left, this);
    BitBtnContinue->setGeometry(357, 222, 180, 46);
    BitBtnContinue->SetModalResult(mrOk);
    SetCancelButton(BitBtnCancel);
    for (BitBtn* b : {BitBtnCancel, BitBtnContinue}) {
        b->setFont(buttons);
        Watch(b);
    }
}

void TFormOkMessage::SetMessages(const QString& question, const QString& explanation,
                                 bool withCancel) {
    StaticTextMessage->setText(question);
    StaticTextRecomendation->setText(explanation);
    BitBtnContinue->resize(BitBtnCancel->width(), BitBtnContinue->height());
    const int width = this->width();
    if (withCancel) {
        const int g = width - BitBtnContinue->width() - BitBtnCancel->width();
        BitBtnCancel->move(g / 4, BitBtnCancel->y());
        BitBtnContinue->move(width - g / 4 - BitBtnContinue->width(), BitBtnContinue->y());
        BitBtnCancel->show();
    } else {
        BitBtnContinue->move((width - BitBtnContinue->width()) / 2, BitBtnContinue->y());
        BitBtnCancel->hide();
    }
}

void TFormOkMessage::showEvent(QShowEvent* event) {
    LookDialog::showEvent(event);
    if (event->spontaneous()) return;
    BitBtnContinue->setFocus(Qt::OtherFocusReason);
    PaintButtons();
}

} // namespace zavro::ui
