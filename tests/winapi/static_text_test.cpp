// Owner-drawn static text and the dialog headings, drawn into memory through a reflected
// WM_DRAWITEM and read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "OknaTestu.h"
#include "winapi/Handle.h"
#include "winapi/StaticNadpis.h"
#include "winapi/StaticText.h"

namespace {

using namespace Vrbatec;
using Testy::RodicTestu;
using Zarovnani = WinApi::StaticText::Zarovnani;

constexpr int kId = 300;
constexpr int kSirka = 300;
constexpr int kVyska = 30;
constexpr COLORREF kPozadi = RGB(0, 255, 0);

// A picture in memory into which the parent has the control drawn, as the static control
// itself would ask it to.
class Obrazek {
public:
    Obrazek(HWND rodic, HWND prvek) : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), kSirka, kVyska, 1, 32}};
        void* bity = nullptr;
        bitmapa_.Reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bity, nullptr, 0));
        puvodni_ = SelectObject(dc_, bitmapa_.Get());
        DRAWITEMSTRUCT kresleni{ODT_STATIC, 0, 0, ODA_DRAWENTIRE, 0, prvek, dc_, {}, 0};
        kresleni.rcItem = {0, 0, kSirka, kVyska};
        kresleni.CtlID = static_cast<UINT>(GetDlgCtrlID(prvek));
        SendMessageW(rodic, WM_DRAWITEM, kresleni.CtlID, reinterpret_cast<LPARAM>(&kresleni));
    }
    ~Obrazek() {
        SelectObject(dc_, puvodni_);
        DeleteDC(dc_);
    }

    COLORREF Barva(int x, int y) const { return GetPixel(dc_, x, y); }

    // The first and last column with a pixel of the colour (or, with jina, of any other
    // colour), or {-1, -1}.
    std::pair<int, int> Sloupce(COLORREF barva, bool jina = false) const {
        std::pair<int, int> sloupce{-1, -1};
        for (int x = 0; x < kSirka; ++x) {
            for (int y = 0; y < kVyska; ++y) {
                if ((Barva(x, y) == barva) != jina) {
                    sloupce = {sloupce.first < 0 ? x : sloupce.first, x};
                    break;
                }
            }
        }
        return sloupce;
    }

private:
    HDC dc_;
    WinApi::UniqueBitmap bitmapa_;
    HGDIOBJ puvodni_ = nullptr;
};

TEST(StaticText, DrawsInItsColourOnItsBackgroundAlignedAndDeletesItsFontWithTheWindow) {
    RodicTestu rodic;
    const WinApi::UniqueBrush pozadi{CreateSolidBrush(kPozadi)};
    WinApi::StaticText text;
    text.VytvoritText(GetModuleHandleW(nullptr), rodic.Hwnd(), kId, {0, 0, kSirka, kVyska},
                      L"Zvukolet");
    text.NastavitPozadi(pozadi.Get());
    text.NastavitBarvuTextu(RGB(0, 0, 255));
    LOGFONTW parametry{.lfHeight = -16};
    parametry.lfQuality = NONANTIALIASED_QUALITY;
    text.NastavitPismo(WinApi::UniqueFont(CreateFontIndirectW(&parametry)));
    const auto sloupce = [&](Zarovnani zarovnani) {
        text.NastavitZarovnani(zarovnani);
        return Obrazek(rodic.Hwnd(), text.Hwnd()).Sloupce(kPozadi, true);
    };

    const auto [vpravoOd, vpravoDo] = sloupce(Zarovnani::Vpravo);
    ASSERT_GE(vpravoOd, 0) << "nothing was drawn";
    EXPECT_GE(vpravoDo, kSirka - 4);
    EXPECT_GT(vpravoOd, kSirka / 2);
    const auto [vlevoOd, vlevoDo] = sloupce(Zarovnani::Vlevo);
    EXPECT_LE(vlevoOd, 3);
    EXPECT_EQ(vlevoDo - vlevoOd, vpravoDo - vpravoOd);
    const auto [stredOd, stredDo] = sloupce(Zarovnani::NaStred);
    EXPECT_NEAR(stredOd, kSirka - 1 - stredDo, 4);

    const Obrazek obrazek(rodic.Hwnd(), text.Hwnd());
    EXPECT_EQ(obrazek.Barva(kSirka - 1, kVyska - 1), kPozadi);
    EXPECT_GE(obrazek.Sloupce(RGB(0, 0, 255)).first, 0);
    HFONT pismo = text.Pismo();
    ASSERT_NE(pismo, nullptr);
    DestroyWindow(text.Hwnd());
    EXPECT_EQ(GetObjectType(pismo), 0u);
}

LOGFONTW Parametry(HFONT pismo) {
    LOGFONTW parametry{};
    GetObjectW(pismo, sizeof(parametry), &parametry);
    return parametry;
}

TEST(StaticNadpis, AStaticInTheDialogsFaceBecomesADarkRedHeadingThatFollowsANewFace) {
    RodicTestu rodic;
    LOGFONTW tahoma{.lfHeight = -11, .lfFaceName = L"Tahoma"};
    const WinApi::UniqueFont pismoDialogu(CreateFontIndirectW(&tahoma));
    HWND okno = rodic.VytvoritDite(L"STATIC", kId, SS_LEFT, L"Vítejte");
    SendMessageW(okno, WM_SETFONT, reinterpret_cast<WPARAM>(pismoDialogu.Get()), FALSE);
    Knihovna::StaticNadpis nadpis;
    nadpis.PripojitNadpis(okno);
    EXPECT_EQ(GetWindowLongPtrW(okno, GWL_STYLE) & (SS_TYPEMASK | SS_NOTIFY),
              SS_OWNERDRAW | SS_NOTIFY);
    EXPECT_EQ(Parametry(nadpis.Pismo()).lfHeight, -20);
    EXPECT_EQ(std::wstring(Parametry(nadpis.Pismo()).lfFaceName), L"Tahoma");
    const Obrazek obrazek(rodic.Hwnd(), okno);
    EXPECT_EQ(obrazek.Barva(kSirka - 1, kVyska - 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_GE(obrazek.Sloupce(RGB(128, 0, 0)).first, 0);

    // A new face replaces the font and has the visible heading painted again.
    HFONT predchozi = nadpis.Pismo();
    ShowWindow(rodic.Hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(rodic.Hwnd());
    ASSERT_FALSE(GetUpdateRect(okno, nullptr, FALSE));
    nadpis.NastavitNazevPisma(L"Verdana");
    EXPECT_EQ(GetObjectType(predchozi), 0u);
    EXPECT_EQ(Parametry(nadpis.Pismo()).lfHeight, -20);
    EXPECT_EQ(std::wstring(Parametry(nadpis.Pismo()).lfFaceName), L"Verdana");
    EXPECT_TRUE(GetUpdateRect(okno, nullptr, FALSE));
}

} // namespace
