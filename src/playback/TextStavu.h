// What the status bar says about playback, and the texts that name what plays.
//
// The player reports its progress only through play-state numbers; each number either
// replaces the status text or leaves it as it was (and some also forget what was opened).
// While playing, the text carries the stream's bit rate, which the player gives as text in
// bits per second.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sources/SeznamZdroju.h"

namespace Vrbatec::TextStavu {

struct UcinekStavu {
    // The new status text; nothing when the previous text stays.
    std::optional<std::wstring_view> text;
    // While playing, the bit-rate text takes the place of `text` when it can be built.
    bool textDatovehoToku = false;
    bool zapomenoutAdresu = false;
    bool zapomenoutNazev = false;
};

// Any number, also one the player does not define.
UcinekStavu PodleStavu(std::int32_t stav);

// The leading decimal digits of the player's text as kilobits per second; no digits give 0,
// and a number too large for the text is taken as the largest one.
std::int32_t KilobituZaSekundu(std::wstring_view bitovaRychlost);

// What plays, for the bit-rate text: the opened address while there is one, else the
// source at the selected index; an index outside the list names nothing.
std::wstring NazevPrehravanehoZdroje(const std::wstring& otevrenaAdresa, const SeznamZdroju& zdroje,
                                     std::int32_t vybranyIndex);

std::wstring TextDatovehoToku(std::int32_t kilobituZaSekundu, std::wstring_view nazev);

// The longest text of a status bar part or of the notification icon's tooltip.
inline constexpr std::size_t kNejdelsiTextPole = 127;

// `text`, then " – " and the stream's title, cut with "…" so the whole fits in `nejvic`
// characters; a title that does not fit even cut leaves the text alone, as does no title.
std::wstring PripojitTitul(std::wstring text, std::wstring_view titul,
                           std::size_t nejvic = kNejdelsiTextPole);

// The main window's title while something plays, and the notification icon's tooltip.
std::wstring TitulekPrehravani(std::wstring_view nazev, std::wstring_view nazevAplikace);
std::wstring TipIkonyPrehravani(std::wstring_view nazevAplikace, std::wstring_view nazev);

} // namespace Vrbatec::TextStavu
