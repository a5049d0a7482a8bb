// The refresh of command states: after every change of selection, playback, recording or
// the bars, one pass sets the menu bar's items and the toolbar's buttons by the rules of
// PravidlaPrikazu and checks the view items by what the window shows.
//
// Menu failures are cosmetic and ignored; a toolbar that refuses a state ends the program.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/PravidlaPrikazu.h"

namespace Vrbatec::Ui {
class PanelyNastroju;
}

namespace Vrbatec::Ui::StavPrikazu {

// What refreshes after the toolbar, and only while there is one: the taskbar's jump list and
// thumbnail buttons.
class NavazujiciObnova {
public:
    virtual void ObnovitSeznamSkoku() = 0;
    virtual void ObnovitTlacitkaNahledu() = 0;

protected:
    ~NavazujiciObnova() = default;
};

// `menu` is the menu bar (its part is skipped without one); `panely` may have no bars yet;
// `velikostIkon` is the "toolBar" setting (1 small, 2 large); `navazujici` may be null.
void Pouzit(HMENU menu, PanelyNastroju& panely, const PravidlaPrikazu::Stav& stav,
            bool seznamZdrojuZobrazen, std::uint32_t velikostIkon,
            NavazujiciObnova* navazujici = nullptr);

// The check marks of the bands and the icon sizes, shared by the menu bar and the bars' menu;
// no band is checked without bars.
void ZaskrtnoutPanely(HMENU menu, const PanelyNastroju* panely, std::uint32_t velikostIkon);

} // namespace Vrbatec::Ui::StavPrikazu
