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
#include "Mereni.h"
#include "support/TonWav.h"

namespace Mereni {

constexpr int kPrehravaStav = 3;

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
    return Vrbatec::Testy::ZapsatTonWav(ton, sekund) &&
           ZapsatSeznam(seznam, {{L"Tón", ton, -1, true}}) &&
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

} // namespace Mereni
