#include "ui/PravidlaPrikazu.h"

namespace Vrbatec::Ui::PravidlaPrikazu {

Menu PravidlaMenu(const Stav& stav) {
    return Menu{
        .spustit = PlatnyVyber(stav),
        .nastaveni = !stav.nahravani,
        .spustitZaznam = !stav.nahravani,
        .ukoncitZaznam = stav.nahravani,
        .vlastnosti = Prehravani(stav),
        .zastavit = Prehravani(stav),
    };
}

PanelNastroju PravidlaPanelu(const Stav& stav) {
    return PanelNastroju{
        .spustitZaznamViditelne = !stav.nahravani,
        .ukoncitZaznamViditelne = stav.nahravani,
        .nastaveniPovoleno = !stav.nahravani,
    };
}

Nahled PravidlaNahledu(const Stav& stav) {
    const bool spustit = PlatnyVyber(stav) && !Prehravani(stav);
    const bool zastavit = Prehravani(stav);
    return Nahled{
        .spustit = {spustit, spustit ? L"Spustit příjem zvuku" : L""},
        .zastavit = {zastavit, zastavit ? L"Zastavit příjem zvuku" : L""},
        .obrazekZtlumit = stav.ztlumeno ? 17 : 9,
        .tipZtlumit = stav.ztlumeno ? L"Zapnout ztlumený zvuk" : L"Ztlumit zvuk",
    };
}

} // namespace Vrbatec::Ui::PravidlaPrikazu
