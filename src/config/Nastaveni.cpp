#include "config/Nastaveni.h"

#include <utility>

namespace Vrbatec {

std::wstring VychoziSouborZdroju(const std::wstring& slozka) {
    // A drive's root (R:\) ends with its separator already.
    const bool sOddelovacem = !slozka.empty() && slozka.back() == L'\\';
    return slozka + (sOddelovacem ? L"Zvukolet.xml" : L"\\Zvukolet.xml");
}

void NastavitVychozi(Nastaveni& nastaveni, const std::optional<std::wstring>& slozkaDokumentu,
                     const std::optional<VychoziZarizeni>& prvniZarizeni) {
    Nastaveni vychozi;
    if (slozkaDokumentu) {
        vychozi.slozka = *slozkaDokumentu;
        vychozi.soubor = VychoziSouborZdroju(*slozkaDokumentu);
    } else {
        vychozi.slozka = std::move(nastaveni.slozka);
        vychozi.soubor = std::move(nastaveni.soubor);
    }
    if (prvniZarizeni) {
        vychozi.friendlyName = prvniZarizeni->friendlyName;
        vychozi.popisZarizeni = prvniZarizeni->popis;
        vychozi.devicePath = prvniZarizeni->devicePath;
    } else {
        vychozi.friendlyName = std::move(nastaveni.friendlyName);
        vychozi.popisZarizeni = std::move(nastaveni.popisZarizeni);
        vychozi.devicePath = std::move(nastaveni.devicePath);
    }
    vychozi.horkeKlavesy.NastavitVychozi();
    nastaveni = std::move(vychozi);
}

} // namespace Vrbatec
