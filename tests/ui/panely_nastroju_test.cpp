// The rebar with its three bands and the toolbar, built in a plain window from the program's
// own strips.
#include "ui/PanelyNastroju.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "OknoProPrvky.h"
#include "playback/DlgOvladaciPanel.h"
#include "ui/ObrazkovyPruh.h"

namespace Vrbatec::Ui {
namespace {

using Testy::UkonceniProcesu;

struct Tlacitko {
    int prikaz;
    int obrazek;
    BYTE styl;
    bool operator==(const Tlacitko&) const = default;
};

void PrintTo(const Tlacitko& t, std::ostream* os) {
    *os << "{" << t.prikaz << ", " << t.obrazek << ", " << static_cast<int>(t.styl) << "}";
}

std::vector<Tlacitko> TlacitkaToolbaru(HWND toolbar) {
    std::vector<Tlacitko> tlacitka;
    const auto pocet = ::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (LRESULT i = 0; i < pocet; ++i) {
        TBBUTTON b{};
        ::SendMessageW(toolbar, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&b));
        const bool oddelovac = (b.fsStyle & BTNS_SEP) != 0;
        tlacitka.push_back({b.idCommand, oddelovac ? 0 : b.iBitmap, b.fsStyle});
    }
    return tlacitka;
}

REBARBANDINFOW Pas(HWND rebar, int index) {
    REBARBANDINFOW pas{};
    pas.cbSize = sizeof(pas);
    pas.fMask = RBBIM_ID | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE;
    ::SendMessageW(rebar, RB_GETBANDINFOW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&pas));
    return pas;
}

class PanelyNastrojuTest : public Testy::OknoProPrvky {
protected:
    void Sestavit(bool velke, PanelyNastroju::Viditelnost viditelnost = {}) {
        const Aplikace& aplikace = AplikaceInstance();
        panely_.Sestavit(okno_, Instance(), velke ? aplikace.VelkyPruh() : aplikace.MalyPruh(),
                         velke, viditelnost);
    }

    void TearDown() override {
        panely_.Zrusit();
        OknoProPrvky::TearDown();
    }

    PanelyNastroju panely_;
};

constexpr BYTE A = BTNS_AUTOSIZE;
constexpr BYTE S = BTNS_SEP;

TEST_F(PanelyNastrojuTest, ToolbarHasTheCommandsInOrderWithThePicturesOfTheChosenStrip) {
    const std::vector<Tlacitko> male = {{ID_OTEVRIT_URL, 23, A},
                                        {0, 0, S},
                                        {ID_SPUSTIT_PRIJEM, 0, A},
                                        {ID_ZASTAVIT_PRIJEM, 10, A},
                                        {0, 0, S},
                                        {ID_HLASITOST, 17, A | BTNS_WHOLEDROPDOWN},
                                        {0, 0, S},
                                        {ID_SPUSTIT_ZAZNAM, 11, A},
                                        {ID_UKONCIT_ZAZNAM, 10, A},
                                        {0, 0, S},
                                        {ID_NASTAVENI, 14, A},
                                        {0, 0, S},
                                        {ID_O_PROGRAMU, 16, A | BTNS_DROPDOWN},
                                        {0, 0, S},
                                        {ID_KONEC, 15, A}};
    std::vector<Tlacitko> velke = male;
    const int obrazkyVelke[] = {3, 0, 4, 5, 0, 6, 0, 7, 5, 0, 1, 0, 2, 0, 0};
    for (std::size_t i = 0; i < velke.size(); ++i) {
        velke[i].obrazek = obrazkyVelke[i];
    }

    for (const bool jeVelky : {false, true}) {
        SCOPED_TRACE(jeVelky ? "large" : "small");
        Sestavit(jeVelky);
        const HWND toolbar = panely_.Toolbar();
        ASSERT_NE(nullptr, toolbar);
        EXPECT_EQ(jeVelky ? velke : male, TlacitkaToolbaru(toolbar));
        const ObrazkovyPruh& pruh =
            jeVelky ? AplikaceInstance().VelkyPruh() : AplikaceInstance().MalyPruh();
        EXPECT_EQ(reinterpret_cast<LRESULT>(pruh.Seznam()),
                  ::SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0));
        EXPECT_EQ(reinterpret_cast<LRESULT>(pruh.SedySeznam()),
                  ::SendMessageW(toolbar, TB_GETDISABLEDIMAGELIST, 0, 0));
        EXPECT_TRUE(::SendMessageW(toolbar, TB_GETEXTENDEDSTYLE, 0, 0) & TBSTYLE_EX_DRAWDDARROWS);
        EXPECT_EQ(IDC_PANEL_NASTROJU, ::GetDlgCtrlID(toolbar));
    }
}

TEST_F(PanelyNastrojuTest, RebarHoldsToolbarPanelAndComboAsBandsZeroToTwo) {
    Sestavit(false);
    const HWND rebar = panely_.Rebar();
    ASSERT_EQ(rebar, ::GetDlgItem(okno_, IDC_REBAR));
    wchar_t text[16] = {};
    ::GetWindowTextW(rebar, text, 16);
    EXPECT_EQ(std::wstring(L"RRebar"), text);
    ASSERT_EQ(3, ::SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));

    const HWND deti[] = {panely_.Toolbar(), panely_.OvladaciPanel()->Hwnd(), panely_.Combo()};
    for (int i = 0; i < 3; ++i) {
        const REBARBANDINFOW pas = Pas(rebar, i);
        EXPECT_EQ(static_cast<UINT>(i), pas.wID);
        EXPECT_EQ(deti[i], pas.hwndChild);
        EXPECT_EQ(static_cast<UINT>(RBBS_BREAK | RBBS_GRIPPERALWAYS),
                  pas.fStyle & (RBBS_BREAK | RBBS_GRIPPERALWAYS));
    }
    EXPECT_EQ(16u + 8u, Pas(rebar, 0).cyMinChild);
    EXPECT_EQ(240u, Pas(rebar, 0).cxMinChild);

    const HWND combo = panely_.Combo();
    EXPECT_EQ(combo, ::GetDlgItem(rebar, IDC_COMBO_ZDROJU));
    EXPECT_EQ(CBS_DROPDOWNLIST, ::GetWindowLongW(combo, GWL_STYLE) & 3);
    EXPECT_EQ(::GetStockObject(DEFAULT_GUI_FONT),
              reinterpret_cast<HGDIOBJ>(::SendMessageW(combo, WM_GETFONT, 0, 0)));
    RECT obdelnik{};
    ::GetWindowRect(combo, &obdelnik);
    EXPECT_EQ(static_cast<UINT>(obdelnik.right - obdelnik.left), Pas(rebar, 2).cxMinChild);
    EXPECT_TRUE(::GetWindowLongW(panely_.OvladaciPanel()->Hwnd(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(PanelyNastrojuTest, BandsFollowTheSettingsAndTheirToggles) {
    Sestavit(false, {.tlacitka = true, .ovladani = false, .zdroje = true});
    EXPECT_TRUE(panely_.PasViditelny(PanelyNastroju::kPasTlacitek));
    EXPECT_FALSE(panely_.PasViditelny(PanelyNastroju::kPasOvladani));
    EXPECT_TRUE(panely_.PasViditelny(PanelyNastroju::kPasZdroju));

    panely_.ZobrazitPas(PanelyNastroju::kPasOvladani, true);
    panely_.ZobrazitPas(PanelyNastroju::kPasZdroju, false);
    EXPECT_TRUE(panely_.PasViditelny(PanelyNastroju::kPasOvladani));
    EXPECT_FALSE(panely_.PasViditelny(PanelyNastroju::kPasZdroju));
    EXPECT_FALSE(::GetWindowLongW(panely_.Combo(), GWL_STYLE) & WS_VISIBLE);

    EXPECT_THROW(panely_.ZobrazitPas(7, true), UkonceniProcesu);
}

TEST_F(PanelyNastrojuTest, RebuildReplacesEveryBarAndLargeIconsMakeTheRebarTaller) {
    Sestavit(false);
    const HWND stare[] = {panely_.Rebar(), panely_.Toolbar(), panely_.Combo(),
                          panely_.OvladaciPanel()->Hwnd()};
    const int vyskaMalych = panely_.VyskaRebaru();
    Sestavit(true);
    for (const HWND okno : stare) {
        EXPECT_FALSE(::IsWindow(okno));
    }
    EXPECT_EQ(panely_.Rebar(), ::GetDlgItem(okno_, IDC_REBAR));
    EXPECT_EQ(32u + 8u, Pas(panely_.Rebar(), 0).cyMinChild);
    EXPECT_GT(panely_.VyskaRebaru(), vyskaMalych);

    panely_.Zrusit();
    EXPECT_EQ(nullptr, panely_.Rebar());
    EXPECT_EQ(nullptr, panely_.Combo());
    EXPECT_EQ(nullptr, ::GetDlgItem(okno_, IDC_REBAR));
    EXPECT_FALSE(panely_.PasViditelny(PanelyNastroju::kPasTlacitek));
    EXPECT_EQ(0, panely_.VyskaRebaru());
}

} // namespace
} // namespace Vrbatec::Ui
