// The base of report list views, created as a superclass or attached to a dialog's list.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "OknaTestu.h"
#include "winapi/ListViewSeznam.h"

namespace {

using namespace Vrbatec;
using Testy::RodicTestu;

constexpr int kId = 1028;

bool JeReportSVyberemRadku(HWND okno) {
    return (GetWindowLongPtrW(okno, GWL_STYLE) & LVS_TYPEMASK) == LVS_REPORT &&
           (SendMessageW(okno, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT) != 0;
}

void Naplnit(WinApi::ListViewSeznam& seznam) {
    ASSERT_EQ(seznam.PridatSloupec(L"Název", 180), 0);
    ASSERT_EQ(seznam.PridatSloupec(L"URL", 380), 1);
    const wchar_t* nazvy[] = {L"Český rozhlas Dvojka", L"Radio 1", L"Rock Rádio"};
    const wchar_t* adresy[] = {L"http://a/", L"http://b/", L"http://c/"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(seznam.VlozitPolozku(i, nazvy[i], 10 + i), i);
        seznam.NastavitText(i, 1, adresy[i]);
    }
}

TEST(ListViewSeznam, ACreatedReportListKeepsRowsDataAndSelection) {
    RodicTestu rodic;
    WinApi::ListViewSeznam seznam;
    seznam.VytvoritSeznam(GetModuleHandleW(nullptr), L"ZvukoletTestSeznam", rodic.Hwnd(), kId,
                          {0, 0, 300, 200}, LVS_SHOWSELALWAYS);
    HWND okno = seznam.Hwnd();
    ASSERT_NE(okno, nullptr);
    wchar_t trida[64] = {};
    GetClassNameW(okno, trida, 64);
    EXPECT_EQ(std::wstring(trida), L"ZvukoletTestSeznam");
    EXPECT_EQ(GetDlgCtrlID(okno), kId);
    EXPECT_TRUE(JeReportSVyberemRadku(okno));

    Naplnit(seznam);
    EXPECT_EQ(seznam.PocetSloupcu(), 2);
    ASSERT_EQ(seznam.Pocet(), 3);
    EXPECT_EQ(seznam.Text(0, 0), L"Český rozhlas Dvojka");
    EXPECT_EQ(seznam.Text(2, 1), L"http://c/");
    EXPECT_EQ(seznam.DataPolozky(1), 11);

    EXPECT_EQ(seznam.VybranaPolozka(), -1);
    seznam.Vybrat(2);
    EXPECT_EQ(seznam.VybranaPolozka(), 2);
    seznam.Vybrat(-1);
    EXPECT_EQ(SendMessageW(okno, LVM_GETSELECTEDCOUNT, 0, 0), 3);
    seznam.ZrusitVyber(0);
    EXPECT_EQ(seznam.VybranaPolozka(), 1);
    seznam.ZrusitVyber();
    EXPECT_EQ(seznam.VybranaPolozka(), -1);

    seznam.Vyprazdnit();
    EXPECT_EQ(seznam.Pocet(), 0);
    EXPECT_EQ(seznam.PocetSloupcu(), 2);
}

TEST(ListViewSeznam, AnAttachedListTurnsIntoAReportAndOutlivesItsObject) {
    RodicTestu rodic;
    HWND okno = rodic.VytvoritDite(WC_LISTVIEWW, kId, LVS_ICON);
    {
        WinApi::ListViewSeznam seznam;
        seznam.PripojitSeznam(okno);
        EXPECT_TRUE(JeReportSVyberemRadku(okno));
        Naplnit(seznam);
    }
    EXPECT_TRUE(IsWindow(okno));
    EXPECT_EQ(SendMessageW(okno, LVM_GETITEMCOUNT, 0, 0), 3);
}

} // namespace
