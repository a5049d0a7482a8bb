// The sound itself: what the player plays reaches the sound device. se_zvukem.sh gives the
// test a null sink whose monitor is the default recording device, so what is recorded is
// exactly what the control played.
#include "config/UlozisteNastaveni.h"
#include "playback/Nahravka.h"
#include "playback/PrehravacTestu.h"
#include "playback/PrehravacWmp.h"

namespace Vrbatec::Testy {
namespace {

class ZvukTest : public PrehravacTest {};

// The player starts at the volume of the settings, follows a new volume, and is silent after
// stop. The control's volume scale is not linear: a quarter is far below a quarter of the level.
TEST_F(ZvukTest, ToneIsHeardAtTheVolumeSetAndGoneAfterStop) {
    NastaveniAplikace().hlasitost = 25;
    ZaznamStavu posluchac;
    auto prehravac = VytvoritPrehravacWmp(Instance(), Rodic(), posluchac);
    ASSERT_EQ(S_OK, prehravac->OtevritUrl(CestaTonu()));
    ASSERT_EQ(S_OK, prehravac->Prehrat());
    ASSERT_TRUE(CekatNa([&] { return posluchac.Obsahuje(3); }, 5000));
    Pumpovat(300);
    Nahravka tise(500);
    ASSERT_TRUE(tise.Nahrat());

    ASSERT_EQ(S_OK, prehravac->NastavitHlasitost(100));
    Pumpovat(300);
    Nahravka nahlas(700);
    ASSERT_TRUE(nahlas.Nahrat());
    // The tone is written at half of full scale: about 11 600 effective.
    EXPECT_GT(nahlas.NejvyssiUroven(), 8000.0);
    EXPECT_NEAR(440.0, nahlas.Kmitocet(), 3.0);
    EXPECT_LT(tise.NejvyssiUroven(), nahlas.NejvyssiUroven() / 4);

    posluchac.stavy.clear();
    ASSERT_EQ(S_OK, prehravac->Zastavit());
    ASSERT_TRUE(CekatNa([&] { return posluchac.Obsahuje(1); }, 5000));
    Pumpovat(300);
    Nahravka ticho(500);
    ASSERT_TRUE(ticho.Nahrat());
    EXPECT_LT(ticho.NejvyssiUroven(), 20.0);
}

} // namespace
} // namespace Vrbatec::Testy
