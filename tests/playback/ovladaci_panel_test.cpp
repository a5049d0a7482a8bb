// The control panel: it opens at the current volume, the user's changes reach its owner, and
// the playback commands move it without being told back.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "../winapi/OknaTestu.h"
#include "config/UlozisteNastaveni.h"
#include "playback/DlgOvladaciPanel.h"
#include "res/resource.h"

namespace {

using namespace Vrbatec;

class OvladaciPanelTest : public ::testing::Test, public OvladaniHlasitosti {
protected:
    void PriZmeneHlasitosti(int hlasitost) override { hlasitosti.push_back(hlasitost); }
    void PriZmeneZtlumeni(bool ztlumit) override { ztlumeni.push_back(ztlumit); }
    void TearDown() override { NastaveniAplikace().hlasitost = puvodniHlasitost_; }

    void Otevrit(std::uint32_t hlasitost) {
        NastaveniAplikace().hlasitost = hlasitost;
        ASSERT_NE(panel_.Vytvorit(::GetModuleHandleW(nullptr), rodic_.Hwnd()), nullptr);
        panel_.NastavitOvladani(this);
    }
    LRESULT Poslat(int id, UINT zprava, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendDlgItemMessageW(panel_.Hwnd(), id, zprava, wParam, lParam);
    }
    std::wstring Cislo() const { return Testy::TextPrvku(panel_.Hwnd(), IDC_HLASITOST_CISLO); }
    void Posunout(int pozice) {
        Poslat(IDC_HLASITOST, TBM_SETPOS, TRUE, pozice);
        ::SendMessageW(panel_.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, pozice),
                       reinterpret_cast<LPARAM>(::GetDlgItem(panel_.Hwnd(), IDC_HLASITOST)));
    }

    const std::uint32_t puvodniHlasitost_ = NastaveniAplikace().hlasitost;
    Testy::RodicTestu rodic_;
    DlgOvladaciPanel panel_;
    std::vector<int> hlasitosti;
    std::vector<bool> ztlumeni;
};

TEST_F(OvladaciPanelTest, OpensAtTheCurrentVolumeTellsTheOwnerAndFollowsCommands) {
    Otevrit(30);
    EXPECT_EQ(Poslat(IDC_HLASITOST, TBM_GETPOS), 30);
    EXPECT_EQ(Cislo(), L"30");
    EXPECT_EQ(Poslat(IDC_ZTLUMIT, BM_GETCHECK), BST_UNCHECKED);
    Posunout(12);
    EXPECT_EQ(Cislo(), L"12");
    Poslat(IDC_ZTLUMIT, BM_CLICK);
    EXPECT_EQ(hlasitosti, (std::vector<int>{12}));
    EXPECT_EQ(ztlumeni, (std::vector<bool>{true}));

    // The playback commands move it without its telling them back.
    panel_.UkazatHlasitost(81);
    panel_.UkazatZtlumeni(true);
    EXPECT_EQ(Poslat(IDC_HLASITOST, TBM_GETPOS), 81);
    EXPECT_EQ(Cislo(), L"81");
    EXPECT_EQ(Poslat(IDC_ZTLUMIT, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(hlasitosti.size() + ztlumeni.size(), 2u);
}

} // namespace
