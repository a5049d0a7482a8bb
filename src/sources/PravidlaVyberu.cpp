#include "sources/PravidlaVyberu.h"

#include <algorithm>

namespace Vrbatec::PravidlaVyberu {

int VyberPriNaplneni(int vybrany, std::uint32_t pocet, bool obnovitPosledni,
                     int posledniPrehravany) noexcept {
    if (vybrany < 0 && pocet > 0) {
        vybrany = 0;
    }
    if (obnovitPosledni && JePlatnyIndex(posledniPrehravany, pocet)) {
        vybrany = posledniPrehravany;
    }
    return vybrany;
}

int VyberPoOdebrani(int vybrany, std::uint32_t pocetPoOdebrani) noexcept {
    if (vybrany >= 0 && static_cast<std::uint32_t>(vybrany) >= pocetPoOdebrani) {
        return vybrany - 1;
    }
    return vybrany;
}

Razeni DalsiRazeni(Razeni posledni, int sloupec) noexcept {
    if (sloupec != posledni.sloupec) {
        return {sloupec, false};
    }
    return {sloupec, !posledni.sestupne};
}

std::wstring_view TextBunky(const SeznamZdroju& seznam, int radek, int sloupec) noexcept {
    if (!JePlatnyIndex(radek, seznam.Pocet())) {
        return {};
    }
    const Zdroj& zdroj = seznam.Vse()[static_cast<std::size_t>(radek)];
    switch (sloupec) {
    case kSloupecNazev:
        return zdroj.nazev;
    case kSloupecUrl:
        return zdroj.url;
    default:
        return {};
    }
}

void KopirovatDoBufferu(std::wstring_view text, wchar_t* cil, int kapacita) noexcept {
    if (cil == nullptr || kapacita <= 0) {
        return;
    }
    const std::size_t delka = std::min(text.size(), static_cast<std::size_t>(kapacita) - 1);
    std::copy_n(text.data(), delka, cil);
    cil[delka] = L'\0';
}

} // namespace Vrbatec::PravidlaVyberu
