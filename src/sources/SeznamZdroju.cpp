#include "sources/SeznamZdroju.h"

#include <cstdlib>
#include <utility>

namespace Vrbatec {

void SeznamZdroju::OveritIndex(std::uint32_t index) const {
    if (index >= zdroje_.size()) {
        chybaIndexu_(kNeplatnyIndex);
        // The handler must end the operation; going on would touch memory outside the list.
        std::abort();
    }
}

const Zdroj& SeznamZdroju::Polozka(std::uint32_t index) const {
    OveritIndex(index);
    return zdroje_[index];
}

Zdroj& SeznamZdroju::Zapisovatelna(std::uint32_t index) {
    OveritIndex(index);
    return zdroje_[index];
}

void SeznamZdroju::Pridat(std::wstring nazev, std::wstring url, bool menu) {
    zdroje_.push_back(Zdroj{std::move(nazev), std::move(url), kBezVlastniHlasitosti, menu});
}

void SeznamZdroju::NastavitNazev(std::uint32_t index, std::wstring nazev) {
    Zapisovatelna(index).nazev = std::move(nazev);
}

void SeznamZdroju::NastavitUrl(std::uint32_t index, std::wstring url) {
    Zapisovatelna(index).url = std::move(url);
}

void SeznamZdroju::NastavitHlasitost(std::uint32_t index, std::int32_t hlasitost) {
    Zapisovatelna(index).hlasitost = hlasitost;
}

void SeznamZdroju::NastavitMenu(std::uint32_t index, bool menu) {
    Zapisovatelna(index).menu = menu;
}

void SeznamZdroju::Odebrat(std::uint32_t index) {
    OveritIndex(index);
    zdroje_.erase(zdroje_.begin() + index);
}

void SeznamZdroju::Vymazat() {
    std::vector<Zdroj>().swap(zdroje_);
}

void SeznamZdroju::Nahradit(std::vector<Zdroj> zdroje) {
    zdroje_ = std::move(zdroje);
}

} // namespace Vrbatec
