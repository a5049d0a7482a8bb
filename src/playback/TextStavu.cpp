#include "playback/TextStavu.h"

#include <limits>

#include "winapi/VzorTextu.h"

namespace Vrbatec::TextStavu {

UcinekStavu PodleStavu(std::int32_t stav) {
    switch (stav) {
    case 1:
        return {.text = L"Zastaveno", .zapomenoutAdresu = true, .zapomenoutNazev = true};
    case 2:
        return {.text = L"Přerušeno"};
    case 3:
        return {.text = L"Přehrávání", .textDatovehoToku = true};
    case 6:
        return {.text = L"Načítání do bufferu..."};
    case 7:
        return {.text = L"Čekání"};
    case 8:
        return {.text = L"Konec vysílání"};
    case 9:
        return {.text = L"Připravuji data"};
    case 10:
        return {.text = L"Připraven k přehrávání", .zapomenoutAdresu = true};
    case 11:
        return {.text = L"Znovu připojuji k vysílání"};
    default:
        // Scanning (4, 5) and numbers the player does not define keep what is shown.
        return {};
    }
}

std::int32_t KilobituZaSekundu(std::wstring_view bitovaRychlost) {
    constexpr std::int64_t kNejvic = std::numeric_limits<std::int32_t>::max();
    std::int64_t bitu = 0;
    for (const wchar_t znak : bitovaRychlost) {
        if (znak < L'0' || znak > L'9') {
            break;
        }
        bitu = bitu * 10 + (znak - L'0');
        if (bitu > kNejvic) {
            bitu = kNejvic;
        }
    }
    return static_cast<std::int32_t>(bitu / 1000);
}

std::wstring NazevPrehravanehoZdroje(const std::wstring& otevrenaAdresa, const SeznamZdroju& zdroje,
                                     std::int32_t vybranyIndex) {
    if (!otevrenaAdresa.empty()) {
        return otevrenaAdresa;
    }
    if (vybranyIndex < 0 || static_cast<std::uint32_t>(vybranyIndex) >= zdroje.Pocet()) {
        return {};
    }
    return zdroje.Polozka(static_cast<std::uint32_t>(vybranyIndex)).nazev;
}

std::wstring TextDatovehoToku(std::int32_t kilobituZaSekundu, std::wstring_view nazev) {
    return VzorTextu::Dosadit(L"Přehrávání - %d kb/s - %s",
                              {std::to_wstring(kilobituZaSekundu), nazev});
}

std::wstring PripojitTitul(std::wstring text, std::wstring_view titul, std::size_t nejvic) {
    static constexpr std::wstring_view kOddelovac = L" – ";
    static constexpr std::wstring_view kVypustka = L"…";
    if (titul.empty() || text.size() + kOddelovac.size() >= nejvic) {
        return text;
    }
    const std::size_t mista = nejvic - text.size() - kOddelovac.size();
    if (titul.size() <= mista) {
        return text.append(kOddelovac).append(titul);
    }
    std::size_t delka = mista - kVypustka.size();
    // Half of a surrogate pair would show as a broken character.
    if (delka > 0 && titul[delka - 1] >= 0xD800 && titul[delka - 1] <= 0xDBFF) {
        --delka;
    }
    if (delka == 0) {
        return text; // an ellipsis alone tells nothing
    }
    return text.append(kOddelovac).append(titul.substr(0, delka)).append(kVypustka);
}

std::wstring TitulekPrehravani(std::wstring_view nazev, std::wstring_view nazevAplikace) {
    return VzorTextu::Dosadit(L"%s - %s", {nazev, nazevAplikace});
}

std::wstring TipIkonyPrehravani(std::wstring_view nazevAplikace, std::wstring_view nazev) {
    return VzorTextu::Dosadit(L"%s\n%s", {nazevAplikace, nazev});
}

} // namespace Vrbatec::TextStavu
