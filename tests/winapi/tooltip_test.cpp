// Tooltips of controls with texts from the program's string table.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "OknaTestu.h"
#include "res/resource.h"
#include "winapi/ToolTip.h"

namespace {

using namespace Vrbatec;
using Testy::RodicTestu;

TEST(ToolTip, OneTopmostTooltipWindowPerOwner) {
    RodicTestu rodic;
    WinApi::ToolTip tip;
    HWND okno = tip.Vytvorit(rodic.Hwnd(), GetModuleHandleW(nullptr));
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(tip.Vytvorit(rodic.Hwnd(), GetModuleHandleW(nullptr)), okno);
    wchar_t trida[64] = {};
    GetClassNameW(okno, trida, 64);
    EXPECT_EQ(std::wstring(trida), L"tooltips_class32");
    EXPECT_TRUE(GetWindowLongPtrW(okno, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(GetWindowLongPtrW(okno, GWL_STYLE) & TTS_ALWAYSTIP);
    EXPECT_EQ(GetWindow(okno, GW_OWNER), rodic.Hwnd());
}

TEST(ToolTip, AToolShowsAStringOfTheTable) {
    RodicTestu rodic;
    HWND tlacitko = rodic.VytvoritDite(L"BUTTON", 1060, BS_PUSHBUTTON, L"Web");
    WinApi::ToolTip tip;
    HWND okno = tip.Vytvorit(rodic.Hwnd(), GetModuleHandleW(nullptr));
    tip.PridatNastroj(tlacitko, GetModuleHandleW(nullptr), IDS_TIP_WEB_FIRMY);
    ASSERT_EQ(SendMessageW(okno, TTM_GETTOOLCOUNT, 0, 0), 1);

    wchar_t text[256] = {};
    TTTOOLINFOW nastroj{};
    nastroj.cbSize = TTTOOLINFOW_V2_SIZE;
    nastroj.lpszText = text;
    ASSERT_TRUE(SendMessageW(okno, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&nastroj)));
    EXPECT_EQ(nastroj.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), TTF_IDISHWND | TTF_SUBCLASS);
    EXPECT_EQ(nastroj.uId, reinterpret_cast<UINT_PTR>(tlacitko));
    EXPECT_EQ(nastroj.hinst, GetModuleHandleW(nullptr));

    // The tooltip resolves the text itself from instance and number.
    wchar_t zobrazeny[256] = {};
    TTTOOLINFOW dotaz{};
    dotaz.cbSize = TTTOOLINFOW_V2_SIZE;
    dotaz.hwnd = rodic.Hwnd();
    dotaz.uId = reinterpret_cast<UINT_PTR>(tlacitko);
    dotaz.lpszText = zobrazeny;
    SendMessageW(okno, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&dotaz));
    EXPECT_EQ(std::wstring(zobrazeny), L"Zobrazit webové stránky firmy Vrbatec");
}

} // namespace
