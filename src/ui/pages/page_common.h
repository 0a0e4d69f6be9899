// The page "Общие" (Tab_Common): the file key, the old file key, the
// remote-control password, the numbers of both SIM cards and their balance
// control. The status line at the top of the page belongs to the main window.
#pragma once

#include <array>
#include <string>

#include "ui/page.h"
#include "ui/pages/page_parts.h"

class QLineEdit;

namespace zavro::ui {

struct PageRow;

struct CommonBinding {
    std::string key;      // E_Common_KEY
    std::string keyOld;   // E_Common_KEYOld
    std::string password; // E_Common_Password
    std::array<std::string, 2> phone;        // E_Common_PhoneNumber1, 2
    std::array<std::string, 2> balancePhone; // E_Common_BalancePhone1, 2
    std::array<UpDownField, 2> balanceDelay; // E_Common_BalanceDelay1, 2
    std::array<UpDownField, 2> balanceValue; // E_Common_BalanceVal1, 2

    // The up-downs take their ranges from the command table each time.
    void Redraw(const T_Command_DEVICE& work);
    void UnLoad(T_Command_DEVICE& work) const;
};

class CommonPage : public EditorPage {
public:
    void Create(TFormMain& form, QWidget* tab) override;
    void Redraw(T_Command_DEVICE& work) override;
    void UnLoad(T_Command_DEVICE& work) override;

private:
    void Show(const CommonBinding& b);
    CommonBinding Read() const;

    QLineEdit* E_Common_KEY = nullptr;
    QLineEdit* E_Common_KEYOld = nullptr;
    QLineEdit* E_Common_Password = nullptr;
    std::array<QLineEdit*, 2> E_Common_PhoneNumber{};
    std::array<QLineEdit*, 2> E_Common_BalancePhone{};
    std::array<QLineEdit*, 2> E_Common_BalanceDelay{};
    std::array<TUpDown*, 2> UD_Common_BalanceDelay{};
    std::array<QLineEdit*, 2> E_Common_BalanceVal{};
    std::array<TUpDown*, 2> UD_Common_BalanceVal{};
};

} // namespace zavro::ui
