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
using WinApi::OdrazitOznameni;

constexpr int kIdTlacitka = 101;
constexpr int kIdCiziho = 102;

class Odrazeni : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(prvek.Pripojit(tlacitko)); }

    bool Odrazit(UINT zprava, WPARAM wParam, LPARAM lParam) {
        return OdrazitOznameni(rodic.Hwnd(), zprava, wParam, lParam, vysledek);
    }

    RodicTestu rodic;
    HWND tlacitko = rodic.VytvoritDite(L"BUTTON", kIdTlacitka, BS_PUSHBUTTON, L"OK");
    LPARAM lpTlacitka = reinterpret_cast<LPARAM>(tlacitko);
    HWND cizi = rodic.VytvoritDite(L"BUTTON", kIdCiziho, BS_PUSHBUTTON, L"Jiné");
    LPARAM lpCiziho = reinterpret_cast<LPARAM>(cizi);
    ZaznamZprav prvek;
    LRESULT vysledek = -1;
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

TEST_F(Odrazeni, AnUnhandledReflectionGetsDefWindowProcOfTheOriginalMessage) {
    EXPECT_FALSE(Odrazit(WM_COMMAND, MAKEWPARAM(kIdTlacitka, BN_CLICKED), lpTlacitka));
    EXPECT_EQ(vysledek, 0);
    EXPECT_EQ(prvek.Pocet(WM_COMMAND + 0x2000), 1);

    // DefWindowProcW answers the colour message of an edit with the window brush, where
    // the button's own procedure would know nothing of 0x2133.
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(Odrazit(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), lpTlacitka));
    DeleteDC(dc);
    EXPECT_EQ(vysledek, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)));

    // The parent then does its own processing.
    SendMessageW(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(kIdTlacitka, BN_CLICKED), lpTlacitka);
    EXPECT_EQ(rodic.neodrazenePrikazy, 1);
}

TEST_F(Odrazeni, OnlyMessagesThatNameAControlWithAnObjectAreHandled) {
    const UINT zpravy[] = {WM_COMMAND, WM_DRAWITEM, WM_SETTEXT, WM_HSCROLL, WM_PARENTNOTIFY};
    for (const UINT zprava : zpravy) {
        prvek.odpovedi[zprava + 0x2000] = 1;
    }
    const DRAWITEMSTRUCT menu{.CtlType = ODT_MENU};
    // A menu command has no control, an owner-drawn menu item has identifier 0, a control
    // that nobody subclassed is not handled, and WM_SETTEXT is not reflected at all.
    EXPECT_FALSE(Odrazit(WM_COMMAND, 40001, 0));
    EXPECT_FALSE(Odrazit(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menu)));
    EXPECT_FALSE(Odrazit(WM_COMMAND, MAKEWPARAM(kIdCiziho, BN_CLICKED), lpCiziho));
    EXPECT_FALSE(Odrazit(WM_SETTEXT, 0, lpTlacitka));
    for (const UINT zprava : zpravy) {
        EXPECT_EQ(prvek.Pocet(zprava + 0x2000), 0) << zprava;
    }

    // Scrolls name the control; parent notifications the child or, for a click, the point:
    // the button covers (10,10)-(210,110) of the parent, the other one there is hidden.
    EXPECT_TRUE(Odrazit(WM_HSCROLL, SB_LINERIGHT, lpTlacitka));
    EXPECT_TRUE(Odrazit(WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, kIdTlacitka), lpTlacitka));
    ShowWindow(cizi, SW_HIDE);
    EXPECT_TRUE(Odrazit(WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(50, 50)));
    EXPECT_FALSE(Odrazit(WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(300, 200)));
    EXPECT_EQ(prvek.Pocet(WM_HSCROLL + 0x2000), 1);
    EXPECT_EQ(prvek.Pocet(WM_PARENTNOTIFY + 0x2000), 2);
}

TEST_F(Odrazeni, NestedReflectionsEachReportTheirOwnControl) {
    ZaznamZprav druhy;
    ASSERT_TRUE(druhy.Pripojit(cizi));
    // The first control's handler reflects a notification of the second, which nobody
    // handles, and then handles its own.
    bool vnorenaZpracovana = true;
    prvek.akce[WM_COMMAND + 0x2000] = [&](HWND) {
        vnorenaZpracovana = Odrazit(WM_COMMAND, MAKEWPARAM(kIdCiziho, BN_CLICKED), lpCiziho);
    };
    prvek.odpovedi[WM_COMMAND + 0x2000] = 3;
    EXPECT_TRUE(Odrazit(WM_COMMAND, MAKEWPARAM(kIdTlacitka, BN_CLICKED), lpTlacitka));
    EXPECT_EQ(vysledek, 3);
    EXPECT_FALSE(vnorenaZpracovana);
    EXPECT_EQ(druhy.Pocet(WM_COMMAND + 0x2000), 1);
}

} // namespace
