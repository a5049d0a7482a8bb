// The information panel under a plain parent, and the link commands of the Help menu: what
// each link and command would open, through a recording opener.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "winapi/Diagnostika.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"
#include "ui/DlgKlientskaOblast.h"
#include "update/PrikazyOdkazu.h"
#include "winapi/OknaTestu.h"
#include "winapi/ZaznamOtevirani.h"

namespace {

using namespace Vrbatec;

constexpr wchar_t kWebAplikace[] = L"http://www.vrbatec.cz/software/zvukolet/";

class KlientskaOblast : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    void SetUp() override {
        ASSERT_NE(panel.Vytvorit(GetModuleHandleW(nullptr), rodic.Hwnd()), nullptr);
    }

    HWND Prvek(int id) const { return GetDlgItem(panel.Hwnd(), id); }

    // The notification that the link control sends its parent when a link is clicked.
    void Kliknout(int id) const {
        NMLINK oznameni{.hdr = {Prvek(id), static_cast<UINT_PTR>(id), static_cast<UINT>(NM_CLICK)}};
        SendMessageW(panel.Hwnd(), WM_NOTIFY, id, reinterpret_cast<LPARAM>(&oznameni));
    }

    Testy::RodicTestu rodic;
    DlgKlientskaOblast panel;
};

// The links of the panel and the commands of the Help menu; a failure to open is explained
// under the product name only for the application pages and the commands.
TEST_F(KlientskaOblast, LinksAndHelpCommandsOpenTheirTargetsMaximised) {
    const struct {
        std::function<void()> otevrit;
        std::wstring cil;
        bool hlasiChybu;
    } odkazy[] = {
        {[&] { Kliknout(IDC_ODKAZ_EMAIL); },
         L"mailto:info@vrbatec.cz?subject=Žádost o technickou podporu", false},
        {[&] { Kliknout(IDC_ODKAZ_WEB_APLIKACE); }, kWebAplikace, true},
        {[&] { Kliknout(IDC_ODKAZ_APLIKACE_1); }, L"http://www.vrbatec.cz/software/budik/", true},
        {PrikazyOdkazu::OtevritWebAplikace, kWebAplikace, true},
        {PrikazyOdkazu::OtevritPodporu,
         L"mailto:podpora@vrbatec.cz?subject=Zvukolet - žádost o technickou podporu", true},
    };
    for (const DWORD chyba : {DWORD{0}, DWORD{ERROR_NO_ASSOCIATION}}) {
        for (const auto& odkaz : odkazy) {
            SCOPED_TRACE(odkaz.cil);
            Testy::ZaznamOtevirani otvirac;
            otvirac.chyba = chyba;
            Testy::ZaznamHlaseni hlaseni;
            odkaz.otevrit();
            ASSERT_EQ(otvirac.otevreni.size(), 1u);
            EXPECT_EQ(otvirac.otevreni[0].cil, odkaz.cil);
            EXPECT_EQ(otvirac.otevreni[0].zobrazeni, SW_MAXIMIZE);
            ASSERT_EQ(hlaseni.okna.size(), chyba != 0 && odkaz.hlasiChybu ? 1u : 0u);
            for (const auto& okno : hlaseni.okna) {
                EXPECT_EQ(okno.titulek, L"Zvukolet");
                EXPECT_EQ(okno.text, PopisHResult(HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION)));
                EXPECT_EQ(okno.typ & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
            }
        }
    }
}

TEST(KlientskaOblastBezPrvku, APanelWithoutItsControlsIsFatal) {
    Testy::PripravitProstredkyAplikace();
    const auto konec = Testy::SpustitNaVlakne([] {
        struct alignas(4) {
            DLGTEMPLATE dialog{WS_CHILD | DS_CONTROL, 0, 0, 0, 0, 100, 50};
            WORD menu = 0, trida = 0, titulek = 0;
        } static const prazdny;
        auto* rodic = new Testy::RodicTestu;
        (new DlgKlientskaOblast)
            ->VytvoritNemodalne(GetModuleHandleW(nullptr), &prazdny.dialog, rodic->Hwnd());
    });
    EXPECT_TRUE(konec.fatalni);
    EXPECT_TRUE(Testy::Obsahuje(konec.text, PopisHResult(E_HANDLE)));
}

} // namespace
