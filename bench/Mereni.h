// What the benchmarks that run under Wine share: the clock and the median they report, paths
// as Windows sees them, and the list files they give the program.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "config/PopisNastaveni.h"
#include "sources/KodekZdroju.h"
#include "winapi/Handle.h"

namespace Mereni {

using Hodiny = std::chrono::steady_clock;

inline double Median(std::vector<double> hodnoty) {
    std::sort(hodnoty.begin(), hodnoty.end());
    const size_t n = hodnoty.size();
    return n % 2 ? hodnoty[n / 2] : (hodnoty[n / 2 - 1] + hodnoty[n / 2]) / 2;
}

inline double Ms(Hodiny::time_point od) {
    return std::chrono::duration<double, std::milli>(Hodiny::now() - od).count();
}

// The build passes the programs' Unix paths.
inline std::wstring CestaWindows(std::wstring cesta) {
    if (!cesta.empty() && cesta[0] == L'/') {
        cesta.insert(0, L"Z:");
    }
    std::replace(cesta.begin(), cesta.end(), L'/', L'\\');
    return cesta;
}

inline std::wstring DocasnySoubor(const wchar_t* jmeno) {
    wchar_t docasna[MAX_PATH];
    GetTempPathW(MAX_PATH, docasna);
    return std::wstring(docasna) + jmeno;
}

inline bool ZapsatSeznam(const std::wstring& cesta, const std::vector<Vrbatec::Zdroj>& zdroje) {
    const std::vector<std::uint8_t> bajty = Vrbatec::KodekZdroju::ZakodovatNaBajty(zdroje);
    const Vrbatec::WinApi::UniqueHandle soubor(CreateFileW(
        cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD zapsano = 0;
    return soubor &&
           WriteFile(soubor.Get(), bajty.data(), static_cast<DWORD>(bajty.size()), &zapsano,
                     nullptr) != FALSE &&
           zapsano == bajty.size();
}

// Points the program's settings at the list file (an empty path removes the value).
inline bool NastavitSouborSeznamu(const std::wstring& cesta) {
    const std::wstring klicZdroju = std::wstring(Vrbatec::kKorenNastaveni) + L"\\Zdroje";
    const wchar_t* const kKlicZdroju = klicZdroju.c_str();
    if (cesta.empty()) {
        const LSTATUS stav = RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicZdroju, L"soubor");
        return stav == ERROR_SUCCESS || stav == ERROR_FILE_NOT_FOUND;
    }
    return RegSetKeyValueW(HKEY_CURRENT_USER, kKlicZdroju, L"soubor", REG_SZ, cesta.c_str(),
                           static_cast<DWORD>((cesta.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

} // namespace Mereni
