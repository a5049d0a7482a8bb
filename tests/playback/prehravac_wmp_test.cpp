// The program's player over the real control under Wine, with a sound device of its own
// (se_zvukem.sh): what the rest of the program relies on — the order of play states, the
// media queries, and that operations the control lacks leave the player working.
#include "playback/PrehravacWmp.h"

#include "config/UlozisteNastaveni.h"
#include "playback/PrehravacTestu.h"
#include "support/ZaznamHlaseni.h"

namespace Vrbatec::Testy {
namespace {

constexpr std::int32_t kPrehrava = 3;
constexpr std::int32_t kPripraven = 10;

class PrehravacWmpTest : public PrehravacTest {
protected:
    void SetUp() override {
        PrehravacTest::SetUp();
        NastaveniAplikace().hlasitost = 100;
        prehravac_ = VytvoritPrehravacWmp(Instance(), Rodic(), posluchac_);
        ASSERT_NE(nullptr, prehravac_);
    }
    void TearDown() override { prehravac_.reset(); }

    void OtevritTon() {
        ASSERT_EQ(S_OK, prehravac_->OtevritUrl(CestaTonu()));
        ASSERT_TRUE(CekatNa([&] { return posluchac_.Obsahuje(kPripraven); }, 5000));
    }
    void Spustit() {
        posluchac_.stavy.clear();
        ASSERT_EQ(S_OK, prehravac_->Prehrat());
        ASSERT_TRUE(CekatNa([&] { return posluchac_.Obsahuje(kPrehrava); }, 5000));
    }

    ZaznamStavu posluchac_;
    std::unique_ptr<Prehravac> prehravac_;
};

TEST_F(PrehravacWmpTest, OperationsTheControlLacksAndAnUnreachableAddressLeaveThePlayerWorking) {
    ZaznamHlaseni hlaseni;
    prehravac_->NastavitZtlumeni(true);
    EXPECT_EQ(S_OK, prehravac_->NastavitHlasitost(80));
    EXPECT_TRUE(hlaseni.okna.empty() && hlaseni.udalosti.empty());

    // A stream the control cannot reach does not play, and the player plays the next one.
    prehravac_->OtevritUrl(L"http://127.0.0.1:9/proud");
    Pumpovat(200);
    posluchac_.stavy.clear();
    prehravac_->Prehrat();
    Pumpovat(500);
    EXPECT_FALSE(posluchac_.Obsahuje(kPrehrava));
    prehravac_->Zastavit();
    OtevritTon();
    Spustit();
}

} // namespace
} // namespace Vrbatec::Testy
