#include "recording/NazevZaznamu.h"

#include <algorithm>

namespace Vrbatec::NazevZaznamu {

namespace {

constexpr std::wstring_view kZakazaneZnaky = L"\\/:*?\"<>|";

bool ZakazanyZnak(wchar_t znak) {
    return znak < L' ' || kZakazaneZnaky.find(znak) != std::wstring_view::npos;
}

std::wstring DveCislice(std::uint32_t cislo) {
    std::wstring text = std::to_wstring(cislo);
    return text.size() < 2 ? L"0" + text : text;
}

bool KonciOddelovacem(std::wstring_view slozka) {
    return !slozka.empty() && (slozka.back() == L'\\' || slozka.back() == L'/');
}

} // namespace

std::wstring BezpecnyNazev(std::wstring_view nazev) {
    std::wstring bezpecny(nazev);
    std::replace_if(bezpecny.begin(), bezpecny.end(), ZakazanyZnak, L'-');
    return bezpecny;
}

std::wstring CastSNazvem(std::wstring_view prehravanyNazev) {
    if (prehravanyNazev.empty()) {
        return L"Záznam ";
    }
    return BezpecnyNazev(prehravanyNazev) + L" ";
}

std::wstring DatumACas(const Okamzik& okamzik) {
    return std::to_wstring(okamzik.den) + L"." + std::to_wstring(okamzik.mesic) + L"." +
           std::to_wstring(okamzik.rok) + L" " + DveCislice(okamzik.hodina) + L"-" +
           DveCislice(okamzik.minuta);
}

std::wstring VeSlozce(std::wstring_view slozka, std::wstring_view jmenoSouboru) {
    std::wstring cesta(slozka);
    if (!KonciOddelovacem(slozka)) {
        cesta += L'\\';
    }
    return cesta.append(jmenoSouboru);
}

std::optional<std::wstring> VolnaCesta(std::wstring_view bezPripony, std::wstring_view pripona,
                                       const JeObsazena& jeObsazena) {
    std::wstring cesta = std::wstring(bezPripony).append(pripona);
    for (std::uint32_t poradi = 2; jeObsazena(cesta); ++poradi) {
        if (poradi > kNejvyssiPoradi) {
            return std::nullopt;
        }
        cesta = std::wstring(bezPripony) + L" (" + std::to_wstring(poradi) + L")" +
                std::wstring(pripona);
    }
    return cesta;
}

std::optional<std::wstring> CestaZaznamu(std::wstring_view slozka,
                                         std::wstring_view prehravanyNazev, const Okamzik& okamzik,
                                         std::wstring_view pripona, const JeObsazena& jeObsazena) {
    const std::wstring bezPripony =
        VeSlozce(slozka, CastSNazvem(prehravanyNazev) + DatumACas(okamzik));
    return VolnaCesta(bezPripony, pripona, jeObsazena);
}

} // namespace Vrbatec::NazevZaznamu
