// The dialog heading, an owner-drawn static text, drawn into memory through a reflected
// WM_DRAWITEM and read back pixel by pixel.
#include <gtest/gtest.h>

#include "OknaTestu.h"
#include "winapi/Handle.h"
#include "winapi/StaticNadpis.h"

namespace {

using namespace Vrbatec;

constexpr int kSirka = 300;
constexpr int kVyska = 30;

// A picture in memory into which the parent has the control drawn, as the static control
// itself would ask it to.
class Obrazek {
public:
    Obrazek(HWND rodic, HWND prvek) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), kSirka, kVyska, 1, 32}};
        void* bity = nullptr;
        bitmapa_.Reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bity, nullptr, 0));
        puvodni_ = SelectObject(dc_, bitmapa_.Get());
        const auto id = static_cast<UINT>(GetDlgCtrlID(prvek));
        DRAWITEMSTRUCT kresleni{
            ODT_STATIC, id, 0, ODA_DRAWENTIRE, 0, prvek, dc_, {0, 0, kSirka, kVyska}, 0};
        SendMessageW(rodic, WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&kresleni));
    }
    ~Obrazek() {
        SelectObject(dc_, puvodni_);
        DeleteDC(dc_);
    }

    COLORREF Barva(int x, int y) const { return GetPixel(dc_, x, y); }
    int Pocet(COLORREF barva) const {
        int pocet = 0;
        for (int i = 0; i < kSirka * kVyska; ++i) {
            pocet += Barva(i % kSirka, i / kSirka) == barva ? 1 : 0;
        }
        return pocet;
    }

private:
    HDC dc_;
    WinApi::UniqueBitmap bitmapa_;
    HGDIOBJ puvodni_ = nullptr;
};

// The height and face of a font.
std::pair<LONG, std::wstring> Parametry(HFONT pismo) {
    LOGFONTW parametry{};
    GetObjectW(pismo, sizeof(parametry), &parametry);
    return {parametry.lfHeight, parametry.lfFaceName};
}

TEST(StaticNadpis, AStaticInTheDialogsFaceBecomesADarkRedHeadingThatFollowsANewFace) {
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
    {
        const Obrazek obrazek(rodic.Hwnd(), okno);
        EXPECT_EQ(obrazek.Barva(kSirka - 1, kVyska - 1), GetSysColor(COLOR_BTNFACE));
        EXPECT_GT(obrazek.Pocet(RGB(128, 0, 0)), 0);
    }

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
