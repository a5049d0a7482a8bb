// The link control: URLs of its links, real clicks that open them through the opener, and
// the width that follows its text.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "OknaTestu.h"
#include "ZaznamOtevirani.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/SysLink.h"

namespace {

using namespace Vrbatec;

class SysLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX odkazy{sizeof(odkazy), ICC_LINK_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&odkazy));
        prvek = rodic.VytvoritDite(WC_LINK, 1200, 0, L"<a>web</a> a <a>pošta</a>");
    }

    std::wstring Url(int index) const {
        LITEM polozka{.mask = LIF_ITEMINDEX | LIF_URL, .iLink = index};
        SendMessageW(prvek, LM_GETITEM, 0, reinterpret_cast<LPARAM>(&polozka));
        return polozka.szUrl;
    }

    // A click of the mouse on the first link, which starts the text.
    void KliknoutNaPrvniOdkaz() const {
        SendMessageW(prvek, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
        SendMessageW(prvek, WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
    }

    Testy::RodicTestu rodic;
    HWND prvek = nullptr;
    Knihovna::SysLink odkaz;
    Testy::ZaznamOtevirani otvirac;
    Testy::ZaznamHlaseni hlaseni;
};

TEST_F(SysLinkTest, AttachSetsTheFirstLinksUrlWhichIsCutToTheControlsLimitAndClearedByNull) {
    odkaz.PripojitOdkaz(prvek, L"http://www.vrbatec.cz/");
    EXPECT_EQ(Url(0), L"http://www.vrbatec.cz/");
    EXPECT_EQ(Url(1), L"");

    const std::wstring dlouha = L"http://www.vrbatec.cz/?q=" + std::wstring(3000, L'x');
    odkaz.NastavitUrl(dlouha.c_str(), 1);
    EXPECT_EQ(Url(1), dlouha.substr(0, 2083));
    odkaz.NastavitUrl(nullptr, 0);
    EXPECT_EQ(Url(0), L"");
}

TEST_F(SysLinkTest, AClickOpensTheUrlShownAndAFailureShowsTheSystemsReasonInABoxTitledOdkaz) {
    odkaz.PripojitOdkaz(prvek);
    KliknoutNaPrvniOdkaz();
    EXPECT_TRUE(otvirac.otevreni.empty()) << "the link has no URL";

    odkaz.NastavitUrl(L"mailto:info@vrbatec.cz");
    KliknoutNaPrvniOdkaz();
    ASSERT_EQ(otvirac.otevreni.size(), 1u);
    EXPECT_EQ(otvirac.otevreni[0].cil, L"mailto:info@vrbatec.cz");
    EXPECT_EQ(otvirac.otevreni[0].zobrazeni, SW_SHOW);
    EXPECT_TRUE(hlaseni.okna.empty());

    otvirac.chyba = ERROR_NO_ASSOCIATION;
    KliknoutNaPrvniOdkaz();
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].titulek, L"Odkaz");
    EXPECT_EQ(hlaseni.okna[0].text, PopisHResult(HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION)));
    EXPECT_EQ(hlaseni.okna[0].typ & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

} // namespace
