// The program's player over the real control under Wine, with a sound device of its own
// (se_zvukem.sh): a stream it cannot reach leaves it able to play the next one.
#include "playback/PrehravacWmp.h"

#include "config/UlozisteNastaveni.h"
#include "playback/PrehravacTestu.h"

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

    ZaznamStavu posluchac_;
    std::unique_ptr<Prehravac> prehravac_;
};

// Muting and the volume, which this platform's control handles its own way, show in the
// whole-program sound test.
TEST_F(PrehravacWmpTest, AnUnreachableAddressDoesNotPlayAndTheNextSourcePlays) {
    prehravac_->OtevritUrl(L"http://127.0.0.1:9/proud");
    Pumpovat(200);
    posluchac_.stavy.clear();
    prehravac_->Prehrat();
    Pumpovat(500);
    EXPECT_FALSE(posluchac_.Obsahuje(kPrehrava));
    prehravac_->Zastavit();

    ASSERT_EQ(S_OK, prehravac_->OtevritUrl(CestaTonu()));
    ASSERT_TRUE(CekatNa([&] { return posluchac_.Obsahuje(kPripraven); }, 5000));
    ASSERT_EQ(S_OK, prehravac_->Prehrat());
    EXPECT_TRUE(CekatNa([&] { return posluchac_.Obsahuje(kPrehrava); }, 5000));
}

} // namespace
} // namespace Vrbatec::Testy
