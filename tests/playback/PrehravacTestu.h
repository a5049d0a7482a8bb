// What the tests of the hosted player share: COM on the test thread, a hidden parent window,
// a listener that records the play states it is told, waiting with the messages pumped (the
// control delivers its events through them), and a tone to play.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "playback/Prehravac.h"
#include "winapi/Handle.h"

namespace Vrbatec::Testy {

class ZaznamStavu final : public PosluchacPrehravace {
public:
    void PriZmeneStavu(std::int32_t stav) override { stavy.push_back(stav); }
    bool Obsahuje(std::int32_t stav) const {
        for (const auto s : stavy) {
            if (s == stav) {
                return true;
            }
        }
        return false;
    }
    std::vector<std::int32_t> stavy;
};

// Pumps messages until podminka holds or the time is up; whether it held.
template <class Podminka>
bool CekatNa(Podminka podminka, DWORD milisekund) {
    const ULONGLONG konec = ::GetTickCount64() + milisekund;
    while (!podminka()) {
        const ULONGLONG ted = ::GetTickCount64();
        if (ted >= konec) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(konec - ted),
                                    QS_ALLINPUT);
        MSG zprava;
        while (::PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&zprava);
            ::DispatchMessageW(&zprava);
        }
    }
    return true;
}

inline void Pumpovat(DWORD milisekund) {
    CekatNa([] { return false; }, milisekund);
}

// A tone of 440 Hz, 16-bit stereo at 44.1 kHz, half of full scale, for six seconds, written
// once per process next to the test program. Each process writes its own copy and puts it in
// place in one step, so parallel runs never see half a file.
inline std::wstring CestaTonu() {
    static const std::wstring cesta = [] {
        wchar_t modul[MAX_PATH];
        const DWORD delka = ::GetModuleFileNameW(nullptr, modul, MAX_PATH);
        const std::filesystem::path slozka =
            std::filesystem::path(modul, modul + delka).parent_path();
        const std::filesystem::path cil = slozka / L"ton440.wav";
        const std::filesystem::path docasny =
            slozka / (L"ton440-" + std::to_wstring(::GetCurrentProcessId()) + L".tmp");

        constexpr std::uint32_t kVzorkovani = 44100;
        constexpr std::uint32_t kSnimku = kVzorkovani * 6;
        // Every field falls on its natural alignment: the struct is the 44 bytes of the file.
        struct {
            char riff[4] = {'R', 'I', 'F', 'F'};
            std::uint32_t velikost = 36 + kSnimku * 4;
            char hlavicky[8] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
            std::uint32_t delkaFormatu = 16;
            std::uint16_t kodovani = 1, kanalu = 2;
            std::uint32_t vzorkovani = kVzorkovani, bajtuZaSekundu = kVzorkovani * 4;
            std::uint16_t snimek = 4, bitu = 16;
            char data[4] = {'d', 'a', 't', 'a'};
            std::uint32_t delkaDat = kSnimku * 4;
        } hlavicka;
        static_assert(sizeof(hlavicka) == 44);
        std::vector<std::int16_t> vzorky;
        for (std::uint32_t n = 0; n < kSnimku; ++n) {
            const double faze = 2 * 3.14159265358979323846 * 440.0 * n / kVzorkovani;
            vzorky.insert(vzorky.end(), 2,
                          static_cast<std::int16_t>(std::lround(16383 * std::sin(faze))));
        }
        {
            std::ofstream soubor(docasny, std::ios::binary | std::ios::trunc);
            soubor.write(reinterpret_cast<const char*>(&hlavicka), sizeof(hlavicka));
            soubor.write(reinterpret_cast<const char*>(vzorky.data()),
                         static_cast<std::streamsize>(vzorky.size() * sizeof(std::int16_t)));
        }
        ::MoveFileExW(docasny.c_str(), cil.c_str(), MOVEFILE_REPLACE_EXISTING);
        return cil.wstring();
    }();
    return cesta;
}

class PrehravacTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        // The application object starts COM on this thread, as it does in the program.
        AplikaceInstance();
    }
    void SetUp() override {
        rodic_.Reset(::CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 200, 100, nullptr,
                                       nullptr, Instance(), nullptr));
        ASSERT_TRUE(rodic_);
    }

    static HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }
    HWND Rodic() const { return rodic_.Get(); }
    HWND PrvniPotomek() const { return ::GetWindow(rodic_.Get(), GW_CHILD); }

    WinApi::UniqueWindow rodic_;
};

} // namespace Vrbatec::Testy
