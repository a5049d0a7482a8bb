// Which commands are available in which state, on which surface: the one function that the
// menu bar, the toolbar, the taskbar's thumbnail buttons and jump list and the notification
// icon's menu follow after every change of the program's state.
//
// The rules are rows of one table (command, surface, rule). A command without a row on a
// surface is enabled, shown and unchecked there, with its own picture and text; a new
// surface or command adds rows, not types.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/StavProgramu.h"

namespace Vrbatec::Ui::PravidlaPrikazu {

using Stav = StavProgramu;

enum class Povrch {
    Menu,            // the menu bar and its submenus
    PanelNastroju,   // the main toolbar
    TlacitkaNahledu, // the taskbar's thumbnail buttons
    SeznamSkoku,     // the taskbar's jump-list tasks
    NabidkaIkony,    // the notification icon's menu
};

struct StavPolozky {
    bool povoleno = true;
    bool viditelne = true;
    bool zaskrtnuto = false;
    // A picture of the small strip in place of the command's own; -1 keeps its own.
    int obrazek = -1;
    // A text in place of the command's own (thumbnail tooltips); empty where the rule
    // clears it, unused where `maTip` is false.
    bool maTip = false;
    std::wstring_view tip;

    friend bool operator==(const StavPolozky&, const StavPolozky&) = default;
};

constexpr bool PlatnyVyber(const Stav& stav) {
    return stav.vybranyIndex >= 0 &&
           static_cast<std::uint32_t>(stav.vybranyIndex) < stav.pocetZdroju;
}
constexpr bool Prehravani(const Stav& stav) {
    return stav.prehravanyIndex >= 0;
}

// The state of the command on the surface.
StavPolozky Urcit(std::uint32_t prikaz, const Stav& stav, Povrch povrch);

// The commands that have a rule on the surface, in table order: what a surface refreshes.
std::vector<std::uint32_t> PrikazySPravidlem(Povrch povrch);

} // namespace Vrbatec::Ui::PravidlaPrikazu
