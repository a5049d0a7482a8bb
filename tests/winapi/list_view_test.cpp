// The base of report list views, created as a superclass as the source list is.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "OknaTestu.h"
#include "winapi/ListViewSeznam.h"

namespace {

using namespace Vrbatec;

TEST(ListViewSeznam, ACreatedReportListKeepsRowsDataAndSelection) {
    Testy::RodicTestu rodic;
    WinApi::ListViewSeznam seznam;
    seznam.VytvoritSeznam(GetModuleHandleW(nullptr), L"ZvukoletTestSeznam", rodic.Hwnd(), 1028,
                          {0, 0, 300, 200}, LVS_SHOWSELALWAYS);
    EXPECT_EQ(GetWindowLongPtrW(seznam.Hwnd(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(seznam.Hwnd()) & LVS_EX_FULLROWSELECT);
    ASSERT_EQ(seznam.PridatSloupec(L"Název", 180), 0);
    ASSERT_EQ(seznam.PridatSloupec(L"URL", 380), 1);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(seznam.VlozitPolozku(i, (L"Rádio " + std::to_wstring(i)).c_str(), 10 + i), i);
        seznam.NastavitText(i, 1, (L"http://" + std::to_wstring(i)).c_str());
    }
    ASSERT_EQ(seznam.Pocet(), 3);
    EXPECT_EQ(seznam.Text(0, 0), L"Rádio 0");
    EXPECT_EQ(seznam.Text(2, 1), L"http://2");
    EXPECT_EQ(seznam.DataPolozky(1), 11);

    EXPECT_EQ(seznam.VybranaPolozka(), -1);
    seznam.Vybrat(-1);
    EXPECT_EQ(SendMessageW(seznam.Hwnd(), LVM_GETSELECTEDCOUNT, 0, 0), 3);
    seznam.ZrusitVyber(0);
    EXPECT_EQ(seznam.VybranaPolozka(), 1);
    seznam.ZrusitVyber();
    EXPECT_EQ(seznam.VybranaPolozka(), -1);
    seznam.Vybrat(2);
    EXPECT_EQ(seznam.VybranaPolozka(), 2);
    seznam.Vyprazdnit();
    EXPECT_EQ(seznam.Pocet(), 0);
    EXPECT_EQ(seznam.PocetSloupcu(), 2);
}

} // namespace
