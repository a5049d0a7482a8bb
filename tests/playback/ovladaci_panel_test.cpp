// The control panel: it opens at the current volume, the user's changes reach its owner, and
// the playback commands move it without being told back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "../winapi/OknaTestu.h"
#include "app/Aplikace.h"
#include "config/UlozisteNastaveni.h"
#include "playback/DlgOvladaciPanel.h"
#include "res/resource.h"

namespace {

using namespace Vrbatec;

class ZaznamOvladani final : public OvladaniHlasitosti {
public:
    void PriZmeneHlasitosti(int hlasitost) override { hlasitosti.push_back(hlasitost); }
    void PriZmeneZtlumeni(bool ztlumit) override { ztlumeni.push_back(ztlumit); }

    std::vector<int> hlasitosti;
    std::vector<bool> ztlumeni;
};

void Kliknout(HWND dialog, int id) {
    ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

class OvladaciPanelTest : public ::testing::Test {
protected:
    void TearDown() override { NastaveniAplikace().hlasitost = puvodniHlasitost_; }

    HWND Otevrit(std::uint32_t hlasitost) {
        NastaveniAplikace().hlasitost = hlasitost;
        HWND okno = panel_.Vytvorit(::GetModuleHandleW(nullptr), rodic_.Hwnd());
        EXPECT_NE(okno, nullptr);
        panel_.NastavitOvladani(&ovladani_);
        return okno;
    }
    int Pozice() const {
        return static_cast<int>(
            ::SendDlgItemMessageW(panel_.Hwnd(), IDC_HLASITOST, TBM_GETPOS, 0, 0));
    }
    std::wstring Cislo() const {
        return Testy::TextOkna(::GetDlgItem(panel_.Hwnd(), IDC_HLASITOST_CISLO));
    }
    bool Zaskrtnuto() const {
        return ::IsDlgButtonChecked(panel_.Hwnd(), IDC_ZTLUMIT) == BST_CHECKED;
    }
    void Posunout(int pozice) {
        HWND posuvnik = ::GetDlgItem(panel_.Hwnd(), IDC_HLASITOST);
        ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, pozice);
        ::SendMessageW(panel_.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, pozice),
                       reinterpret_cast<LPARAM>(posuvnik));
    }

    const std::uint32_t puvodniHlasitost_ = NastaveniAplikace().hlasitost;
    Testy::RodicTestu rodic_;
    ZaznamOvladani ovladani_;
    DlgOvladaciPanel panel_;
};

TEST_F(OvladaciPanelTest, OpensAtTheCurrentVolumeUnmutedAndAVolumeAbove100ShowsZero) {
    HWND okno = Otevrit(30);
    EXPECT_EQ(Pozice(), 30);
    EXPECT_EQ(Cislo(), L"30");
    EXPECT_FALSE(Zaskrtnuto());
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(okno, IDC_HLASITOST)));
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(okno, IDC_ZTLUMIT)));
    panel_.Zrusit();

    Otevrit(150);
    EXPECT_EQ(Pozice(), 0);
    EXPECT_EQ(Cislo(), L"0");
    EXPECT_TRUE(ovladani_.hlasitosti.empty());
}

TEST_F(OvladaciPanelTest, SliderAndBoxReachTheOwner) {
    Otevrit(50);
    Posunout(64);
    Posunout(12);
    EXPECT_EQ(ovladani_.hlasitosti, (std::vector<int>{64, 12}));
    EXPECT_EQ(Cislo(), L"12");

    Kliknout(panel_.Hwnd(), IDC_ZTLUMIT);
    Kliknout(panel_.Hwnd(), IDC_ZTLUMIT);
    EXPECT_EQ(ovladani_.ztlumeni, (std::vector<bool>{true, false}));
}

TEST_F(OvladaciPanelTest, CommandsMoveSliderNumberAndBoxWithoutReportingBack) {
    Otevrit(50);
    panel_.UkazatHlasitost(81);
    EXPECT_EQ(Pozice(), 81);
    EXPECT_EQ(Cislo(), L"81");
    panel_.UkazatZtlumeni(true);
    EXPECT_TRUE(Zaskrtnuto());
    panel_.UkazatZtlumeni(false);
    EXPECT_FALSE(Zaskrtnuto());
    EXPECT_TRUE(ovladani_.hlasitosti.empty());
    EXPECT_TRUE(ovladani_.ztlumeni.empty());
}

} // namespace
