#include "ui/StavPrikazu.h"

#include "res/resource.h"
#include "ui/PanelyNastroju.h"

namespace Vrbatec::Ui::StavPrikazu {

namespace {

void Povolit(HMENU menu, UINT prikaz, bool povoleno) {
    ::EnableMenuItem(menu, prikaz, MF_BYCOMMAND | (povoleno ? MF_ENABLED : MF_GRAYED));
}

void Zaskrtnout(HMENU menu, UINT prikaz, bool zaskrtnuto) {
    ::CheckMenuItem(menu, prikaz, MF_BYCOMMAND | (zaskrtnuto ? MF_CHECKED : MF_UNCHECKED));
}

void PouzitNaMenu(HMENU menu, const PravidlaPrikazu::Stav& stav) {
    const PravidlaPrikazu::Menu pravidla = PravidlaPrikazu::PravidlaMenu(stav);
    Povolit(menu, ID_SPUSTIT_PRIJEM, pravidla.spustit);
    Povolit(menu, ID_NASTAVENI, pravidla.nastaveni);
    Povolit(menu, ID_SPUSTIT_ZAZNAM, pravidla.spustitZaznam);
    Povolit(menu, ID_UKONCIT_ZAZNAM, pravidla.ukoncitZaznam);
    Povolit(menu, ID_VLASTNOSTI_ZDROJE, pravidla.vlastnosti);
    Povolit(menu, ID_ZASTAVIT_PRIJEM, pravidla.zastavit);
}

} // namespace

void Pouzit(HMENU menu, PanelyNastroju& panely, const PravidlaPrikazu::Stav& stav,
            bool seznamZdrojuZobrazen, std::uint32_t velikostIkon, NavazujiciObnova* navazujici) {
    if (menu != nullptr) {
        PouzitNaMenu(menu, stav);
    }
    if (panely.Toolbar() != nullptr) {
        panely.PouzitStav(PravidlaPrikazu::PravidlaPanelu(stav));
        if (navazujici != nullptr) {
            navazujici->ObnovitSeznamSkoku();
            navazujici->ObnovitTlacitkaNahledu();
        }
    }
    if (menu != nullptr) {
        ZaskrtnoutPanely(menu, &panely, velikostIkon);
        Zaskrtnout(menu, ID_SEZNAM_ZDROJU, seznamZdrojuZobrazen);
    }
}

void ZaskrtnoutPanely(HMENU menu, const PanelyNastroju* panely, std::uint32_t velikostIkon) {
    const auto viditelny = [panely](UINT idPasu) {
        return panely != nullptr && panely->PasViditelny(idPasu);
    };
    Zaskrtnout(menu, ID_PANEL_TLACITEK, viditelny(PanelyNastroju::kPasTlacitek));
    Zaskrtnout(menu, ID_PANEL_OVLADANI, viditelny(PanelyNastroju::kPasOvladani));
    Zaskrtnout(menu, ID_PANEL_ZDROJU, viditelny(PanelyNastroju::kPasZdroju));
    Zaskrtnout(menu, ID_MALE_IKONY, velikostIkon == 1);
    Zaskrtnout(menu, ID_VELKE_IKONY, velikostIkon == 2);
}

} // namespace Vrbatec::Ui::StavPrikazu
