// Owner-drawn static text and the dialog headings, drawn into memory through a reflected
// WM_DRAWITEM and read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "OknaTestu.h"
#include "winapi/Handle.h"
#include "winapi/StaticNadpis.h"
#include "winapi/StaticNadpisMaly.h"
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

class StaticTextKresleni : public ::testing::Test {
protected:
    void SetUp() override {
        text.VytvoritText(GetModuleHandleW(nullptr), rodic.Hwnd(), kId, {0, 0, kSirka, kVyska},
                          L"Zvukolet");
        text.NastavitPozadi(pozadi.Get());
        text.NastavitBarvuTextu(RGB(0, 0, 255));
        LOGFONTW parametry{.lfHeight = -16};
        parametry.lfQuality = NONANTIALIASED_QUALITY;
        text.NastavitPismo(WinApi::UniqueFont(CreateFontIndirectW(&parametry)));
    }

    // Where the text shows when drawn with the alignment.
    std::pair<int, int> Sloupce(Zarovnani zarovnani) {
        text.NastavitZarovnani(zarovnani);
        return Obrazek(rodic.Hwnd(), text.Hwnd()).Sloupce(kPozadi, true);
    }

    RodicTestu rodic;
    WinApi::UniqueBrush pozadi{CreateSolidBrush(kPozadi)};
    WinApi::StaticText text;
};

TEST_F(StaticTextKresleni, AlignmentTwoDrawsFlushRightZeroFlushLeftAndOneCentred) {
    const auto [vpravoOd, vpravoDo] = Sloupce(Zarovnani::Vpravo);
    ASSERT_GE(vpravoOd, 0) << "nothing was drawn";
    EXPECT_GE(vpravoDo, kSirka - 4);
    EXPECT_GT(vpravoOd, kSirka / 2);

    const auto [vlevoOd, vlevoDo] = Sloupce(Zarovnani::Vlevo);
    EXPECT_LE(vlevoOd, 3);
    EXPECT_EQ(vlevoDo - vlevoOd, vpravoDo - vpravoOd);

    const auto [stredOd, stredDo] = Sloupce(Zarovnani::NaStred);
    EXPECT_NEAR(stredOd, kSirka - 1 - stredDo, 4);
    EXPECT_EQ(stredDo - stredOd, vpravoDo - vpravoOd);
}

TEST_F(StaticTextKresleni, FillsItsBackgroundDrawsInItsColourAndDeletesItsFontWithTheWindow) {
    if (GetSysColor(COLOR_WINDOWTEXT) != RGB(0, 0, 0)) {
        GTEST_SKIP() << "the system text colour is not black here";
    }
    // The static asks its parent for the drawing only when it is owner-drawn.
    EXPECT_EQ(GetWindowLongPtrW(text.Hwnd(), GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    const Obrazek obrazek(rodic.Hwnd(), text.Hwnd());
    EXPECT_EQ(obrazek.Barva(kSirka - 1, kVyska - 1), kPozadi);
    EXPECT_GE(obrazek.Sloupce(RGB(0, 0, 255)).first, 0);
    EXPECT_EQ(obrazek.Sloupce(RGB(0, 0, 0)).first, -1);

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
    const auto staticky = [&](int id) {
        HWND okno = rodic.VytvoritDite(L"STATIC", id, SS_LEFT, L"Vítejte");
        SendMessageW(okno, WM_SETFONT, reinterpret_cast<WPARAM>(pismoDialogu.Get()), FALSE);
        return okno;
    };
    HWND okno = staticky(kId);
    Knihovna::StaticNadpis nadpis;
    nadpis.PripojitNadpis(okno);
    const LONG_PTR styl = GetWindowLongPtrW(okno, GWL_STYLE);
    EXPECT_EQ(styl & (SS_TYPEMASK | SS_NOTIFY), SS_OWNERDRAW | SS_NOTIFY);
    EXPECT_EQ(Parametry(nadpis.Pismo()).lfHeight, -20);
    EXPECT_EQ(std::wstring(Parametry(nadpis.Pismo()).lfFaceName), L"Tahoma");
    const Obrazek obrazek(rodic.Hwnd(), okno);
    EXPECT_EQ(obrazek.Barva(kSirka - 1, kVyska - 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_GE(obrazek.Sloupce(RGB(128, 0, 0)).first, 0);
    Knihovna::StaticNadpisMaly maly;
    maly.PripojitNadpis(staticky(kId + 1));
    EXPECT_EQ(Parametry(maly.Pismo()).lfHeight, -15);

    // A new face replaces the font; only a visible heading needs painting.
    HFONT predchozi = nadpis.Pismo();
    nadpis.NastavitNazevPisma(L"Verdana");
    EXPECT_EQ(GetObjectType(predchozi), 0u);
    EXPECT_EQ(Parametry(nadpis.Pismo()).lfHeight, -20);
    EXPECT_EQ(std::wstring(Parametry(nadpis.Pismo()).lfFaceName), L"Verdana");
    EXPECT_FALSE(GetUpdateRect(okno, nullptr, FALSE));
    ShowWindow(rodic.Hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(rodic.Hwnd());
    ASSERT_FALSE(GetUpdateRect(okno, nullptr, FALSE));
    nadpis.NastavitNazevPisma(L"Tahoma");
    EXPECT_TRUE(GetUpdateRect(okno, nullptr, FALSE));
}

} // namespace
