// The rebar with its three bands and the toolbar, built from the program's own strips.
#include "ui/PanelyNastroju.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "OknoProPrvky.h"
#include "playback/DlgOvladaciPanel.h"
#include "ui/ObrazkovyPruh.h"

namespace Vrbatec::Ui {
namespace {

REBARBANDINFOW Pas(HWND rebar, int index) {
    REBARBANDINFOW pas{.cbSize = sizeof(pas), .fMask = RBBIM_ID | RBBIM_CHILD | RBBIM_CHILDSIZE};
    ::SendMessageW(rebar, RB_GETBANDINFOW, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(&pas));
    return pas;
}

class PanelyNastrojuTest : public Testy::OknoProPrvky {
protected:
    const ObrazkovyPruh& Sestavit(bool velke, PanelyNastroju::Viditelnost viditelnost = {}) {
        const ObrazkovyPruh& pruh =
            velke ? AplikaceInstance().VelkyPruh() : AplikaceInstance().MalyPruh();
        panely_.Sestavit(okno_, Instance(), pruh, velke, viditelnost);
        return pruh;
    }
    PanelyNastroju panely_; // torn down before the parent window
};

TEST_F(PanelyNastrojuTest, ToolbarHasTheCommandsInOrderWithThePicturesOfTheChosenStrip) {
    const std::vector<int> prikazy = {40014, 0, 40006, 40007, 0,     40015, 0,    40030,
                                      40031, 0, 40002, 0,     40003, 0,     40001};
    const std::vector<int> velke = {3, 0, 4, 5, 0, 6, 0, 7, 5, 0, 1, 0, 2, 0, 0};
    const ObrazkovyPruh& pruh = Sestavit(true);
    const HWND toolbar = panely_.Toolbar();
    std::vector<int> ids, obrazky;
    for (int i = 0; i < ::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0); ++i) {
        TBBUTTON b{};
        ::SendMessageW(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b));
        ids.push_back(b.idCommand);
        obrazky.push_back(b.fsStyle & BTNS_SEP ? 0 : b.iBitmap);
        // Only About has an arrow of its own; volume drops down from the whole button.
        EXPECT_EQ(b.idCommand == 40003, (b.fsStyle & BTNS_DROPDOWN) != 0) << b.idCommand;
        EXPECT_EQ(b.idCommand == 40015, (b.fsStyle & BTNS_WHOLEDROPDOWN) != 0);
    }
    EXPECT_EQ(prikazy, ids);
    EXPECT_EQ(velke, obrazky);
    EXPECT_EQ(reinterpret_cast<LRESULT>(pruh.SedySeznam()),
              ::SendMessageW(toolbar, TB_GETDISABLEDIMAGELIST, 0, 0));
    EXPECT_EQ(static_cast<UINT>(pruh.VelikostObrazku() + 8), Pas(panely_.Rebar(), 0).cyMinChild);
}

TEST_F(PanelyNastrojuTest, BandsHoldToolbarPanelAndComboShownBySettings) {
    Sestavit(false, {.tlacitka = true, .ovladani = false, .zdroje = true});
    const HWND rebar = panely_.Rebar();
    ASSERT_EQ(3, ::SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
    const HWND deti[] = {panely_.Toolbar(), panely_.OvladaciPanel()->Hwnd(), panely_.Combo()};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(static_cast<UINT>(i), Pas(rebar, i).wID);
        EXPECT_EQ(deti[i], Pas(rebar, i).hwndChild);
    }
    EXPECT_TRUE(panely_.PasViditelny(PanelyNastroju::kPasTlacitek));
    EXPECT_FALSE(panely_.PasViditelny(PanelyNastroju::kPasOvladani));
    panely_.ZobrazitPas(PanelyNastroju::kPasOvladani, true); // hiding is the View command's test
    EXPECT_TRUE(panely_.PasViditelny(PanelyNastroju::kPasOvladani));
    EXPECT_THROW(panely_.ZobrazitPas(7, true), Testy::UkonceniProcesu);
}

} // namespace
} // namespace Vrbatec::Ui
