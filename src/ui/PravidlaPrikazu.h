// Which commands are available in which state: the one set of rules that the menu bar, the
// main toolbar and the taskbar's thumbnail buttons follow after every change of selection,
// playback or recording.
#pragma once

#include <cstdint>
#include <string_view>

namespace Vrbatec::Ui::PravidlaPrikazu {

struct Stav {
    int vybranyIndex = -1;
    std::uint32_t pocetZdroju = 0;
    int prehravanyIndex = -1; // -1 when nothing from the list plays
    bool nahravani = false;
    bool ztlumeno = false;
};

constexpr bool PlatnyVyber(const Stav& stav) {
    return stav.vybranyIndex >= 0 &&
           static_cast<std::uint32_t>(stav.vybranyIndex) < stav.pocetZdroju;
}
constexpr bool Prehravani(const Stav& stav) {
    return stav.prehravanyIndex >= 0;
}

// Menu items that are enabled or grayed.
struct Menu {
    bool spustit;       // 40006
    bool nastaveni;     // 40002
    bool spustitZaznam; // 40030
    bool ukoncitZaznam; // 40031
    bool vlastnosti;    // 40009
    bool zastavit;      // 40007
};

// Toolbar buttons: start and stop of recording take turns in one place.
struct PanelNastroju {
    bool spustitZaznamViditelne; // 40030
    bool ukoncitZaznamViditelne; // 40031
    bool nastaveniPovoleno;      // 40002
};

struct TlacitkoNahledu {
    bool povoleno;
    std::wstring_view tip;
};

// The taskbar's thumbnail buttons for play, stop and mute.
struct Nahled {
    TlacitkoNahledu spustit;  // 40006
    TlacitkoNahledu zastavit; // 40007
    int obrazekZtlumit;       // 40013: small-strip image
    std::wstring_view tipZtlumit;
};

Menu PravidlaMenu(const Stav& stav);
PanelNastroju PravidlaPanelu(const Stav& stav);
Nahled PravidlaNahledu(const Stav& stav);

} // namespace Vrbatec::Ui::PravidlaPrikazu
