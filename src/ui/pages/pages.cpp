#include "ui/pages/pages.h"

#include "ui/pages/page_common.h"
#include "ui/pages/page_indic.h"
#include "ui/pages/page_mode.h"

namespace zavro::ui {

void RegisterPages(PageRegistry& registry) {
    registry.Register(PageId::Common, std::make_unique<CommonPage>());
    registry.Register(PageId::Mode, std::make_unique<ModePage>());
    registry.Register(PageId::Indic, std::make_unique<IndicPage>());
}

} // namespace zavro::ui
