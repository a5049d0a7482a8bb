// What the tests of the hosted player share: COM on the test thread, a hidden parent window,
// a listener that records the play states it is told, and the tone to play.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "playback/Prehravac.h"
#include "support/Cekani.h"
#include "support/TonWav.h"
#include "winapi/Handle.h"

namespace Vrbatec::Testy {

class ZaznamStavu final : public PosluchacPrehravace {
public:
    void PriZmeneStavu(std::int32_t stav) override { stavy.push_back(stav); }
    bool Obsahuje(std::int32_t stav) const {
        return std::find(stavy.begin(), stavy.end(), stav) != stavy.end();
    }
    std::vector<std::int32_t> stavy;
};

// The tone for six seconds, written once per process next to the test program. Each
// process writes its own copy and puts it in place in one step, so parallel runs never see half
// a file.
inline std::wstring CestaTonu() {
    static const std::wstring cesta = [] {
        wchar_t modul[MAX_PATH];
        const DWORD delka = ::GetModuleFileNameW(nullptr, modul, MAX_PATH);
        const std::filesystem::path slozka =
            std::filesystem::path(modul, modul + delka).parent_path();
        const std::filesystem::path cil = slozka / L"ton440.wav";
        const std::filesystem::path docasny =
            slozka / (L"ton440-" + std::to_wstring(::GetCurrentProcessId()) + L".tmp");
        ZapsatTonWav(docasny, 6);
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

    WinApi::UniqueWindow rodic_;
};

} // namespace Vrbatec::Testy
