// The command states over the program's menu bar and a toolbar of its strips.
#include "ui/StavPrikazu.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "OknoProPrvky.h"
#include "ui/PanelyNastroju.h"

namespace Vrbatec::Ui {
namespace {

class StavPrikazuTest : public Testy::OknoProPrvky {
protected:
    void SetUp() override {
        OknoProPrvky::SetUp();
        panely_.Sestavit(okno_, Instance(), AplikaceInstance().MalyPruh(), false, {});
    }
    LRESULT Toolbar(UINT zprava, UINT prikaz) const {
        return ::SendMessageW(panely_.Toolbar(), zprava, prikaz, 0);
    }
    PanelyNastroju panely_; // torn down before the parent window
};

TEST_F(StavPrikazuTest, MenuAndToolbarFollowSelectionPlaybackAndRecording) {
    struct Pripad {
        PravidlaPrikazu::Stav stav;
        bool spustit, zastavit;
    };
    // Recording first, so that the cases after it show its effects undone.
    for (const Pripad& p :
         {Pripad{{.vybranyIndex = 0, .pocetZdroju = 1, .nahravani = true}, 1, 0},
          Pripad{{.vybranyIndex = 2, .pocetZdroju = 3, .prehravanyIndex = 1}, 1, 1}}) {
        const bool nahrava = p.stav.nahravani;
        SCOPED_TRACE(testing::Message() << p.stav.vybranyIndex << " recording " << nahrava);
        StavPrikazu::PouzitNaMenu(menu_, p.stav);
        panely_.PouzitStav(p.stav);
        EXPECT_EQ(!p.spustit, Ma(menu_, ID_SPUSTIT_PRIJEM, MF_GRAYED));
        EXPECT_EQ(!p.zastavit, Ma(menu_, ID_ZASTAVIT_PRIJEM, MF_GRAYED));
        EXPECT_EQ(!p.zastavit, Ma(menu_, ID_VLASTNOSTI_ZDROJE, MF_GRAYED));
        EXPECT_EQ(nahrava, Ma(menu_, ID_NASTAVENI, MF_GRAYED));
        EXPECT_EQ(nahrava, Ma(menu_, ID_SPUSTIT_ZAZNAM, MF_GRAYED));
        EXPECT_EQ(!nahrava, Ma(menu_, ID_UKONCIT_ZAZNAM, MF_GRAYED));
        EXPECT_EQ(nahrava, Toolbar(TB_ISBUTTONHIDDEN, ID_SPUSTIT_ZAZNAM) != 0);
        EXPECT_EQ(!nahrava, Toolbar(TB_ISBUTTONHIDDEN, ID_UKONCIT_ZAZNAM) != 0);
        EXPECT_EQ(!nahrava, Toolbar(TB_ISBUTTONENABLED, ID_NASTAVENI) != 0);
    }
}

} // namespace
} // namespace Vrbatec::Ui
