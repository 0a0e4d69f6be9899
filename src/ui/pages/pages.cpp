#include "ui/pages/pages.h"

namespace zavro::ui {

void RegisterPages(PageRegistry& /*registry*/) {}

} // namespace zavro::ui
