#include "ui/pages/page_common.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "model/device.h"
#include "ui/hints.h"
#include "ui/mainwindow.h"
#include "ui/row_layout.h"

namespace zavro::ui {

using Device = T_Command_DEVICE;

// ---- Binding ------------------------------------------------------------------

void CommonBinding::Redraw(const T_Command_DEVICE& work) {
    key = ToScreen(work.Get_FileKey());
    keyOld = ToScreen(work.Get_FileKeyOld());
    password = ToScreen(work.Get_SmsPassword());
    for (int i = 0; i < 2; ++i) {
        const int sim = i + 1;
        phone[i] = ToScreen(work.Get_DevicePhone(sim));
        balancePhone[i] = ToScreen(work.Get_BalancePhone(sim));
        balanceDelay[i].min = Device::Limit_BalanceDelay(0);
        balanceDelay[i].max = Device::Limit_BalanceDelay(2);
        balanceDelay[i].Show(work.Get_BalanceDelay(sim));
        balanceValue[i].min = Device::Limit_BalanceValue(0);
        balanceValue[i].max = Device::Limit_BalanceValue(2);
        balanceValue[i].Show(work.Get_BalanceValue(sim));
    }
}

void CommonBinding::UnLoad(T_Command_DEVICE& work) const {
    work.Set_FileKey(FromScreen(key));
    work.Set_FileKeyOld(FromScreen(keyOld));
    work.Set_SmsPassword(FromScreen(password));
    for (int i = 0; i < 2; ++i) {
        const int sim = i + 1;
        work.Set_DevicePhone(sim, FromScreen(phone[i]));
        work.Set_BalancePhone(sim, FromScreen(balancePhone[i]));
        if (auto v = NumberOf(balanceDelay[i].text)) work.Set_BalanceDelay(sim, *v);
        if (auto v = NumberOf(balanceValue[i].text)) work.Set_BalanceValue(sim, *v);
    }
}

// ---- View ---------------------------------------------------------------------

namespace {
constexpr int kLeft = 8;
constexpr int kWidth = 700;
constexpr int kStatusLine = 20; // the main window's status line lies above
constexpr int kKeyWidth = 260;
} // namespace

void CommonPage::Create(TFormMain& form, QWidget* tab) {
    // Create_CommonMain: the key, the old key and the password.
    E_Common_KEY = MakeEdit(tab, "E_Common_KEY", 32, InputFilter::TextSpace);
    E_Common_KEYOld = MakeEdit(tab, "E_Common_KEYOld", 32, InputFilter::TextSpace);
    E_Common_Password = MakeEdit(tab, "E_Common_Password", 5, InputFilter::Text);
    for (QLineEdit* e : {E_Common_KEY, E_Common_KEYOld, E_Common_Password}) {
        SetStarPassword(e);
        form.BindControl(e, PageId::Common, true);
    }
    RowLayout main(tab, kLeft, kStatusLine + 6, kWidth);
    HintRow(main.AddRow(QStringLiteral("Common_KEY"), QStringLiteral("Ключ шифрования файла"),
                        E_Common_KEY, kKeyWidth),
            101);
    HintRow(main.AddRow(QStringLiteral("Common_KEYOld"),
                        QStringLiteral("\"Старый\" ключ (для смены ключа)"), E_Common_KEYOld,
                        kKeyWidth),
            102);
    HintRow(main.AddRow(QStringLiteral("Common_Password"),
                        QStringLiteral("Пароль удаленного управления"), E_Common_Password,
                        kKeyWidth / 2),
            103);
    int y = main.Finish() + 8;

    // Create_PhoneNumber: the numbers of the SIM cards, for reference.
    auto* phones = new QGroupBox(
        QStringLiteral("Номера используемых SIM-карт (для справки, прибором в работе не используются)"), tab);
    phones->setObjectName(QStringLiteral("G_PhonesNumber"));
    SetControlHint(phones, 104);
    RowLayout phoneRows = GroupRows(phones, kWidth);
    const char* phoneNames[2] = {"E_Common_PhoneNumber1", "E_Common_PhoneNumber2"};
    const QString phoneCaptions[2] = {QStringLiteral("Номер телефона SIM-карты №1  "),
                                      QStringLiteral("Номер телефона SIM-карты №2 ")};
    for (int i = 0; i < 2; ++i) {
        E_Common_PhoneNumber[i] = MakeEdit(phones, phoneNames[i], 16, InputFilter::PhoneNumber);
        HintRow(phoneRows.AddRow(QString::fromLatin1(phoneNames[i] + 2), phoneCaptions[i],
                                 E_Common_PhoneNumber[i], 140),
                105);
    }
    y = PlaceGroup(phones, kLeft, y, kWidth, phoneRows) + 6;

    // Create_PhoneBalance: the balance control of both cards.
    auto* balance = new QGroupBox(QStringLiteral("Контроль баланса"), tab);
    balance->setObjectName(QStringLiteral("G_Common_ParamBalance"));
    SetControlHint(balance, 106);
    RowLayout rows = GroupRows(balance, kWidth);
    for (int i = 0; i < 2; ++i) {
        const QString n = QString::number(i + 1);
        const std::string sn = n.toStdString();
        if (i == 1) {
            auto* separator = new QLabel(
                QStringLiteral("_________________________________________________________"), balance);
            separator->setObjectName(QStringLiteral("L_Common_BalanceSeparator"));
            rows.AddRow(QStringLiteral("Common_BalanceSeparator"), QString(), separator, 0);
        }
        E_Common_BalancePhone[i] =
            MakeEdit(balance, ("E_Common_BalancePhone" + sn).c_str(), 16, InputFilter::PhoneNumber);
        E_Common_BalanceDelay[i] =
            MakeEdit(balance, ("E_Common_BalanceDelay" + sn).c_str(), 3, InputFilter::Digital);
        UD_Common_BalanceDelay[i] = MakeUpDown(balance, ("UD_Common_BalanceDelay" + sn).c_str(), 0, 48);
        E_Common_BalanceVal[i] =
            MakeEdit(balance, ("E_Common_BalanceVal" + sn).c_str(), 3, InputFilter::Digital);
        UD_Common_BalanceVal[i] = MakeUpDown(balance, ("UD_Common_BalanceVal" + sn).c_str(), 0, 48);
        HintRow(rows.AddRow("Common_BalancePhone" + n,
                            "Код запроса баланса SIM-карты №" + n + " ", E_Common_BalancePhone[i], 140),
                107);
        HintRow(rows.AddRow("Common_BalanceDelay" + n,
                            "Период опроса баланса SIM-карты №" + n + " (0..48) ",
                            E_Common_BalanceDelay[i], 40, UD_Common_BalanceDelay[i],
                            QStringLiteral("  час.")),
                108);
        HintRow(rows.AddRow("Common_BalanceVal" + n,
                            QStringLiteral("Порог оповещения о низком балансе счета "),
                            E_Common_BalanceVal[i], 40, UD_Common_BalanceVal[i],
                            QStringLiteral("  единиц тарификации")),
                109);
    }
    PlaceGroup(balance, kLeft, y, kWidth, rows);
}

void CommonPage::Show(const CommonBinding& b) {
    E_Common_KEY->setText(Qs(b.key));
    E_Common_KEYOld->setText(Qs(b.keyOld));
    E_Common_Password->setText(Qs(b.password));
    for (int i = 0; i < 2; ++i) {
        E_Common_PhoneNumber[i]->setText(Qs(b.phone[i]));
        E_Common_BalancePhone[i]->setText(Qs(b.balancePhone[i]));
        ShowField(E_Common_BalanceDelay[i], UD_Common_BalanceDelay[i], b.balanceDelay[i]);
        ShowField(E_Common_BalanceVal[i], UD_Common_BalanceVal[i], b.balanceValue[i]);
    }
}

CommonBinding CommonPage::Read() const {
    CommonBinding b;
    b.key = Ss(E_Common_KEY->text());
    b.keyOld = Ss(E_Common_KEYOld->text());
    b.password = Ss(E_Common_Password->text());
    for (int i = 0; i < 2; ++i) {
        b.phone[i] = Ss(E_Common_PhoneNumber[i]->text());
        b.balancePhone[i] = Ss(E_Common_BalancePhone[i]->text());
        ReadField(E_Common_BalanceDelay[i], b.balanceDelay[i]);
        ReadField(E_Common_BalanceVal[i], b.balanceValue[i]);
    }
    return b;
}

void CommonPage::Redraw(T_Command_DEVICE& work) {
    CommonBinding b;
    b.Redraw(work);
    Show(b);
}

void CommonPage::UnLoad(T_Command_DEVICE& work) { Read().UnLoad(work); }

} // namespace zavro::ui
