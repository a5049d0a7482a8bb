// Window placement on real windows and the real registry: what is saved when, what a load
// restores, how a restored window is brought back onto the screen, and centring.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "OknaTestu.h"
#include "winapi/Okno.h"
#include "winapi/RegistraceTridy.h"
#include "winapi/UmisteniOkna.h"

namespace {

using namespace Vrbatec;
using Testy::SpustitNaVlakne;

constexpr wchar_t kTrida[] = L"ZvukoletTestPoloha";

void RegistrovatTridu() {
    WNDCLASSEXW trida{};
    trida.hInstance = ::GetModuleHandleW(nullptr);
    trida.lpszClassName = kTrida;
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ASSERT_NE(WinApi::RegistrovatTriduOkna(trida), 0);
}

// A top-level window of the tests' class, created at (120, 80) with 400 × 300, hidden.
class OknoSPolohou final : public WinApi::Okno {
public:
    explicit OknoSPolohou(HWND vlastnik = nullptr, DWORD styl = WS_OVERLAPPEDWINDOW) {
        RegistrovatTridu();
        Vytvorit({.trida = kTrida,
                  .text = L"Poloha",
                  .styl = styl,
                  .x = 120,
                  .y = 80,
                  .sirka = 400,
                  .vyska = 300,
                  .rodic = vlastnik,
                  .instance = ::GetModuleHandleW(nullptr)});
    }
    ~OknoSPolohou() override {
        if (Hwnd() != nullptr) {
            ::DestroyWindow(Hwnd());
        }
    }
};

RECT Obdelnik(HWND okno) {
    RECT r{};
    ::GetWindowRect(okno, &r);
    return r;
}

void Umistit(HWND okno, int x, int y, int sirka, int vyska) {
    ASSERT_TRUE(::SetWindowPos(okno, nullptr, x, y, sirka, vyska, SWP_NOZORDER | SWP_NOACTIVATE));
}

RECT PracovniOblast(HWND okno) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(::MonitorFromWindow(okno, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcWork;
}

#define EXPECT_RECT(r, l, t, sirka, vyska)                                                         \
    do {                                                                                           \
        const RECT r_ = (r);                                                                       \
        EXPECT_EQ(r_.left, (l));                                                                   \
        EXPECT_EQ(r_.top, (t));                                                                    \
        EXPECT_EQ(r_.right - r_.left, (sirka));                                                    \
        EXPECT_EQ(r_.bottom - r_.top, (vyska));                                                    \
    } while (false)

// Each test gets a settings root of its own under HKEY_CURRENT_USER and removes it.
class UmisteniOkna : public testing::Test {
protected:
    void SetUp() override {
        koren_ = L"Software\\Vrbatec\\ZvukoletTest\\" + std::to_wstring(::GetCurrentProcessId()) +
                 L"-" + std::to_wstring(::GetTickCount64());
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, koren_.c_str()); }

    std::wstring Klic(const std::wstring& nazev) const {
        return koren_ + L"\\Parametry oken\\" + nazev;
    }

    std::optional<DWORD> Hodnota(const std::wstring& nazev, const wchar_t* hodnota) const {
        DWORD data = 0;
        DWORD velikost = sizeof data;
        if (::RegGetValueW(HKEY_CURRENT_USER, Klic(nazev).c_str(), hodnota, RRF_RT_REG_DWORD,
                           nullptr, &data, &velikost) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return data;
    }

    void Zapsat(const std::wstring& nazev, const wchar_t* hodnota, DWORD data) const {
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, Klic(nazev).c_str(), hodnota, REG_DWORD,
                                    &data, sizeof data),
                  ERROR_SUCCESS);
    }

    bool KlicExistuje(const std::wstring& nazev) const {
        HKEY klic = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, Klic(nazev).c_str(), 0, KEY_READ, &klic) !=
            ERROR_SUCCESS) {
            return false;
        }
        ::RegCloseKey(klic);
        return true;
    }

    // A window with the settings root set, shown without activation.
    std::unique_ptr<OknoSPolohou> ViditelneOkno() const {
        auto okno = std::make_unique<OknoSPolohou>();
        okno->NastavitKlicRegistru(koren_.c_str());
        ::ShowWindow(okno->Hwnd(), SW_SHOWNOACTIVATE);
        return okno;
    }

    std::wstring koren_;
};

TEST_F(UmisteniOkna, SavedPositionAndSizeComeBackUnderTheClassName) {
    auto okno = ViditelneOkno();
    ASSERT_NE(okno->Hwnd(), nullptr);
    Umistit(okno->Hwnd(), 150, 90, 420, 310);
    EXPECT_EQ(okno->UlozitPolohu(nullptr), 0);
    EXPECT_EQ(Hodnota(kTrida, L"Poloha"), (90u << 16) | 150u);
    EXPECT_EQ(Hodnota(kTrida, L"Velikost"), (310u << 16) | 420u);

    Umistit(okno->Hwnd(), 10, 20, 200, 100);
    EXPECT_EQ(okno->NacistPolohu(nullptr, false), 0);
    EXPECT_RECT(Obdelnik(okno->Hwnd()), 150, 90, 420, 310);
}

TEST_F(UmisteniOkna, PositionOnlyKeepsTheWindowsSizeAndAGivenNameIsTheKey) {
    auto okno = ViditelneOkno();
    Umistit(okno->Hwnd(), 150, 90, 420, 310);
    EXPECT_EQ(okno->UlozitPolohu(L"ZvukoletNastaveni"), 0);
    EXPECT_TRUE(KlicExistuje(L"ZvukoletNastaveni"));
    EXPECT_FALSE(KlicExistuje(kTrida));

    Umistit(okno->Hwnd(), 10, 20, 200, 100);
    EXPECT_EQ(okno->NacistPolohu(L"ZvukoletNastaveni", true), 0);
    EXPECT_RECT(Obdelnik(okno->Hwnd()), 150, 90, 200, 100);
}

TEST_F(UmisteniOkna, AHiddenWindowIsNotSavedAndNothingIsWritten) {
    OknoSPolohou okno;
    okno.NastavitKlicRegistru(koren_.c_str());
    ASSERT_FALSE(::IsWindowVisible(okno.Hwnd()));
    EXPECT_EQ(okno.UlozitPolohu(nullptr), 1);
    EXPECT_FALSE(KlicExistuje(kTrida));
}

TEST_F(UmisteniOkna, MinimisedOrMaximisedWindowsLeaveTheLastNormalPlacement) {
    auto okno = ViditelneOkno();
    Umistit(okno->Hwnd(), 150, 90, 420, 310);
    ASSERT_EQ(okno->UlozitPolohu(nullptr), 0);
    const auto poloha = Hodnota(kTrida, L"Poloha");
    const auto velikost = Hodnota(kTrida, L"Velikost");

    for (const int prikaz : {SW_MINIMIZE, SW_MAXIMIZE}) {
        ::ShowWindow(okno->Hwnd(), prikaz);
        const RECT r = Obdelnik(okno->Hwnd());
        ASSERT_TRUE(r.left < 0 && r.top < 0)
            << prikaz << ": the window lies at " << r.left << ", " << r.top;
        EXPECT_EQ(okno->UlozitPolohu(nullptr), 1) << prikaz;
        EXPECT_EQ(Hodnota(kTrida, L"Poloha"), poloha) << prikaz;
        EXPECT_EQ(Hodnota(kTrida, L"Velikost"), velikost) << prikaz;
        ::ShowWindow(okno->Hwnd(), SW_RESTORE);
    }
}

TEST_F(UmisteniOkna, AWindowSavedLeftOfTheScreenIsReadBackFarRightAndPulledOntoTheWorkArea) {
    // What saving at (-500, 100) with 520 × 280 stores.
    Zapsat(kTrida, L"Poloha", 0x0064FE0C);
    Zapsat(kTrida, L"Velikost", (280u << 16) | 520u);
    auto okno = ViditelneOkno();
    EXPECT_EQ(okno->NacistPolohu(nullptr, false), 0);

    const RECT r = Obdelnik(okno->Hwnd());
    const RECT oblast = PracovniOblast(okno->Hwnd());
    EXPECT_RECT(r, oblast.right - 520, 100, 520, 280);
    EXPECT_GE(r.left, oblast.left);
    EXPECT_LE(r.bottom, oblast.bottom);
}

TEST_F(UmisteniOkna, NothingStoredOrAValueMissingLoadsNothingAndLeavesTheWindow) {
    auto okno = ViditelneOkno();
    EXPECT_EQ(okno->NacistPolohu(nullptr, false), 1) << "no key";
    Zapsat(kTrida, L"Poloha", (90u << 16) | 150u);
    EXPECT_EQ(okno->NacistPolohu(nullptr, false), 1) << "no size";
    EXPECT_RECT(Obdelnik(okno->Hwnd()), 120, 80, 400, 300);

    Zapsat(kTrida, L"Velikost", (310u << 16) | 420u);
    EXPECT_EQ(okno->NacistPolohu(nullptr, false), 0) << "both there";
}

TEST_F(UmisteniOkna, SavingWithoutASettingsRootEndsTheProgram) {
    const Testy::KonecVlakna konec = SpustitNaVlakne([] {
        auto* okno = new OknoSPolohou();
        ::ShowWindow(okno->Hwnd(), SW_SHOWNOACTIVATE);
        okno->UlozitPolohu(nullptr);
    });
    EXPECT_TRUE(konec.koncilFatalne);
    EXPECT_NE(konec.text.find(L"Nebyl nastaven klíč registru pro uložení souřadnic okna"),
              std::wstring::npos)
        << "text: " << konec.text.size() << " characters";
}

TEST_F(UmisteniOkna, AKeyThatCannotBeCreatedEndsTheProgram) {
    // A key name longer than the registry allows.
    const std::wstring koren = koren_ + L"\\" + std::wstring(300, L'x');
    const Testy::KonecVlakna konec = SpustitNaVlakne([koren] {
        auto* okno = new OknoSPolohou();
        okno->NastavitKlicRegistru(koren.c_str());
        ::ShowWindow(okno->Hwnd(), SW_SHOWNOACTIVATE);
        okno->UlozitPolohu(nullptr);
    });
    EXPECT_TRUE(konec.koncilFatalne);
}

TEST_F(UmisteniOkna, AnOverlongNameEndsTheProgram) {
    const std::wstring koren = koren_;
    const Testy::KonecVlakna konec = SpustitNaVlakne([koren] {
        auto* okno = new OknoSPolohou();
        okno->NastavitKlicRegistru(koren.c_str());
        ::ShowWindow(okno->Hwnd(), SW_SHOWNOACTIVATE);
        okno->UlozitPolohu(std::wstring(255, L'n').c_str());
    });
    EXPECT_TRUE(konec.koncilFatalne);
    EXPECT_FALSE(KlicExistuje(std::wstring(255, L'n')));
}

TEST_F(UmisteniOkna, KeepingOnThePrimaryWorkAreaMovesOnlyWhenNeeded) {
    RECT oblast{};
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETWORKAREA, 0, &oblast, 0));
    OknoSPolohou okno;
    EXPECT_EQ(WinApi::ZajistitViditelnost(okno.Hwnd(), true), 0);
    EXPECT_RECT(Obdelnik(okno.Hwnd()), 120, 80, 400, 300);

    Umistit(okno.Hwnd(), oblast.right - 100, oblast.top - 50, 400, 300);
    EXPECT_EQ(WinApi::ZajistitViditelnost(okno.Hwnd(), true), 0);
    EXPECT_RECT(Obdelnik(okno.Hwnd()), oblast.right - 400, oblast.top, 400, 300);
}

TEST_F(UmisteniOkna, ATopLevelWindowIsCentredOnTheWorkAreaWithoutAVisibleOwner) {
    OknoSPolohou okno;
    const RECT oblast = PracovniOblast(okno.Hwnd());
    EXPECT_TRUE(WinApi::Vycentrovat(okno.Hwnd()));
    EXPECT_RECT(Obdelnik(okno.Hwnd()), (oblast.left + oblast.right) / 2 - 200,
                (oblast.top + oblast.bottom) / 2 - 150, 400, 300);

    OknoSPolohou skrytyVlastnik;
    OknoSPolohou vlastnene(skrytyVlastnik.Hwnd(), WS_POPUP | WS_CAPTION);
    Umistit(skrytyVlastnik.Hwnd(), 0, 0, 100, 100);
    EXPECT_TRUE(WinApi::Vycentrovat(vlastnene.Hwnd()));
    EXPECT_RECT(Obdelnik(vlastnene.Hwnd()), (oblast.left + oblast.right) / 2 - 200,
                (oblast.top + oblast.bottom) / 2 - 150, 400, 300);
}

TEST_F(UmisteniOkna, AnOwnedWindowIsCentredOnItsVisibleOwnerWithinTheWorkArea) {
    OknoSPolohou vlastnik;
    const RECT oblast = PracovniOblast(vlastnik.Hwnd());
    ::ShowWindow(vlastnik.Hwnd(), SW_SHOWNOACTIVATE);
    OknoSPolohou vlastnene(vlastnik.Hwnd(), WS_POPUP | WS_CAPTION);
    Umistit(vlastnene.Hwnd(), 0, 0, 200, 100);

    Umistit(vlastnik.Hwnd(), 300, 200, 600, 400);
    EXPECT_TRUE(WinApi::Vycentrovat(vlastnene.Hwnd()));
    EXPECT_RECT(Obdelnik(vlastnene.Hwnd()), 500, 350, 200, 100);

    // Near the bottom right corner the owned window stops at the work area's edges.
    Umistit(vlastnik.Hwnd(), oblast.right - 150, oblast.bottom - 60, 600, 400);
    EXPECT_TRUE(WinApi::Vycentrovat(vlastnene.Hwnd()));
    EXPECT_RECT(Obdelnik(vlastnene.Hwnd()), oblast.right - 200, oblast.bottom - 100, 200, 100);

    // A minimised owner is no reference.
    ::ShowWindow(vlastnik.Hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(WinApi::Vycentrovat(vlastnene.Hwnd()));
    EXPECT_RECT(Obdelnik(vlastnene.Hwnd()), (oblast.left + oblast.right) / 2 - 100,
                (oblast.top + oblast.bottom) / 2 - 50, 200, 100);
}

TEST_F(UmisteniOkna, AChildWindowIsCentredInItsParentsClientArea) {
    OknoSPolohou rodic;
    RECT klient{};
    ASSERT_TRUE(::GetClientRect(rodic.Hwnd(), &klient));
    HWND dite = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 60,
                                  rodic.Hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(dite, nullptr);
    EXPECT_TRUE(WinApi::Vycentrovat(dite));
    POINT roh{0, 0};
    ::MapWindowPoints(dite, rodic.Hwnd(), &roh, 1);
    EXPECT_EQ(roh.x, klient.right / 2 - 50);
    EXPECT_EQ(roh.y, klient.bottom / 2 - 30);

    // Larger than the client area: kept on its top-left corner.
    ASSERT_TRUE(
        ::SetWindowPos(dite, nullptr, 30, 30, klient.right + 50, klient.bottom + 40, SWP_NOZORDER));
    EXPECT_TRUE(WinApi::Vycentrovat(dite));
    roh = {0, 0};
    ::MapWindowPoints(dite, rodic.Hwnd(), &roh, 1);
    EXPECT_EQ(roh.x, 0);
    EXPECT_EQ(roh.y, 0);
}

} // namespace
