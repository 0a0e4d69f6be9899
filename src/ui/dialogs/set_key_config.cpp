#include "ui/dialogs/set_key_config.h"

#include <QProxyStyle>
#include <QShowEvent>

#include "model/cp1251.h"
#include "ui/filters.h"
#include "ui/hints.h"
#include "ui/look.h"
#include "ui/resources.h"

namespace zavro::ui {

std::string LastFileKey;

namespace {

// Shows a password as a row of "*".
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TFormDialogSetKeyConfig::TFormDialogSetKeyConfig(QWidget* parent)
    : LookDialog(ImagesSetKeyConfig(), CaptionsSetKeyConfig(), parent,
                 Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint) {
    setWindowTitle(QString());
    setFixedSize(420, 179);

    StaticTextRecomendation = new QLabel(QStringLiteral("Задайте ключ шифрования файла конфигурации"), this);
    StaticTextRecomendation->setGeometry(0, 8, 420, 22);
    StaticTextErrorKey = new QLabel(QStringLiteral("(текущий ключ не верный)"), this);
    StaticTextErrorKey->setGeometry(0, 30, 420, 22);
    SetTextColor(StaticTextErrorKey, Red());
    for (QLabel* l : {StaticTextRecomendation, StaticTextErrorKey}) {
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
    }

    EditKEYConfig = new QLineEdit(this);
    EditKEYConfig->setGeometry(16, 56, 388, 28);
    EditKEYConfig->setMaxLength(kMaxKeyLength);
    EditKEYConfig->setEchoMode(QLineEdit::Password);
    auto* style = new StarPasswordStyle();
    style->setParent(EditKEYConfig);
    EditKEYConfig->setStyle(style);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(12);
    mono.setBold(true);
    EditKEYConfig->setFont(mono);
    InstallEditFilter(EditKEYConfig, SetFileKey());

    BtnOK = new BitBtn(QStringLiteral("Применить"), 2, GlyphLayout::Left, this);
    BtnOK->setGeometry(40, 96, 160, 44);
    BtnOK->setDefault(true);
    BtnOK->setToolTip(QStringLiteral("Применить сделанные настройки"));
    BtnCancel = new BitBtn(QStringLiteral("Отказаться"), 1, GlyphLayout::Left, this);
    BtnCancel->setGeometry(220, 96, 160, 44);
    BtnCancel->SetModalResult(mrCancel);
    BtnCancel->setToolTip(QStringLiteral("Отменить изменения настроек"));
    SetCancelButton(BtnCancel);
    connect(BtnOK, &QPushButton::clicked, this, &TFormDialogSetKeyConfig::BtnOKClick);

    Watch(EditKEYConfig);
    Watch(BtnOK);
    Watch(BtnCancel);
    SetControlHint(this, 1);
}

void TFormDialogSetKeyConfig::SetKeyEntryLayout() {
    StaticTextErrorKey->show();
    setFixedSize(width(), 179);
    const int cw = width();
    const int x = (cw - (BtnOK->width() + BtnCancel->width())) / 4;
    BtnOK->move(x, 96);
    BtnCancel->move(BtnOK->width() + 3 * x, 96);
    EditKEYConfig->resize(cw - 2 * EditKEYConfig->x(), EditKEYConfig->height());
}

std::string TFormDialogSetKeyConfig::KeyText() const {
    return Utf8ToCp1251(EditKEYConfig->text().toStdString());
}

void TFormDialogSetKeyConfig::SetKeyText(const std::string& cp1251) {
    EditKEYConfig->setText(QString::fromStdString(Cp1251ToUtf8(cp1251)));
}

void TFormDialogSetKeyConfig::BtnOKClick() {
    LastFileKey = KeyText();
    done(mrOk);
}

void TFormDialogSetKeyConfig::showEvent(QShowEvent* event) {
    LookDialog::showEvent(event);
    if (event->spontaneous()) return;
    EditKEYConfig->setFocus(Qt::OtherFocusReason);
    PaintButtons();
}

} // namespace zavro::ui
