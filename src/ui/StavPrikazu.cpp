#include "ui/StavPrikazu.h"

#include "res/resource.h"
#include "ui/PanelyNastroju.h"

namespace Vrbatec::Ui::StavPrikazu {

namespace {

void Zaskrtnout(HMENU menu, UINT prikaz, bool zaskrtnuto) {
    ::CheckMenuItem(menu, prikaz, MF_BYCOMMAND | (zaskrtnuto ? MF_CHECKED : MF_UNCHECKED));
}

} // namespace

void PouzitNaMenu(HMENU menu, const PravidlaPrikazu::Stav& stav, PravidlaPrikazu::Povrch povrch) {
    for (const std::uint32_t prikaz : PravidlaPrikazu::PrikazySPravidlem(povrch)) {
        const auto polozka = PravidlaPrikazu::Urcit(prikaz, stav, povrch);
        ::EnableMenuItem(menu, prikaz, MF_BYCOMMAND | (polozka.povoleno ? MF_ENABLED : MF_GRAYED));
        Zaskrtnout(menu, prikaz, polozka.zaskrtnuto);
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
