#include "update/Odkazy.h"

namespace Vrbatec::Odkazy {

namespace {

constexpr std::wstring_view kCestaAplikace = L"software/zvukolet/";

std::wstring NaWebuFirmy(std::wstring_view cesta) {
    std::wstring url(kWebFirmy);
    url.append(cesta);
    return url;
}

std::wstring Mailto(std::wstring_view adresa) {
    std::wstring url(L"mailto:");
    url.append(adresa);
    return url;
}

// The subject is a URL component: a character that would end it or start an escape is
// escaped, everything else stays readable for the mail program.
std::wstring DoPredmetu(std::wstring_view text) {
    std::wstring predmet;
    for (const wchar_t znak : text) {
        switch (znak) {
        case L'%':
            predmet += L"%25";
            break;
        case L'&':
            predmet += L"%26";
            break;
        case L'#':
            predmet += L"%23";
            break;
        default:
            predmet.push_back(znak);
        }
    }
    return predmet;
}

} // namespace

std::wstring WebAplikace() {
    return NaWebuFirmy(kCestaAplikace);
}

std::wstring WebJineAplikace(const JinaAplikace& aplikace) {
    return NaWebuFirmy(aplikace.cesta);
}

std::wstring TipJineAplikace(const JinaAplikace& aplikace) {
    std::wstring tip(L"Zobrazit webové stránky aplikace ");
    tip.append(aplikace.nazev);
    return tip;
}

std::wstring EmailPodpory(std::wstring_view nazevProduktu) {
    return Mailto(kAdresaPodpory) + L"?subject=" + DoPredmetu(nazevProduktu) +
           L" - žádost o technickou podporu";
}

std::wstring EmailPodporyPanelu() {
    return Mailto(kAdresaKontaktu) + L"?subject=Žádost o technickou podporu";
}

std::wstring EmailKontaktu() {
    return Mailto(kAdresaKontaktu);
}

} // namespace Vrbatec::Odkazy
