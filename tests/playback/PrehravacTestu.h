// What the tests of the hosted player share: COM on the test thread, a hidden parent window,
// a listener that records the play states it is told, waiting with the messages pumped (the
// control delivers its events through them), and the tone that the build puts next to the
// test program.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
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

// The generated tone: 440 Hz, stereo, a few seconds.
inline std::wstring CestaTonu() {
    wchar_t cesta[MAX_PATH];
    const DWORD delka = ::GetModuleFileNameW(nullptr, cesta, MAX_PATH);
    std::wstring slozka(cesta, delka);
    slozka.erase(slozka.find_last_of(L"\\/") + 1);
    return slozka + L"ton440.wav";
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
