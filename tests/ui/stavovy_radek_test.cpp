// The status bar in a plain window: its parts, text and icons, and the blinking while
// recording.
#include "ui/StavovyRadek.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "OknoProPrvky.h"

namespace Vrbatec::Ui {
namespace {

class StavovyRadekTest : public Testy::OknoProPrvky {
protected:
    void SetUp() override {
        OknoProPrvky::SetUp();
        radek_.Vytvorit(okno_, Instance(), L"Zvukolet - připraven", Ikona(StavovaIkona::Zastaveno),
                        Ikona(StavovaIkona::BezZaznamu));
    }
    void TearDown() override {
        radek_.Zrusit();
        OknoProPrvky::TearDown();
    }
    static HICON Ikona(StavovaIkona ikona) { return AplikaceInstance().StavIkona(ikona); }

    StavovyRadek radek_;
};

TEST_F(StavovyRadekTest, ThreePartsWithTheStopIconTheNotRecordingIconAndTheText) {
    ASSERT_EQ(radek_.Hwnd(), ::GetDlgItem(okno_, IDC_STAVOVY_RADEK));
    EXPECT_TRUE(::GetWindowLongW(radek_.Hwnd(), GWL_STYLE) & SBARS_TOOLTIPS);
    int okraje[4] = {};
    ASSERT_EQ(3, ::SendMessageW(radek_.Hwnd(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(okraje)));
    EXPECT_EQ(24, okraje[0]);
    EXPECT_EQ(48, okraje[1]);
    EXPECT_EQ(-1, okraje[2]);

    EXPECT_EQ(L"Zvukolet - připraven", radek_.Text());
    EXPECT_EQ(Ikona(StavovaIkona::Zastaveno), radek_.Ikona(StavovyRadek::kCastIkonyPrehravani));
    EXPECT_EQ(Ikona(StavovaIkona::BezZaznamu), radek_.Ikona(StavovyRadek::kCastIkonyZaznamu));

    radek_.NastavitText(L"Přehrávání - 128 kb/s - Černá stanice");
    EXPECT_EQ(L"Přehrávání - 128 kb/s - Černá stanice", radek_.Text());
    EXPECT_GT(radek_.Vyska(), 0);
}

TEST_F(StavovyRadekTest, BlinkingAlternatesTheRecordingPartBetweenTheTwoIcons) {
    const HICON zaznam = Ikona(StavovaIkona::Zaznam);
    const HICON bezZaznamu = Ikona(StavovaIkona::BezZaznamu);
    for (const HICON ocekavana : {zaznam, bezZaznamu, zaznam}) {
        radek_.BliknoutZaznamem(zaznam, bezZaznamu);
        EXPECT_EQ(ocekavana, radek_.Ikona(StavovyRadek::kCastIkonyZaznamu));
    }
    // Any other icon counts as "recording shown" and gives way to the not-recording icon.
    radek_.NastavitIkonu(StavovyRadek::kCastIkonyZaznamu, Ikona(StavovaIkona::Prehravani));
    radek_.BliknoutZaznamem(zaznam, bezZaznamu);
    EXPECT_EQ(bezZaznamu, radek_.Ikona(StavovyRadek::kCastIkonyZaznamu));
    EXPECT_EQ(Ikona(StavovaIkona::Zastaveno), radek_.Ikona(StavovyRadek::kCastIkonyPrehravani));
}

TEST_F(StavovyRadekTest, AnIconForAPartThatIsNotThereIsFatalAndADestroyedBarHasNoHeight) {
    EXPECT_THROW(radek_.NastavitIkonu(5, Ikona(StavovaIkona::Zaznam)), Testy::UkonceniProcesu);
    ASSERT_FALSE(hlaseni_.okna.empty());

    radek_.Zrusit();
    EXPECT_FALSE(radek_.Existuje());
    EXPECT_EQ(nullptr, ::GetDlgItem(okno_, IDC_STAVOVY_RADEK));
    EXPECT_EQ(0, radek_.Vyska());
}

} // namespace
} // namespace Vrbatec::Ui
