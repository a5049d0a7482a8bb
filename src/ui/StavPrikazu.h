// The command states of the menu bar by the rules of PravidlaPrikazu, and its view items
// checked by what the window shows (the toolbar's buttons follow in PanelyNastroju).
//
// Menu failures are cosmetic and ignored.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/PravidlaPrikazu.h"

namespace Vrbatec::Ui {
class PanelyNastroju;
}

namespace Vrbatec::Ui::StavPrikazu {

// Enables and checks the commands of the menu (and its submenus) that have a rule on the
// surface.
void PouzitNaMenu(HMENU menu, const PravidlaPrikazu::Stav& stav,
                  PravidlaPrikazu::Povrch povrch = PravidlaPrikazu::Povrch::Menu);

// The check marks of the bands and the icon sizes, shared by the menu bar and the bars' menu;
// no band is checked without bars. `velikostIkon` is the "toolBar" setting (1 small, 2 large).
void ZaskrtnoutPanely(HMENU menu, const PanelyNastroju* panely, std::uint32_t velikostIkon);

} // namespace Vrbatec::Ui::StavPrikazu
