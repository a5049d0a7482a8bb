#include "recording/ComboBoxZarizeniZaznam.h"

#include "recording/PravidlaZarizeni.h"

namespace Vrbatec {

HRESULT ComboBoxZarizeniZaznam::Naplnit(const ZarizeniZaznamu& zvolene) {
    Vyprazdnit();
    HRESULT hr = S_OK;
    int vybrat = 0;
    for (std::size_t i = 0; i < seznam_.size(); ++i) {
        int polozka = 0;
        hr = PridatPolozku(seznam_[i].nazev, static_cast<LPARAM>(i), &polozka);
        if (FAILED(hr)) {
            break;
        }
        if (StejneBezVelikosti(seznam_[i].nazev, zvolene.nazev)) {
            vybrat = polozka;
        }
    }
    if (Pocet() > 0) {
        Vybrat(vybrat);
    }
    return hr;
}

int ComboBoxZarizeniZaznam::Vybrane(ZarizeniZaznamu& vystup) const {
    const int vyber = Vyber();
    if (vyber < 0) {
        return 1;
    }
    const LPARAM index = DataPolozky(vyber);
    if (index < 0 || static_cast<std::size_t>(index) >= seznam_.size()) {
        return 1;
    }
    vystup = seznam_[static_cast<std::size_t>(index)];
    return 0;
}

} // namespace Vrbatec
