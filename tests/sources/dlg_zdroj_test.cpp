// The source dialog: what it shows for the values it gets, how its volume controls behave, and
// which values come back on OK and on Storno.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "OknoPohleduTestu.h"
#include "app/Aplikace.h"
#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "sources/DlgZdroj.h"

namespace {

using namespace Vrbatec;

bool Zapnuty(HWND dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

bool Zaskrtnuty(HWND dialog, int id) {
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

int Pozice(HWND dialog) {
    return static_cast<int>(::SendDlgItemMessageW(dialog, IDC_HLASITOST, TBM_GETPOS, 0, 0));
}

// Moves the thumb as a drag would end: the position, then the scroll message to the dialog.
void Posunout(HWND dialog, int pozice) {
    HWND posuvnik = ::GetDlgItem(dialog, IDC_HLASITOST);
    ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, pozice);
    ::SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, pozice),
                   reinterpret_cast<LPARAM>(posuvnik));
}

class DlgZdrojTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }
    void SetUp() override { puvodniHlasitost_ = NastaveniAplikace().hlasitost; }
    void TearDown() override { NastaveniAplikace().hlasitost = puvodniHlasitost_; }

    INT_PTR Spustit(const std::function<void(HWND)>& prace) {
        Testy::ObsluhaDialogu obsluha(prace);
        const INT_PTR vysledek = dialog.Spustit(rodic.Hwnd());
        EXPECT_TRUE(obsluha.probehla);
        EXPECT_FALSE(obsluha.nechalOtevreny);
        return vysledek;
    }

    Testy::OknoPohleduTestu rodic;
    DlgZdroj dialog;

private:
    std::uint32_t puvodniHlasitost_ = 0;
};

TEST_F(DlgZdrojTest, WithoutOwnVolumeTheSliderWaitsDisabledAndStornoChangesNothing) {
    dialog.nazev = L"Rádio Wien";
    dialog.url = L"http://wien.example/";
    dialog.menu = false;
    const INT_PTR vysledek = Spustit([](HWND okno) {
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_NAZEV_ZDROJE), L"Rádio Wien");
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_URL_ZDROJE), L"http://wien.example/");
        wchar_t titulek[128] = {};
        ::GetWindowTextW(okno, titulek, 128);
        EXPECT_EQ(std::wstring(titulek), L" " + AplikaceInstance().NazevProduktu() + L" - Zdroj");
        EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(okno, WM_GETICON, ICON_BIG, 0)),
                  AplikaceInstance().IkonaVelka());
        EXPECT_FALSE(Zaskrtnuty(okno, IDC_ZDROJ_V_NABIDCE));
        EXPECT_FALSE(Zaskrtnuty(okno, IDC_VLASTNI_HLASITOST));
        EXPECT_FALSE(Zapnuty(okno, IDC_HLASITOST));
        EXPECT_FALSE(Zapnuty(okno, IDC_POUZIT_AKTUALNI));
        EXPECT_EQ(Pozice(okno), 0);
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"0");
        const auto styl = ::GetWindowLongPtrW(::GetDlgItem(okno, IDC_HLASITOST), GWL_STYLE);
        EXPECT_EQ(styl & 0x150, 0x150);

        ::SetDlgItemTextW(okno, IDC_NAZEV_ZDROJE, L"Jiný");
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        EXPECT_TRUE(Zapnuty(okno, IDC_HLASITOST));
        EXPECT_TRUE(Zapnuty(okno, IDC_POUZIT_AKTUALNI));
        Posunout(okno, 30);
        Testy::Kliknout(okno, IDC_ZDROJ_V_NABIDCE);
        Testy::Kliknout(okno, IDCANCEL);
    });
    EXPECT_EQ(vysledek, IDCANCEL);
    EXPECT_EQ(dialog.nazev, L"Rádio Wien");
    EXPECT_EQ(dialog.url, L"http://wien.example/");
    EXPECT_EQ(dialog.hlasitost, -1);
    EXPECT_FALSE(dialog.menu);
}

TEST_F(DlgZdrojTest, TickedBoxKeepsTheSliderPositionAndAClearedOneGivesNoVolume) {
    dialog.nazev = L"Jazz";
    const INT_PTR vysledek = Spustit([](HWND okno) {
        EXPECT_TRUE(Zaskrtnuty(okno, IDC_ZDROJ_V_NABIDCE)); // new sources are in the menu
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        Posunout(okno, 40);
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"40");
        ::SetDlgItemTextW(okno, IDC_URL_ZDROJE, L"");
        Testy::Kliknout(okno, IDOK);
    });
    EXPECT_EQ(vysledek, IDOK);
    EXPECT_EQ(dialog.hlasitost, 40);
    EXPECT_EQ(dialog.nazev, L"Jazz");
    EXPECT_EQ(dialog.url, L""); // nothing is validated
    EXPECT_TRUE(dialog.menu);

    Spustit([](HWND okno) {
        EXPECT_TRUE(Zaskrtnuty(okno, IDC_VLASTNI_HLASITOST));
        EXPECT_EQ(Pozice(okno), 40);
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        EXPECT_FALSE(Zapnuty(okno, IDC_HLASITOST));
        Testy::Kliknout(okno, IDOK);
    });
    EXPECT_EQ(dialog.hlasitost, -1);
}

TEST_F(DlgZdrojTest, RetickingReturnsToTheOpeningVolumeAndUseCurrentTakesThePlayers) {
    dialog.hlasitost = 60;
    NastaveniAplikace().hlasitost = 73;
    Spustit([](HWND okno) {
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"60");
        Posunout(okno, 10);
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        EXPECT_EQ(Pozice(okno), 60);
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"60");

        Testy::Kliknout(okno, IDC_POUZIT_AKTUALNI);
        EXPECT_EQ(Pozice(okno), 73);
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"73");
        Testy::Kliknout(okno, IDOK);
    });
    EXPECT_EQ(dialog.hlasitost, 73);
}

} // namespace
