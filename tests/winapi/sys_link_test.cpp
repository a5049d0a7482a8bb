// The link control: real clicks that open its URL through the opener.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "OknaTestu.h"
#include "ZaznamOtevirani.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/SysLink.h"

namespace {

using namespace Vrbatec;

TEST(SysLink, AClickOpensTheUrlShownAndAFailureShowsTheSystemsReasonInABoxTitledOdkaz) {
    const INITCOMMONCONTROLSEX odkazy{sizeof(odkazy), ICC_LINK_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&odkazy));
    Testy::RodicTestu rodic;
    HWND prvek = rodic.VytvoritDite(WC_LINK, 1200, 0, L"<a>web</a> a <a>pošta</a>");
    Testy::ZaznamOtevirani otvirac;
    Testy::ZaznamHlaseni hlaseni;
    // A click of the mouse on the first link, which starts the text.
    const auto kliknout = [prvek] {
        SendMessageW(prvek, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 5));
        SendMessageW(prvek, WM_LBUTTONUP, 0, MAKELPARAM(3, 5));
    };
    Knihovna::SysLink odkaz;
    odkaz.PripojitOdkaz(prvek, L"mailto:info@vrbatec.cz");
    kliknout();
    ASSERT_EQ(otvirac.otevreni.size(), 1u);
    EXPECT_EQ(otvirac.otevreni[0].cil, L"mailto:info@vrbatec.cz");
    EXPECT_EQ(otvirac.otevreni[0].zobrazeni, SW_SHOW);
    EXPECT_TRUE(hlaseni.okna.empty());

    otvirac.chyba = ERROR_NO_ASSOCIATION;
    kliknout();
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].titulek, L"Odkaz");
    EXPECT_EQ(hlaseni.okna[0].text, PopisHResult(HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION)));
    EXPECT_EQ(hlaseni.okna[0].typ & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

} // namespace
