#include "app/DatovaSlozka.h"

namespace Vrbatec::DatovaSlozka {

std::uint32_t NormalizovatTypJednotky(std::uint32_t typ) {
    return (typ >= 2 && typ <= 5) ? typ : 0;
}

std::wstring SlozkaSouboru(const std::wstring& cesta) {
    const size_t lomitko = cesta.find_last_of(L"\\/");
    if (lomitko == std::wstring::npos) {
        return std::wstring();
    }
    // A root keeps its backslash ("C:\"), as the shell's path functions leave it.
    if (lomitko == 2 && cesta.size() > 1 && cesta[1] == L':') {
        return cesta.substr(0, 3);
    }
    return cesta.substr(0, lomitko);
}

Plan Naplanovat(const std::wstring& slozkaProgramu, std::uint32_t typJednotky,
                const std::wstring& localAppData) {
    Plan plan;
    if (NormalizovatTypJednotky(typJednotky) == kJednotkaVymenna) {
        plan.cesta = slozkaProgramu;
        return plan;
    }
    plan.potrebujeLocalAppData = true;
    std::wstring cesta = localAppData;
    if (!cesta.empty() && cesta.back() == L'\\') {
        cesta.pop_back();
    }
    for (const wchar_t* cast : {L"\\Vrbatec", L"\\Zvukolet", L"\\2"}) {
        cesta += cast;
        plan.vytvorit.push_back(cesta);
    }
    plan.cesta = cesta;
    return plan;
}

} // namespace Vrbatec::DatovaSlozka
