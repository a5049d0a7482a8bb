// What the icon page offers: the mouse events on the notification icon that the user can give
// a function, each with the setting that holds its command, and the commands that can be
// chosen, in the order the page lists them.
//
// An event may hold a command that is not offered (another version's setting, or a hand-made
// registry value); the page then shows no function for it rather than pretend it is one of
// the twelve.
#pragma once

#include <array>
#include <cstdint>

#include "config/Nastaveni.h"
#include "res/resource.h"

namespace Vrbatec::Ui::FunkceIkony {

struct Udalost {
    std::uint32_t idTextu;
    std::uint32_t Nastaveni::*prikaz;
};

inline constexpr std::array<Udalost, 5> kUdalosti{{
    {IDS_LEVE_TLACITKO, &Nastaveni::leve},
    {IDS_CTRL_LEVE_TLACITKO, &Nastaveni::ctrlLeve},
    {IDS_CTRL_SHIFT_LEVE_TLACITKO, &Nastaveni::ctrlShiftLeve},
    {IDS_SHIFT_LEVE_TLACITKO, &Nastaveni::shiftLeve},
    {IDS_STREDNI_TLACITKO, &Nastaveni::stredni},
}};

inline constexpr std::array<std::uint32_t, 12> kPrikazy{
    ID_PLOVOUCI_NABIDKA, ID_KONEC,
    ID_NASTAVENI,        ID_ZOBRAZIT_SKRYT_OKNO,
    ID_ZOBRAZIT_OKNO,    ID_SKRYT_OKNO,
    ID_SPUSTIT_PRIJEM,   ID_ZASTAVIT_PRIJEM,
    ID_ZTLUMIT,          ID_ZVYSIT_HLASITOST,
    ID_SNIZIT_HLASITOST, ID_OTEVRIT_URL,
};

// The command's place in kPrikazy; -1 for a command that is not offered.
int IndexPrikazu(std::uint32_t prikaz);

} // namespace Vrbatec::Ui::FunkceIkony
