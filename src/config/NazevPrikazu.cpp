#include "config/NazevPrikazu.h"

namespace Vrbatec {

namespace {

bool JeCislice(wchar_t znak) {
    return znak >= L'0' && znak <= L'9';
}

} // namespace

std::wstring NazevHodnotyPrikazu(std::uint32_t prikaz) {
    return std::to_wstring(static_cast<std::int32_t>(prikaz));
}

std::int32_t CisloZNazvu(std::wstring_view nazev) {
    std::size_t pozice = 0;
    const bool zaporne = !nazev.empty() && nazev[0] == L'-';
    if (zaporne) {
        pozice = 1;
    }
    if (pozice >= nazev.size() || !JeCislice(nazev[pozice])) {
        return 0;
    }
    // Unsigned arithmetic wraps where the shell's 64-bit accumulator would overflow.
    std::uint64_t hodnota = 0;
    for (; pozice < nazev.size() && JeCislice(nazev[pozice]); ++pozice) {
        hodnota = hodnota * 10 + static_cast<std::uint64_t>(nazev[pozice] - L'0');
    }
    if (zaporne) {
        hodnota = 0 - hodnota;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(hodnota));
}

} // namespace Vrbatec
