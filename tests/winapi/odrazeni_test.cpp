// Reflection of notifications from a parent to the control they concern.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "OknaTestu.h"
#include "winapi/OdrazeniZprav.h"
#include "winapi/OdrazitOznameni.h"

namespace {

using namespace Vrbatec;
using Testy::RodicTestu;
using Testy::ZaznamZprav;
using WinApi::kZakladOdrazeni;
using WinApi::OdrazitOznameni;

constexpr int kIdTlacitka = 101;
constexpr int kIdCiziho = 102;

class Odrazeni : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(prvek.Pripojit(tlacitko));
        // The parent was told of its children's creation before anyone was attached.
        rodic.neodrazene.clear();
    }

    LPARAM Tlacitko() const { return reinterpret_cast<LPARAM>(tlacitko); }

    RodicTestu rodic;
    HWND tlacitko = rodic.VytvoritDite(L"BUTTON", kIdTlacitka, BS_PUSHBUTTON, L"OK");
    HWND cizi = rodic.VytvoritDite(L"BUTTON", kIdCiziho, BS_PUSHBUTTON, L"Jiné");
    ZaznamZprav prvek;
};

TEST_F(Odrazeni, CommandNotifyAndDrawItemReachTheirControlRaisedBy0x2000) {
    prvek.odpovedi[kZakladOdrazeni + WM_COMMAND] = 7;
    prvek.odpovedi[kZakladOdrazeni + WM_NOTIFY] = 8;
    prvek.odpovedi[kZakladOdrazeni + WM_DRAWITEM] = TRUE;
    HWND okno = rodic.Hwnd();

    const WPARAM prikaz = MAKEWPARAM(kIdTlacitka, BN_CLICKED);
    EXPECT_EQ(SendMessageW(okno, WM_COMMAND, prikaz, Tlacitko()), 7);
    ASSERT_EQ(prvek.Pocet(0x2111), 1);
    EXPECT_EQ(prvek.Posledni(0x2111)->wParam, prikaz);
    EXPECT_EQ(prvek.Posledni(0x2111)->lParam, Tlacitko());

    NMHDR oznameni{tlacitko, kIdTlacitka, NM_CLICK};
    EXPECT_EQ(SendMessageW(okno, WM_NOTIFY, kIdTlacitka, reinterpret_cast<LPARAM>(&oznameni)), 8);
    ASSERT_EQ(prvek.Pocet(0x204E), 1);
    EXPECT_EQ(prvek.Posledni(0x204E)->lParam, reinterpret_cast<LPARAM>(&oznameni));

    DRAWITEMSTRUCT kresleni{};
    kresleni.CtlType = ODT_BUTTON;
    kresleni.CtlID = kIdTlacitka;
    kresleni.hwndItem = tlacitko;
    EXPECT_EQ(SendMessageW(okno, WM_DRAWITEM, kIdTlacitka, reinterpret_cast<LPARAM>(&kresleni)),
              TRUE);
    EXPECT_EQ(prvek.Pocet(0x202B), 1);

    EXPECT_TRUE(rodic.neodrazene.empty());
}

TEST_F(Odrazeni, ARealClickIsReflectedToTheButton) {
    prvek.odpovedi[kZakladOdrazeni + WM_COMMAND] = 0;
    SendMessageW(tlacitko, BM_CLICK, 0, 0);
    ASSERT_EQ(prvek.Pocet(kZakladOdrazeni + WM_COMMAND), 1);
    EXPECT_EQ(prvek.Posledni(kZakladOdrazeni + WM_COMMAND)->wParam,
              MAKEWPARAM(kIdTlacitka, BN_CLICKED));
    EXPECT_TRUE(rodic.neodrazene.empty());
}

TEST_F(Odrazeni, AnUnhandledReflectionGetsDefWindowProcOfTheOriginalMessage) {
    LRESULT vysledek = -1;
    EXPECT_FALSE(OdrazitOznameni(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(kIdTlacitka, BN_CLICKED),
                                 Tlacitko(), vysledek));
    EXPECT_EQ(vysledek, 0);
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_COMMAND), 1);

    // DefWindowProcW answers the colour message of an edit with the window brush, where
    // the button's own procedure would know nothing of 0x2133.
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(OdrazitOznameni(rodic.Hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                 Tlacitko(), vysledek));
    DeleteDC(dc);
    EXPECT_EQ(vysledek, reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW)));
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_CTLCOLOREDIT), 1);

    // The parent then does its own processing.
    SendMessageW(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(kIdTlacitka, BN_CLICKED), Tlacitko());
    EXPECT_EQ(rodic.neodrazene, std::vector<UINT>{WM_COMMAND});
}

TEST_F(Odrazeni, MenusAndControlsWithoutAnObjectAreNotHandled) {
    prvek.odpovedi[kZakladOdrazeni + WM_COMMAND] = 7;
    prvek.odpovedi[kZakladOdrazeni + WM_DRAWITEM] = TRUE;
    LRESULT vysledek = 0;
    // A menu command has no control, an owner-drawn menu item has identifier 0.
    EXPECT_FALSE(OdrazitOznameni(rodic.Hwnd(), WM_COMMAND, 40001, 0, vysledek));
    DRAWITEMSTRUCT menu{};
    menu.CtlType = ODT_MENU;
    EXPECT_FALSE(
        OdrazitOznameni(rodic.Hwnd(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menu), vysledek));
    // A control that nobody subclassed gets the message, but nothing handles it.
    EXPECT_FALSE(OdrazitOznameni(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(kIdCiziho, BN_CLICKED),
                                 reinterpret_cast<LPARAM>(cizi), vysledek));
    // Not a reflected message at all.
    EXPECT_FALSE(OdrazitOznameni(rodic.Hwnd(), WM_SETTEXT, 0, Tlacitko(), vysledek));
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_COMMAND), 0);
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_DRAWITEM), 0);
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_SETTEXT), 0);
}

TEST_F(Odrazeni, ScrollsAndParentNotificationsFindTheirChild) {
    prvek.odpovedi[kZakladOdrazeni + WM_HSCROLL] = 1;
    prvek.odpovedi[kZakladOdrazeni + WM_PARENTNOTIFY] = 1;
    LRESULT vysledek = 0;
    EXPECT_TRUE(OdrazitOznameni(rodic.Hwnd(), WM_HSCROLL, SB_LINERIGHT, Tlacitko(), vysledek));
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_HSCROLL), 1);

    EXPECT_TRUE(OdrazitOznameni(rodic.Hwnd(), WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, kIdTlacitka),
                                Tlacitko(), vysledek));
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_PARENTNOTIFY), 1);

    // A click names the point; the button covers (10,10)-(210,110) of the parent, and the
    // other button at the same place is hidden.
    ShowWindow(cizi, SW_HIDE);
    EXPECT_TRUE(OdrazitOznameni(rodic.Hwnd(), WM_PARENTNOTIFY, WM_LBUTTONDOWN, MAKELPARAM(50, 50),
                                vysledek));
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_PARENTNOTIFY), 2);
    EXPECT_FALSE(OdrazitOznameni(rodic.Hwnd(), WM_PARENTNOTIFY, WM_LBUTTONDOWN,
                                 MAKELPARAM(300, 200), vysledek));
    EXPECT_EQ(prvek.Pocet(kZakladOdrazeni + WM_PARENTNOTIFY), 2);
}

TEST_F(Odrazeni, NestedReflectionsEachReportTheirOwnControl) {
    ZaznamZprav druhy;
    ASSERT_TRUE(druhy.Pripojit(cizi));
    // The first control's handler reflects a notification of the second, which nobody
    // handles, and then handles its own.
    bool vnorenaZpracovana = true;
    prvek.akce[kZakladOdrazeni + WM_COMMAND] = [&](HWND) {
        LRESULT vysledek = 0;
        vnorenaZpracovana =
            OdrazitOznameni(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(kIdCiziho, BN_CLICKED),
                            reinterpret_cast<LPARAM>(cizi), vysledek);
    };
    prvek.odpovedi[kZakladOdrazeni + WM_COMMAND] = 3;
    LRESULT vysledek = 0;
    EXPECT_TRUE(OdrazitOznameni(rodic.Hwnd(), WM_COMMAND, MAKEWPARAM(kIdTlacitka, BN_CLICKED),
                                Tlacitko(), vysledek));
    EXPECT_EQ(vysledek, 3);
    EXPECT_FALSE(vnorenaZpracovana);
    EXPECT_EQ(druhy.Pocet(kZakladOdrazeni + WM_COMMAND), 1);
}

} // namespace
