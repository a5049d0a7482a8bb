#include "winapi/CisloVRozsahu.h"

#include <limits>

#include "winapi/VzorTextu.h"

namespace Vrbatec::WinApi {

std::optional<std::uint32_t> PrecistCislo(std::wstring_view text) {
    const auto zacatek = text.find_first_not_of(L' ');
    if (zacatek == std::wstring_view::npos) {
        return std::nullopt;
    }
    text = text.substr(zacatek, text.find_last_not_of(L' ') - zacatek + 1);
    std::uint64_t cislo = 0;
    for (const wchar_t znak : text) {
        if (znak < L'0' || znak > L'9') {
            return std::nullopt;
        }
        cislo = cislo * 10 + static_cast<std::uint64_t>(znak - L'0');
        if (cislo > std::numeric_limits<std::uint32_t>::max()) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(cislo);
}

bool JeVRozsahu(std::uint32_t cislo, RozsahCisla rozsah) noexcept {
    if (rozsah.minimum >= 0 && cislo < static_cast<std::uint32_t>(rozsah.minimum)) {
        return false;
    }
    return rozsah.maximum < 0 || cislo <= static_cast<std::uint32_t>(rozsah.maximum);
}

std::optional<std::uint32_t> PlatneCislo(std::wstring_view text, RozsahCisla rozsah) {
    const auto cislo = PrecistCislo(text);
    if (!cislo || !JeVRozsahu(*cislo, rozsah)) {
        return std::nullopt;
    }
    return cislo;
}

CisloPoOpusteni OpustitPole(std::wstring_view text, RozsahCisla rozsah, std::uint32_t ulozena) {
    if (const auto cislo = PlatneCislo(text, rozsah)) {
        return {*cislo, false};
    }
    return {ulozena, true};
}

std::wstring NapovedaRozsahu(RozsahCisla rozsah) {
    const std::wstring minimum = std::to_wstring(rozsah.minimum);
    const std::wstring maximum = std::to_wstring(rozsah.maximum);
    if (rozsah.minimum >= 0 && rozsah.maximum >= 0) {
        return VzorTextu::Dosadit(L"Zadejte hodnotu v rozsahu %d - %d", {minimum, maximum});
    }
    if (rozsah.minimum >= 0) {
        return VzorTextu::Dosadit(L"Zadejte číselnou hodnotu od %d", {minimum});
    }
    if (rozsah.maximum >= 0) {
        return VzorTextu::Dosadit(L"Zadejte číselnou hodnotu do %d", {maximum});
    }
    return L"Zadejte číselnou hodnotu";
}

} // namespace Vrbatec::WinApi
