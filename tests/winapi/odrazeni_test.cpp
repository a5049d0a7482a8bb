// Reflection of notifications from a parent to the control they concern.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "OknaTestu.h"
#include "winapi/OdrazitOznameni.h"

namespace {

using namespace Vrbatec;
using Testy::RodicTestu;
using Testy::ZaznamZprav;

constexpr int kIdTlacitka = 101;

class Odrazeni : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(prvek.Pripojit(tlacitko)); }

    RodicTestu rodic;
    HWND tlacitko = rodic.VytvoritDite(L"BUTTON", kIdTlacitka, BS_PUSHBUTTON, L"OK");
    LPARAM lpTlacitka = reinterpret_cast<LPARAM>(tlacitko);
    ZaznamZprav prvek;
};

TEST_F(Odrazeni, CommandNotifyAndDrawItemReachTheirControlRaisedBy0x2000) {
    NMHDR oznameni{tlacitko, kIdTlacitka, NM_CLICK};
    const DRAWITEMSTRUCT kresleni{
        .CtlType = ODT_BUTTON, .CtlID = kIdTlacitka, .hwndItem = tlacitko};
    const struct {
        UINT zprava;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT odpoved;
    } pripady[] = {{WM_COMMAND, MAKEWPARAM(kIdTlacitka, BN_CLICKED), lpTlacitka, 7},
                   {WM_NOTIFY, kIdTlacitka, reinterpret_cast<LPARAM>(&oznameni), 8},
                   {WM_DRAWITEM, kIdTlacitka, reinterpret_cast<LPARAM>(&kresleni), TRUE}};
    for (const auto& pripad : pripady) {
        const UINT odrazena = pripad.zprava + 0x2000;
        prvek.odpovedi[odrazena] = pripad.odpoved;
        EXPECT_EQ(SendMessageW(rodic.Hwnd(), pripad.zprava, pripad.wParam, pripad.lParam),
                  pripad.odpoved);
        ASSERT_EQ(prvek.Pocet(odrazena), 1) << pripad.zprava;
        EXPECT_EQ(prvek.Posledni(odrazena)->wParam, pripad.wParam);
        EXPECT_EQ(prvek.Posledni(odrazena)->lParam, pripad.lParam);
    }
    // A real click takes the same way.
    SendMessageW(tlacitko, BM_CLICK, 0, 0);
    EXPECT_EQ(prvek.Pocet(WM_COMMAND + 0x2000), 2);
    EXPECT_EQ(rodic.neodrazenePrikazy, 0);
}

} // namespace
