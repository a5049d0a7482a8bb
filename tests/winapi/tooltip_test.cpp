// Tooltips of controls with texts from the program's string table.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "OknaTestu.h"
#include "res/resource.h"
#include "winapi/ToolTip.h"

namespace {

using namespace Vrbatec;

TEST(ToolTip, OneTooltipPerOwnerShowsAStringOfTheTableOverItsTool) {
    Testy::RodicTestu rodic;
    HWND tlacitko = rodic.VytvoritDite(L"BUTTON", 1060, BS_PUSHBUTTON, L"Web");
    WinApi::ToolTip tip;
    HWND okno = tip.Vytvorit(rodic.Hwnd(), GetModuleHandleW(nullptr));
    EXPECT_EQ(tip.Vytvorit(rodic.Hwnd(), GetModuleHandleW(nullptr)), okno);
    tip.PridatNastroj(tlacitko, GetModuleHandleW(nullptr), IDS_TIP_WEB_FIRMY);
    ASSERT_EQ(SendMessageW(okno, TTM_GETTOOLCOUNT, 0, 0), 1);

    // The tooltip resolves the text itself from instance and number, and watches the mouse
    // over the button itself.
    wchar_t text[256] = {};
    TTTOOLINFOW nastroj{.cbSize = TTTOOLINFOW_V2_SIZE,
                        .hwnd = rodic.Hwnd(),
                        .uId = reinterpret_cast<UINT_PTR>(tlacitko),
                        .lpszText = text};
    SendMessageW(okno, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&nastroj));
    EXPECT_EQ(std::wstring(text), L"Zobrazit webové stránky firmy Vrbatec");
    ASSERT_TRUE(SendMessageW(okno, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&nastroj)));
    EXPECT_EQ(nastroj.uFlags & (TTF_IDISHWND | TTF_SUBCLASS), TTF_IDISHWND | TTF_SUBCLASS);
}

} // namespace
