// What the playback benchmarks share: a tone file, a one-source list pointing at it, the
// settings that make the program use it, and the control's states in this program.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "playback/Prehravac.h"
#include "BeziciProgram.h"
#include "Mereni.h"
#include "support/TonWav.h"

namespace Mereni {

constexpr int kPrehravaStav = 3;

// A list with the source as its only entry, and the settings that make the program read that
// list and select the source.
inline bool NastavitJedinyZdroj(const std::wstring& seznam, const Vrbatec::Zdroj& zdroj) {
    const DWORD nula = 0;
    return ZapsatSeznam(seznam, {zdroj}) && NastavitSouborSeznamu(seznam) &&
           RegSetKeyValueW(HKEY_CURRENT_USER,
                           (std::wstring(Vrbatec::kKorenNastaveni) + L"\\Stav aplikace").c_str(),
                           L"prehravanyIndex", REG_DWORD, &nula, sizeof(nula)) == ERROR_SUCCESS;
}

// The tone, a list with it as the only source, and the settings that make the program read
// that list and select the source; all of it goes when the benchmark ends.
class PripravenyTon {
public:
    PripravenyTon(const wchar_t* jmeno, std::uint32_t sekund)
        : ton(DocasnySoubor((std::wstring(jmeno) + L".wav").c_str())),
          seznam(DocasnySoubor((std::wstring(jmeno) + L".xml").c_str())) {
        pripraven = Vrbatec::Testy::ZapsatTonWav(ton, sekund) &&
                    NastavitJedinyZdroj(seznam, {L"Tón", ton, -1, true});
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

// The commit charge: what the process has reserved backing for, its private bytes; -1 when
// it cannot be read.
inline double PrivatniKiB(HANDLE proces) {
    PROCESS_MEMORY_COUNTERS_EX citace{};
    citace.cb = sizeof(citace);
    if (!GetProcessMemoryInfo(proces, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&citace),
                              sizeof(citace))) {
        return -1;
    }
    return static_cast<double>(citace.PagefileUsage) / 1024;
}

// Plays the program's selected source and waits for its playing text; false, said on the
// error output, when the window did not come up or nothing played.
inline bool SpustitPrehravani(HWND okno, const StavovyRadek& radek) {
    if (!radek.Pripraven()) {
        std::fprintf(stderr, "the program's window did not come up\n");
        return false;
    }
    PostMessageW(okno, WM_COMMAND, 40006, 0);
    if (!radek.PockatNaText(L"Přehrávání")) {
        std::fprintf(stderr, "the program did not play\n");
        return false;
    }
    return true;
}

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
