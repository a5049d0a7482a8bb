// Window placement on real windows and the real registry: what is saved when, what a load
// restores, and how a restored window is brought back onto the screen. The arithmetic itself,
// centring included, is tested natively (poloha_okna_test.cpp).
#include <gtest/gtest.h>

#include <array>

#include "OknaTestu.h"
#include "config/TestovaciKoren.h"
#include "winapi/Diagnostika.h"
#include "winapi/RegistraceTridy.h"
#include "winapi/UmisteniOkna.h"

namespace {

using namespace Vrbatec;
using Misto = std::array<LONG, 4>; // left, top, width, height

constexpr wchar_t kTrida[] = L"ZvukoletTestPoloha";

// A top-level window of the tests' class, created hidden at (120, 80) with 400 × 300.
class OknoSPolohou final : public WinApi::Okno {
public:
    OknoSPolohou() {
        const WNDCLASSEXW trida{.hInstance = ::GetModuleHandleW(nullptr), .lpszClassName = kTrida};
        OveritVolani(WinApi::RegistrovatTriduOkna(trida) != 0);
        Vytvorit({kTrida, L"", WS_OVERLAPPEDWINDOW, 0, 120, 80, 400, 300, nullptr, nullptr,
                  trida.hInstance});
    }
};

Misto MistoOkna(HWND okno) {
    RECT r{};
    ::GetWindowRect(okno, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Umistit(HWND okno, int x, int y, int sirka, int vyska) {
    ASSERT_TRUE(::SetWindowPos(okno, nullptr, x, y, sirka, vyska, SWP_NOZORDER | SWP_NOACTIVATE));
}

RECT PracovniOblast(HWND okno) {
    MONITORINFO info{.cbSize = sizeof(MONITORINFO)};
    ::GetMonitorInfoW(::MonitorFromWindow(okno, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

// Each test gets a settings root of its own under HKEY_CURRENT_USER.
class UlozeniPolohy : public testing::Test {
protected:
    void SetUp() override {
        okno.NastavitKlicRegistru(koren.Cesta().c_str());
        ::ShowWindow(okno.Hwnd(), SW_SHOWNOACTIVATE);
    }

    std::optional<DWORD> Hodnota(const wchar_t* hodnota, const std::wstring& nazev = kTrida) {
        DWORD data = 0, velikost = sizeof data;
        const std::wstring klic = koren.Cesta(L"Parametry oken\\" + nazev);
        if (::RegGetValueW(HKEY_CURRENT_USER, klic.c_str(), hodnota, RRF_RT_REG_DWORD, nullptr,
                           &data, &velikost) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return data;
    }

    Testy::TestovaciKoren koren;
    OknoSPolohou okno;
};

TEST_F(UlozeniPolohy, SavedPositionAndSizeComeBackUnderTheClassNameOrAGivenName) {
    Umistit(okno.Hwnd(), 150, 90, 420, 310);
    EXPECT_EQ(okno.UlozitPolohu(nullptr), 0);
    EXPECT_EQ(Hodnota(L"Poloha"), (90u << 16) | 150u);
    EXPECT_EQ(Hodnota(L"Velikost"), (310u << 16) | 420u);
    Umistit(okno.Hwnd(), 10, 20, 200, 100);
    EXPECT_EQ(okno.NacistPolohu(nullptr, false), 0);
    EXPECT_EQ(MistoOkna(okno.Hwnd()), (Misto{150, 90, 420, 310}));

    // Position only keeps the window's size.
    EXPECT_EQ(okno.UlozitPolohu(L"ZvukoletNastaveni"), 0);
    EXPECT_EQ(Hodnota(L"Poloha", L"ZvukoletNastaveni"), (90u << 16) | 150u);
    Umistit(okno.Hwnd(), 10, 20, 200, 100);
    EXPECT_EQ(okno.NacistPolohu(L"ZvukoletNastaveni", true), 0);
    EXPECT_EQ(MistoOkna(okno.Hwnd()), (Misto{150, 90, 200, 100}));
}

TEST_F(UlozeniPolohy, HiddenOrMaximisedWindowsLeaveWhatWasStored) {
    for (const int prikaz : {SW_HIDE, SW_MAXIMIZE}) {
        ::ShowWindow(okno.Hwnd(), prikaz);
        EXPECT_EQ(okno.UlozitPolohu(nullptr), 1) << prikaz;
        EXPECT_EQ(Hodnota(L"Poloha"), std::nullopt) << prikaz;
        ::ShowWindow(okno.Hwnd(), SW_RESTORE);
    }
}

TEST_F(UlozeniPolohy, AWindowSavedLeftOfTheScreenIsReadBackFarRightAndPulledOntoTheWorkArea) {
    EXPECT_EQ(okno.NacistPolohu(nullptr, false), 1) << "nothing stored";
    // What saving at (-500, 100) stores; read back at 65036.
    const std::wstring klic = L"Parametry oken\\" + std::wstring(kTrida);
    koren.ZapsatDword(klic, L"Poloha", 0x0064FE0C);
    EXPECT_EQ(okno.NacistPolohu(nullptr, false), 1) << "no size";
    EXPECT_EQ(MistoOkna(okno.Hwnd()), (Misto{120, 80, 400, 300}));
    koren.ZapsatDword(klic, L"Velikost", (280u << 16) | 520u);
    EXPECT_EQ(okno.NacistPolohu(nullptr, false), 0);
    EXPECT_EQ(MistoOkna(okno.Hwnd()),
              (Misto{PracovniOblast(okno.Hwnd()).right - 520, 100, 520, 280}));
}

TEST(UlozeniPolohyBezKlice, AWindowWithoutItsRegistryKeyEndsTheProgramWhenSaving) {
    const Testy::KonecVlakna konec = Testy::SpustitNaVlakne([] {
        auto* jine = new OknoSPolohou();
        ::ShowWindow(jine->Hwnd(), SW_SHOWNOACTIVATE);
        jine->UlozitPolohu(nullptr);
    });
    EXPECT_TRUE(konec.fatalni);
    EXPECT_TRUE(
        Testy::Obsahuje(konec.text, L"Nebyl nastaven klíč registru pro uložení souřadnic okna"));
}

} // namespace
