// Rules of the source views that need no window: which row is selected after a refill or a
// removal, which way a click on a column header sorts, what a row of the list shows, and
// the wrapping search behind type-to-find.
//
// Indexes are plain row numbers: a row of the list view and an item of the combo box show
// the source with the same index, so a selection is simply a number, -1 for none.
#pragma once

#include <cstddef>
#include <string_view>

#include "sources/SeznamZdroju.h"

namespace Vrbatec::PravidlaVyberu {

inline constexpr int kZadnyVyber = -1;
inline constexpr int kSloupecNazev = 0;
inline constexpr int kSloupecUrl = 1;

constexpr bool JePlatnyIndex(int index, std::uint32_t pocet) noexcept {
    return index >= 0 && static_cast<std::uint32_t>(index) < pocet;
}

// The selection after the list has been shown again. A missing selection falls on the first
// source; at start-up (obnovitPosledni) the last played source wins when it still exists.
int VyberPriNaplneni(int vybrany, std::uint32_t pocet, bool obnovitPosledni,
                     int posledniPrehravany) noexcept;

// After a removal the selection stays on the same number unless it now points past the end:
// removing the last source selects the new last one, removing the only one leaves none.
int VyberPoOdebrani(int vybrany, std::uint32_t pocetPoOdebrani) noexcept;

struct Razeni {
    int sloupec = kZadnyVyber;
    bool sestupne = false;

    friend bool operator==(const Razeni&, const Razeni&) = default;
};

// The sort that a click on the header of the column asks for: a new column sorts ascending,
// further clicks on the same column alternate. The result is also the new remembered state.
Razeni DalsiRazeni(Razeni posledni, int sloupec) noexcept;

// The text of a cell; empty for a row or column that the list does not have, so that a view
// asking about a row that has just been removed shows nothing instead of failing.
std::wstring_view TextBunky(const SeznamZdroju& seznam, int radek, int sloupec) noexcept;

// Copies as much of the text as fits in the buffer of kapacita characters, always ending it
// with a zero (nothing is written when kapacita is not positive).
void KopirovatDoBufferu(std::wstring_view text, wchar_t* cil, int kapacita) noexcept;

// The first index from start on (wrapping to the beginning when zalomit) for which odpovida
// is true; -1 when none is. A start outside the list begins at 0.
template <class Odpovida>
int NajitOd(std::uint32_t pocet, int start, bool zalomit, Odpovida odpovida) {
    const auto n = static_cast<std::size_t>(pocet);
    const std::size_t zacatek = JePlatnyIndex(start, pocet) ? static_cast<std::size_t>(start) : 0;
    const std::size_t kroku = zalomit ? n : n - zacatek;
    for (std::size_t krok = 0; krok < kroku; ++krok) {
        const std::size_t index = (zacatek + krok) % n;
        if (odpovida(index)) {
            return static_cast<int>(index);
        }
    }
    return kZadnyVyber;
}

} // namespace Vrbatec::PravidlaVyberu
