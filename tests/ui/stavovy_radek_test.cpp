// The status bar: its parts, text and icons, and the blinking while recording.
#include "ui/StavovyRadek.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "OknoProPrvky.h"

namespace Vrbatec::Ui {
namespace {

using Testy::UkonceniProcesu;

HICON Ikona(StavovaIkona ikona) {
    return AplikaceInstance().StavIkona(ikona);
}

class StavovyRadekTest : public Testy::OknoProPrvky {};

TEST_F(StavovyRadekTest, ThreePartsWithTextAndIconsAndTheRecordingPartBlinks) {
    const HICON zaznam = Ikona(StavovaIkona::Zaznam);
    const HICON bez = Ikona(StavovaIkona::BezZaznamu);
    StavovyRadek radek;
    radek.Vytvorit(okno_, Instance(), L"Zvukolet - připraven", Ikona(StavovaIkona::Zastaveno), bez);
    int okraje[4] = {};
    ASSERT_EQ(3, ::SendMessageW(radek.Hwnd(), SB_GETPARTS, 4, reinterpret_cast<LPARAM>(okraje)));
    EXPECT_EQ((std::vector<int>{24, 48, -1}), std::vector<int>(okraje, okraje + 3));
    EXPECT_EQ(L"Zvukolet - připraven", radek.Text());
    EXPECT_EQ(bez, radek.Ikona(StavovyRadek::kCastIkonyZaznamu));

    for (const HICON ocekavana : {zaznam, bez, zaznam}) {
        radek.BliknoutZaznamem(zaznam, bez);
        EXPECT_EQ(ocekavana, radek.Ikona(StavovyRadek::kCastIkonyZaznamu));
    }
    EXPECT_EQ(Ikona(StavovaIkona::Zastaveno), radek.Ikona(StavovyRadek::kCastIkonyPrehravani));

    EXPECT_THROW(radek.NastavitIkonu(5, zaznam), UkonceniProcesu);
}

} // namespace
} // namespace Vrbatec::Ui
