#include "playback/VolbaPrehravace.h"

#include <algorithm>
#include <array>

#include "config/Nastaveni.h"

namespace Vrbatec::VolbaPrehravace {

namespace {

// `zacatek` in lower case.
bool ZacinaBezVelikosti(std::wstring_view text, std::wstring_view zacatek) {
    return text.size() >= zacatek.size() &&
           std::equal(zacatek.begin(), zacatek.end(), text.begin(), [](wchar_t maly, wchar_t z) {
               return maly == (z >= L'A' && z <= L'Z' ? static_cast<wchar_t>(z - L'A' + L'a') : z);
           });
}

} // namespace

Cil ProAdresu(std::wstring_view adresa, std::uint32_t prehravacStreamu) {
    if (prehravacStreamu == kStreamyOvladacem) {
        return Cil::Ovladac;
    }
    constexpr std::array<std::wstring_view, 2> kSchemataStreamu{L"http://", L"https://"};
    const bool stream =
        std::any_of(kSchemataStreamu.begin(), kSchemataStreamu.end(),
                    [&](std::wstring_view s) { return ZacinaBezVelikosti(adresa, s); });
    return stream ? Cil::Motor : Cil::Ovladac;
}

} // namespace Vrbatec::VolbaPrehravace
