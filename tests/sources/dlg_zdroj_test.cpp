// The source dialog: its volume controls and the values that come back on OK.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "sources/DlgZdroj.h"
#include "winapi/OknaTestu.h"

namespace {

using namespace Vrbatec;

bool Zapnuty(HWND dialog, int id) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, id)) != FALSE;
}

int Pozice(HWND dialog) {
    return static_cast<int>(::SendDlgItemMessageW(dialog, IDC_HLASITOST, TBM_GETPOS, 0, 0));
}

// Where a drag ends: the position, then the scroll message to the dialog.
void Posunout(HWND dialog, int pozice) {
    HWND posuvnik = ::GetDlgItem(dialog, IDC_HLASITOST);
    ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, pozice);
    ::SendMessageW(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, pozice),
                   reinterpret_cast<LPARAM>(posuvnik));
}

class DlgZdrojTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }
    void TearDown() override { NastaveniAplikace() = puvodniNastaveni_; }

    const Nastaveni puvodniNastaveni_ = NastaveniAplikace();
    Testy::RodicTestu rodic;
    DlgZdroj dialog;
};

TEST_F(DlgZdrojTest, TickingTheBoxGivesTheSlidersVolumeRetickingTheOpeningOneAndClearingNone) {
    Testy::ObsluhaDialogu obsluha([](HWND okno) {
        EXPECT_FALSE(Zapnuty(okno, IDC_HLASITOST));
        EXPECT_FALSE(Zapnuty(okno, IDC_POUZIT_AKTUALNI));
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"0");
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        EXPECT_TRUE(Zapnuty(okno, IDC_HLASITOST));
        EXPECT_TRUE(Zapnuty(okno, IDC_POUZIT_AKTUALNI));
        Posunout(okno, 40);
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"40");
        Testy::Kliknout(okno, IDOK);
    });
    EXPECT_EQ(dialog.Spustit(rodic.Hwnd()), IDOK);
    EXPECT_EQ(dialog.hlasitost, 40);
    EXPECT_TRUE(dialog.menu);

    // Reopened at its volume: retick returns to it, "use current" takes the player's, and
    // clearing the box gives none.
    NastaveniAplikace().hlasitost = 73;
    Testy::ObsluhaDialogu znovu([](HWND okno) {
        EXPECT_EQ(Pozice(okno), 40);
        Posunout(okno, 10);
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        EXPECT_FALSE(Zapnuty(okno, IDC_HLASITOST));
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        EXPECT_EQ(Pozice(okno), 40);
        Testy::Kliknout(okno, IDC_POUZIT_AKTUALNI);
        EXPECT_EQ(Testy::TextPrvku(okno, IDC_HLASITOST_CISLO), L"73");
        Testy::Kliknout(okno, IDOK);
    });
    dialog.Spustit(rodic.Hwnd());
    EXPECT_EQ(dialog.hlasitost, 73);

    Testy::ObsluhaDialogu bezHlasitosti([](HWND okno) {
        Testy::Kliknout(okno, IDC_VLASTNI_HLASITOST);
        Testy::Kliknout(okno, IDOK);
    });
    dialog.Spustit(rodic.Hwnd());
    EXPECT_EQ(dialog.hlasitost, -1);
}

} // namespace
