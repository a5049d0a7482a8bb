// The ordered list of sources. A source's index is its identity everywhere else (list
// view, combo box, the sources submenu, the playing index), so the order changes only by
// appending, removing and sorting.
//
// An index outside the list given to a write or a removal is a programming error: the list
// hands E_INVALIDARG to its error handler, which must not return (the program ends through
// its fatal path; tests throw).
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "sources/Zdroj.h"

namespace Vrbatec {

class SeznamZdroju {
public:
    using ChybaIndexu = void (*)(std::int32_t kod);

    // E_INVALIDARG, as the handler receives it.
    static constexpr std::int32_t kNeplatnyIndex = static_cast<std::int32_t>(0x80070057u);

    explicit SeznamZdroju(ChybaIndexu chybaIndexu) : chybaIndexu_(chybaIndexu) {}

    std::uint32_t Pocet() const { return static_cast<std::uint32_t>(zdroje_.size()); }
    // Callers check the index first; a wrong one still does not read outside the list.
    const Zdroj& Polozka(std::uint32_t index) const;
    const std::vector<Zdroj>& Vse() const { return zdroje_; }

    void Pridat(std::wstring nazev, std::wstring url, bool menu);
    void NastavitNazev(std::uint32_t index, std::wstring nazev);
    void NastavitUrl(std::uint32_t index, std::wstring url);
    void NastavitHlasitost(std::uint32_t index, std::int32_t hlasitost);
    void NastavitMenu(std::uint32_t index, bool menu);
    void Odebrat(std::uint32_t index);
    void Vymazat();
    // Replaces the whole list with records read from the file.
    void Nahradit(std::vector<Zdroj> zdroje);

    template <class Porovnani>
    void Seradit(Porovnani porovnani) {
        std::stable_sort(zdroje_.begin(), zdroje_.end(), porovnani);
    }

private:
    Zdroj& Zapisovatelna(std::uint32_t index);
    void OveritIndex(std::uint32_t index) const;

    ChybaIndexu chybaIndexu_;
    std::vector<Zdroj> zdroje_;
};

} // namespace Vrbatec
