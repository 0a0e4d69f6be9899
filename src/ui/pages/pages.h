// The editor pages of the main window.
#pragma once

#include "ui/page.h"

namespace zavro::ui {

// Registers every editor page that exists, in its slot.
void RegisterPages(PageRegistry& registry);

} // namespace zavro::ui
