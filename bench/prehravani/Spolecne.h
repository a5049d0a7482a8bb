// What the playback benchmarks share: a tone file, a one-source list pointing at it, the
// settings that make the program use it, and the control's states in this program.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "playback/Prehravac.h"
#include "Mereni.h"
#include "support/TonWav.h"

namespace Mereni {

constexpr int kPrehravaStav = 3;

// The tone, a list with it as the only source, and the settings that make the program read
// that list and select the source; all of it goes when the benchmark ends.
class PripravenyTon {
public:
    PripravenyTon(const wchar_t* jmeno, std::uint32_t sekund)
        : ton(DocasnySoubor((std::wstring(jmeno) + L".wav").c_str())),
          seznam(DocasnySoubor((std::wstring(jmeno) + L".xml").c_str())) {
        const DWORD nula = 0;
        pripraven =
            Vrbatec::Testy::ZapsatTonWav(ton, sekund) &&
            ZapsatSeznam(seznam, {{L"Tón", ton, -1, true}}) && NastavitSouborSeznamu(seznam) &&
            RegSetKeyValueW(HKEY_CURRENT_USER,
                            (std::wstring(Vrbatec::kKorenNastaveni) + L"\\Stav aplikace").c_str(),
                            L"prehravanyIndex", REG_DWORD, &nula, sizeof(nula)) == ERROR_SUCCESS;
        if (!pripraven) {
            std::fprintf(stderr, "the tone or the list could not be prepared\n");
        }
    }
    ~PripravenyTon() {
        NastavitSouborSeznamu(L"");
        DeleteFileW(ton.c_str());
        DeleteFileW(seznam.c_str());
    }
    PripravenyTon(const PripravenyTon&) = delete;
    PripravenyTon& operator=(const PripravenyTon&) = delete;

    const std::wstring ton;
    const std::wstring seznam;
    bool pripraven = false;
};

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

} // namespace Mereni
