// What the playback benchmarks share: a tone file, a one-source list pointing at it, the
// settings that make the program use it, the control's states in this program, and the
// program's status text read from its memory.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "playback/Prehravac.h"
#include "sources/KodekZdroju.h"
#include "support/TonWav.h"

namespace Mereni {

using Hodiny = std::chrono::steady_clock;
constexpr int kPrehravaStav = 3;

inline double Median(std::vector<double> hodnoty) {
    std::sort(hodnoty.begin(), hodnoty.end());
    const size_t n = hodnoty.size();
    return n % 2 ? hodnoty[n / 2] : (hodnoty[n / 2 - 1] + hodnoty[n / 2]) / 2;
}

inline double Ms(Hodiny::time_point od) {
    return std::chrono::duration<double, std::milli>(Hodiny::now() - od).count();
}

inline bool ZapsatSeznam(const std::wstring& cesta, const std::wstring& ton) {
    const std::vector<Vrbatec::Zdroj> zdroje{{L"Tón", ton, -1, true}};
    const auto bajty = Vrbatec::KodekZdroju::ZakodovatNaBajty(zdroje);
    HANDLE soubor = CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (soubor == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD zapsano = 0;
    const BOOL ok =
        WriteFile(soubor, bajty.data(), static_cast<DWORD>(bajty.size()), &zapsano, nullptr);
    CloseHandle(soubor);
    return ok != FALSE;
}

inline bool NastavitHodnotu(const wchar_t* klic, const wchar_t* nazev, DWORD typ, const void* data,
                            DWORD velikost) {
    return RegSetKeyValueW(HKEY_CURRENT_USER, klic, nazev, typ, data, velikost) == ERROR_SUCCESS;
}

// The bare side: the control in a window of this program.
// The tone, a list with it as the only source, and the settings that make the program read
// that list and select the source.
inline bool PripravitTonASeznam(const std::wstring& ton, const std::wstring& seznam,
                                std::uint32_t sekund) {
    const DWORD nula = 0;
    return Vrbatec::Testy::ZapsatTonWav(ton, sekund) && ZapsatSeznam(seznam, ton) &&
           NastavitHodnotu(L"Software\\Vrbatec\\Zvukolet\\2\\Zdroje", L"soubor", REG_SZ,
                           seznam.c_str(), static_cast<DWORD>((seznam.size() + 1) * 2)) &&
           NastavitHodnotu(L"Software\\Vrbatec\\Zvukolet\\2\\Stav aplikace", L"prehravanyIndex",
                           REG_DWORD, &nula, sizeof(nula));
}

class Posluchac final : public Vrbatec::PosluchacPrehravace {
public:
    void PriZmeneStavu(std::int32_t stav) override { posledni = stav; }
    std::int32_t posledni = 0;
};

inline bool Pockat(const Posluchac& posluchac, std::int32_t stav) {
    const auto zacatek = Hodiny::now();
    MSG zprava;
    while (posluchac.posledni != stav) {
        if (Ms(zacatek) > 10000) {
            return false;
        }
        while (PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&zprava);
        }
        Sleep(1);
    }
    return true;
}

// The program's side: its status text, read from its memory.
inline std::wstring TextStavu(HWND radek, HANDLE proces, void* vzdaleny) {
    wchar_t text[256] = {};
    if (SendMessageTimeoutW(radek, SB_GETTEXTW, 2, reinterpret_cast<LPARAM>(vzdaleny), SMTO_BLOCK,
                            2000, nullptr) != 0) {
        ReadProcessMemory(proces, vzdaleny, text, sizeof(text) - sizeof(wchar_t), nullptr);
    }
    return text;
}

inline bool PockatNaText(HWND radek, HANDLE proces, void* vzdaleny, const std::wstring& zacatek) {
    const auto od = Hodiny::now();
    while (TextStavu(radek, proces, vzdaleny).rfind(zacatek, 0) != 0) {
        if (Ms(od) > 10000) {
            return false;
        }
        Sleep(1);
    }
    return true;
}

inline std::wstring CestaWindows(std::wstring cesta) {
    if (!cesta.empty() && cesta[0] == L'/') {
        cesta.insert(0, L"Z:");
    }
    std::replace(cesta.begin(), cesta.end(), L'/', L'\\');
    return cesta;
}

} // namespace Mereni
