// How an editor page joins the main window. Each page offers three steps:
// Create (once, while the main window is built: controls, hint keys,
// filters, grid editors, layout — never the configuration, which does not
// exist yet), Redraw (configuration into controls) and UnLoad (controls
// into configuration). The window runs them over the registered pages in
// its fixed orders; a page that is not registered is simply skipped.
#pragma once

#include <array>
#include <memory>
#include <string_view>

class QWidget;

namespace zavro {
class T_Command_DEVICE;
}

namespace zavro::ui {

class TFormMain;

// The editor pages in tab order (TabDebug, the text page, is not an editor page).
enum class PageId : int {
    Common = 0, // Tab_Common "Общие"
    Mode,       // Tab_Mode "Режимы"
    Indic,      // Tab_Indic "Индикация"
    Shleifs,    // Tab_Shleifs "Шлейфы"
    Rele,       // Tab_Rele "Реле"
    Keys,       // Tab_Keys "Ключи"
    SMS,        // Tab_SMS "SMS"
    SMSK,       // Tab_SMSK "SMS-К"
    GSM,        // Tab_GSM "GSM-дозвон"
    ZV4,        // Tab_ZV4 "IP/UDP"
    GPRS,       // Tab_GPRS "GPRS"
    LAN,        // Tab_LAN "Ethernet"
    P485,       // Tab_485 "Расширения"
};
inline constexpr int kEditorPageCount = 13;

class EditorPage {
public:
    virtual ~EditorPage() = default;
    // Builds the page's controls into tab, the page's widget in PagesParam.
    // The page binds its controls to the window's conventions through form
    // (BindControl, BindLabel, BindUpDown, the filters of grid/key_filters.h).
    virtual void Create(TFormMain& form, QWidget* tab) = 0;
    // Copies the configuration into the page's controls.
    virtual void Redraw(T_Command_DEVICE& work) = 0;
    // Copies the page's controls into the configuration.
    virtual void UnLoad(T_Command_DEVICE& work) = 0;
};

// The pages the main window is built with, one slot per editor page.
class PageRegistry {
public:
    void Register(PageId id, std::unique_ptr<EditorPage> page) {
        pages_[static_cast<std::size_t>(id)] = std::move(page);
    }
    EditorPage* Page(PageId id) const { return pages_[static_cast<std::size_t>(id)].get(); }

private:
    std::array<std::unique_ptr<EditorPage>, kEditorPageCount> pages_;
};

} // namespace zavro::ui
