// The refresh of command states over the program's menu bar and a toolbar built from its
// strips.
#include "ui/StavPrikazu.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "OknoProPrvky.h"
#include "ui/PanelyNastroju.h"

namespace Vrbatec::Ui {
namespace {

using PravidlaPrikazu::Stav;

class ZaznamNavazujici final : public StavPrikazu::NavazujiciObnova {
public:
    void ObnovitSeznamSkoku() override { ++seznamSkoku; }
    void ObnovitTlacitkaNahledu() override { ++tlacitkaNahledu; }
    int seznamSkoku = 0;
    int tlacitkaNahledu = 0;
};

class StavPrikazuTest : public Testy::OknoProPrvky {
protected:
    void SetUp() override {
        OknoProPrvky::SetUp();
        panely_.Sestavit(okno_, Instance(), AplikaceInstance().MalyPruh(), false, {});
    }
    void TearDown() override {
        panely_.Zrusit();
        OknoProPrvky::TearDown();
    }

    bool Skryte(UINT prikaz) const {
        return ::SendMessageW(panely_.Toolbar(), TB_ISBUTTONHIDDEN, prikaz, 0) != 0;
    }
    bool Povolene(UINT prikaz) const {
        return ::SendMessageW(panely_.Toolbar(), TB_ISBUTTONENABLED, prikaz, 0) != 0;
    }

    PanelyNastroju panely_;
};

TEST_F(StavPrikazuTest, MenuAndToolbarFollowSelectionPlaybackAndRecording) {
    struct Pripad {
        const char* nazev;
        Stav stav;
        bool spustit, zastavit, nastaveni, spustitZaznam, ukoncitZaznam;
    };
    // Recording first, so that the cases after it show that its effects are undone.
    const Pripad pripady[] = {
        {"recording",
         {.vybranyIndex = 0, .pocetZdroju = 1, .nahravani = true},
         true,
         false,
         false,
         false,
         true},
        {"empty list", {}, false, false, true, true, false},
        {"selection, playing",
         {.vybranyIndex = 2, .pocetZdroju = 3, .prehravanyIndex = 1},
         true,
         true,
         true,
         true,
         false},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.nazev);
        StavPrikazu::Pouzit(menu_, panely_, p.stav, true, 1);
        EXPECT_EQ(!p.spustit, Sedy(menu_, ID_SPUSTIT_PRIJEM));
        EXPECT_EQ(!p.zastavit, Sedy(menu_, ID_ZASTAVIT_PRIJEM));
        EXPECT_EQ(!p.zastavit, Sedy(menu_, ID_VLASTNOSTI_ZDROJE));
        EXPECT_EQ(!p.nastaveni, Sedy(menu_, ID_NASTAVENI));
        EXPECT_EQ(!p.spustitZaznam, Sedy(menu_, ID_SPUSTIT_ZAZNAM));
        EXPECT_EQ(!p.ukoncitZaznam, Sedy(menu_, ID_UKONCIT_ZAZNAM));

        EXPECT_EQ(p.stav.nahravani, Skryte(ID_SPUSTIT_ZAZNAM));
        EXPECT_EQ(!p.stav.nahravani, Skryte(ID_UKONCIT_ZAZNAM));
        EXPECT_EQ(p.nastaveni, Povolene(ID_NASTAVENI));
    }
}

TEST_F(StavPrikazuTest, ViewItemsShowBandsListAndIconSizeAndNoBandsWithoutBars) {
    ZaznamNavazujici navazujici;
    panely_.ZobrazitPas(PanelyNastroju::kPasOvladani, false);
    StavPrikazu::Pouzit(menu_, panely_, {}, false, 2, &navazujici);
    EXPECT_TRUE(Zaskrtnuto(menu_, ID_PANEL_TLACITEK));
    EXPECT_FALSE(Zaskrtnuto(menu_, ID_PANEL_OVLADANI));
    EXPECT_TRUE(Zaskrtnuto(menu_, ID_PANEL_ZDROJU));
    EXPECT_FALSE(Zaskrtnuto(menu_, ID_SEZNAM_ZDROJU));
    EXPECT_FALSE(Zaskrtnuto(menu_, ID_MALE_IKONY));
    EXPECT_TRUE(Zaskrtnuto(menu_, ID_VELKE_IKONY));
    EXPECT_EQ(1, navazujici.seznamSkoku);
    EXPECT_EQ(1, navazujici.tlacitkaNahledu);

    // Without bars the taskbar parts are not refreshed either.
    panely_.Zrusit();
    StavPrikazu::Pouzit(menu_, panely_, {}, true, 1, &navazujici);
    for (const UINT prikaz : {ID_PANEL_TLACITEK, ID_PANEL_OVLADANI, ID_PANEL_ZDROJU}) {
        EXPECT_FALSE(Zaskrtnuto(menu_, prikaz)) << prikaz;
    }
    EXPECT_TRUE(Zaskrtnuto(menu_, ID_SEZNAM_ZDROJU));
    EXPECT_TRUE(Zaskrtnuto(menu_, ID_MALE_IKONY));
    EXPECT_FALSE(Zaskrtnuto(menu_, ID_VELKE_IKONY));
    EXPECT_EQ(1, navazujici.seznamSkoku);
    EXPECT_EQ(1, navazujici.tlacitkaNahledu);
}

} // namespace
} // namespace Vrbatec::Ui
