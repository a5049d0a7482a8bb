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

constexpr int kId = 1200;

class SysLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX odkazy{sizeof(odkazy), ICC_LINK_CLASS};
        ASSERT_TRUE(InitCommonControlsEx(&odkazy));
        prvek = rodic.VytvoritDite(WC_LINK, kId, 0, L"<a>web</a> a <a>pošta</a>");
    }

    std::wstring Url(int index) const {
        LITEM polozka{};
        polozka.mask = LIF_ITEMINDEX | LIF_URL;
        polozka.iLink = index;
        SendMessageW(prvek, LM_GETITEM, 0, reinterpret_cast<LPARAM>(&polozka));
        return polozka.szUrl;
    }

    // A click of the mouse on the first link, which starts the text.
    void KliknoutNaPrvniOdkaz() const {
        const LPARAM bod = MAKELPARAM(3, 5);
        SendMessageW(prvek, WM_LBUTTONDOWN, MK_LBUTTON, bod);
        SendMessageW(prvek, WM_LBUTTONUP, 0, bod);
    }

    int Sirka() const {
        RECT r{};
        GetWindowRect(prvek, &r);
        return r.right - r.left;
    }

    Testy::RodicTestu rodic;
    HWND prvek = nullptr;
    Knihovna::SysLink odkaz;
};

TEST_F(SysLinkTest, AttachSetsTheFirstLinksUrlWhichIsCutToTheControlsLimitAndClearedByNull) {
    odkaz.PripojitOdkaz(prvek, L"http://www.vrbatec.cz/");
    EXPECT_EQ(Url(0), L"http://www.vrbatec.cz/");
    EXPECT_EQ(Url(1), L"");

    const std::wstring dlouha = L"http://www.vrbatec.cz/?q=" + std::wstring(3000, L'x');
    odkaz.NastavitUrl(dlouha.c_str(), 1);
    EXPECT_EQ(Url(1), dlouha.substr(0, Knihovna::SysLink::kMaxDelkaUrl));
    EXPECT_EQ(Knihovna::SysLink::kMaxDelkaUrl, 2083u);

    odkaz.NastavitUrl(nullptr, 0);
    EXPECT_EQ(Url(0), L"");
}

TEST_F(SysLinkTest, ClickOpensTheUrlShownOnlyWhenTheLinkHasOne) {
    Testy::ZaznamOtevirani otvirac;
    Testy::ZaznamHlaseni hlaseni;
    odkaz.PripojitOdkaz(prvek);

    KliknoutNaPrvniOdkaz();
    EXPECT_TRUE(otvirac.otevreni.empty());

    odkaz.NastavitUrl(L"mailto:info@vrbatec.cz");
    KliknoutNaPrvniOdkaz();
    ASSERT_EQ(otvirac.otevreni.size(), 1u);
    EXPECT_EQ(otvirac.otevreni[0].cil, L"mailto:info@vrbatec.cz");
    EXPECT_EQ(otvirac.otevreni[0].zobrazeni, SW_SHOW);
    EXPECT_TRUE(hlaseni.okna.empty());
}

TEST_F(SysLinkTest, ALinkTheShellCannotOpenShowsTheSystemsReasonInABoxTitledOdkaz) {
    Testy::ZaznamOtevirani otvirac;
    otvirac.chyba = ERROR_NO_ASSOCIATION;
    Testy::ZaznamHlaseni hlaseni;
    odkaz.PripojitOdkaz(prvek, L"neznamy:cil");

    KliknoutNaPrvniOdkaz();
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].titulek, L"Odkaz");
    EXPECT_EQ(hlaseni.okna[0].text, PopisHResult(HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION)));
    EXPECT_EQ(hlaseni.okna[0].typ & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(SysLinkTest, ResizingToTheTextMeasuresWhatIsShownWithoutTheTagsAndKeepsTheHeight) {
    odkaz.PripojitOdkaz(prvek);
    RECT puvodni{};
    GetWindowRect(prvek, &puvodni);

    odkaz.NastavitText(L"<a>Vrbatec Zápisník</a>", true);
    HDC dc = GetDC(prvek);
    HGDIOBJ pismo =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(prvek, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32W(dc, L"Vrbatec Zápisník", 16, &text);
    SelectObject(dc, pismo);
    ReleaseDC(prvek, dc);

    RECT novy{};
    GetWindowRect(prvek, &novy);
    EXPECT_EQ(novy.right - novy.left, text.cx + 4);
    EXPECT_EQ(novy.bottom - novy.top, puvodni.bottom - puvodni.top);

    odkaz.NastavitText(L"<a>Budík</a>", true);
    EXPECT_LT(Sirka(), text.cx);
}

TEST(SysLink, AttachingToNoWindowIsFatal) {
    const auto konec =
        Testy::SpustitNaVlakne([] { (new Knihovna::SysLink)->PripojitOdkaz(nullptr); });
    EXPECT_TRUE(konec.fatalni);
    EXPECT_TRUE(Testy::Obsahuje(konec.text, PopisHResult(E_HANDLE)));
}

} // namespace
