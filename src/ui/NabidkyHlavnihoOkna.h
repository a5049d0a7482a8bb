// The main window's menus: pictures on the menu items, the three popup menus (help from the
// toolbar, bars from the rebar, the source list's own), the hints of highlighted items in
// the status bar and the toolbar's tooltips.
//
// A popup is prepared (loaded and set to the window's state) apart from being shown, so that
// what it will offer can be seen without tracking it. Loading, tracking and destroying a
// popup cannot fail in a working system and end the program when they do; pictures, checks
// and texts of items are cosmetic and their failures are ignored.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "winapi/Handle.h"

namespace Vrbatec::Ui {
class ObrazkovyPruh;
class PanelyNastroju;
class StavovyRadek;
} // namespace Vrbatec::Ui

namespace Vrbatec::Ui::NabidkyHlavnihoOkna {

// What the popups show of the window's state: the bars' menu its bands and icon size, the
// list's menu playback and mute.
struct StavNabidky {
    const PanelyNastroju* panely = nullptr;
    std::uint32_t toolBar = 0;
    int prehravanyIndex = -1;
    bool ztlumeno = false;
};

// Pictures for the menu's items (and its submenus') when the system draws them well, none
// otherwise; a menu that had them loses them.
void PouzitObrazky(HMENU menu, const ObrazkovyPruh& malyPruh, std::uint32_t verzeWindows);
// Without a strip the pictures are removed.
void NastavitObrazky(HMENU menu, const ObrazkovyPruh* malyPruh);

// A popup resource, loaded; the popup is its first submenu.
class PripravenaNabidka {
public:
    explicit PripravenaNabidka(WinApi::UniqueMenu zdroj);
    HMENU Nabidka() const;
    // Destroys the resource with its popup.
    void Zrusit() { zdroj_.Reset(); }

private:
    WinApi::UniqueMenu zdroj_;
};

PripravenaNabidka Pripravit(HINSTANCE instance, UINT idNabidky, const StavNabidky& stav,
                            const ObrazkovyPruh& malyPruh, std::uint32_t verzeWindows);
// Shows the popup at the cursor until the user chooses (the command reaches `vlastnik` as
// WM_COMMAND) or leaves it, then destroys it.
void Sledovat(PripravenaNabidka nabidka, HWND vlastnik);
// Pripravit with the program's own resources, then Sledovat.
void Otevrit(UINT idNabidky, HWND vlastnik, const StavNabidky& stav, const ObrazkovyPruh& malyPruh,
             std::uint32_t verzeWindows);

// WM_MENUSELECT: the highlighted item's hint in the status bar, the ready text for a
// submenu title and when the menu closes.
void PriVyberuPolozky(WPARAM wParam, StavovyRadek& radek, const std::wstring& textPripraven);
// TTN_GETDISPINFOW: false for ids that are not commands (their tooltips are someone else's).
bool PriTipuTlacitka(NMTTDISPINFOW& tip);

} // namespace Vrbatec::Ui::NabidkyHlavnihoOkna
