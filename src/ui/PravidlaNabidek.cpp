#include "ui/PravidlaNabidek.h"

#include <array>

#include "res/resource.h"

namespace Vrbatec::Ui::PravidlaNabidek {

namespace {

constexpr std::array<ObrazekPrikazu, 18> kObrazky{{
    {ID_KONEC, 15},
    {ID_NASTAVENI, 14},
    {ID_O_PROGRAMU, 16},
    {ID_WEBOVE_STRANKY, 20},
    {ID_TECHNICKA_PODPORA, 21},
    {ID_SPUSTIT_PRIJEM, 0},
    {ID_ZASTAVIT_PRIJEM, 10},
    {ID_VLASTNOSTI_ZDROJE, 16},
    {ID_PRIDAT_ZDROJ, 22},
    {ID_ODEBRAT_ZDROJ, 27},
    {ID_UPRAVIT_ZDROJ, 14},
    {ID_ZTLUMIT, 9},
    {ID_OTEVRIT_URL, 23},
    {ID_ZVYSIT_HLASITOST, 2},
    {ID_SNIZIT_HLASITOST, 3},
    {ID_AKTUALIZACE, 28},
    {ID_SPUSTIT_ZAZNAM, 11},
    {ID_UKONCIT_ZAZNAM, 10},
}};

} // namespace

std::span<const ObrazekPrikazu> ObrazkyMenu() {
    return kObrazky;
}

} // namespace Vrbatec::Ui::PravidlaNabidek
