// The dialog heading, an owner-drawn static text: its style, its font and what a new face does.
#include <gtest/gtest.h>

#include "OknaTestu.h"
#include "winapi/Handle.h"
#include "winapi/StaticNadpis.h"

namespace {

using namespace Vrbatec;

// The height and face of a font.
std::pair<LONG, std::wstring> Parametry(HFONT pismo) {
    LOGFONTW parametry{};
    GetObjectW(pismo, sizeof(parametry), &parametry);
    return {parametry.lfHeight, parametry.lfFaceName};
}

TEST(StaticNadpis, AStaticInTheDialogsFaceBecomesAnOwnerDrawnHeadingThatFollowsANewFace) {
    Testy::RodicTestu rodic;
    LOGFONTW tahoma{.lfHeight = -11, .lfFaceName = L"Tahoma"};
    const WinApi::UniqueFont pismoDialogu(CreateFontIndirectW(&tahoma));
    HWND okno = rodic.VytvoritDite(L"STATIC", 300, SS_LEFT, L"Vítejte");
    SendMessageW(okno, WM_SETFONT, reinterpret_cast<WPARAM>(pismoDialogu.Get()), FALSE);
    Knihovna::StaticNadpis nadpis;
    nadpis.PripojitNadpis(okno);
    EXPECT_EQ(GetWindowLongPtrW(okno, GWL_STYLE) & (SS_TYPEMASK | SS_NOTIFY),
              SS_OWNERDRAW | SS_NOTIFY);
    EXPECT_EQ(Parametry(nadpis.Pismo()), (std::pair<LONG, std::wstring>{-20, L"Tahoma"}));

    // A new face replaces the font and has the visible heading painted again.
    HFONT predchozi = nadpis.Pismo();
    ShowWindow(rodic.Hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(rodic.Hwnd());
    ASSERT_FALSE(GetUpdateRect(okno, nullptr, FALSE));
    nadpis.NastavitNazevPisma(L"Verdana");
    EXPECT_EQ(GetObjectType(predchozi), 0u);
    EXPECT_EQ(Parametry(nadpis.Pismo()), (std::pair<LONG, std::wstring>{-20, L"Verdana"}));
    EXPECT_TRUE(GetUpdateRect(okno, nullptr, FALSE));

    // The font goes with the window.
    HFONT pismo = nadpis.Pismo();
    DestroyWindow(okno);
    EXPECT_EQ(GetObjectType(pismo), 0u);
}

} // namespace
