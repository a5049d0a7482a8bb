// What the benchmarks that run under Wine share: the clock and the median they report, paths
// as Windows sees them, and the list files they give the program.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "sources/KodekZdroju.h"

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
    HANDLE soubor = CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (soubor == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD zapsano = 0;
    const BOOL ok =
        WriteFile(soubor, bajty.data(), static_cast<DWORD>(bajty.size()), &zapsano, nullptr);
    CloseHandle(soubor);
    return ok != FALSE && zapsano == bajty.size();
}

} // namespace Mereni
