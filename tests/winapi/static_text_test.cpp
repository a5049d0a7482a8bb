// Owner-drawn static text and the dialog headings, drawn into memory through a reflected
// WM_DRAWITEM and read back pixel by pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "OknaTestu.h"
#include "winapi/Handle.h"
#include "winapi/OdrazitOznameni.h"
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

// A 32-bit top-down picture in memory with a DC to draw into.
class Obrazek {
public:
    Obrazek() : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kSirka;
        info.bmiHeader.biHeight = -kVyska;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bity = nullptr;
        bitmapa_.Reset(CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bity, nullptr, 0));
        pixely_ = static_cast<const std::uint32_t*>(bity);
        puvodni_ = SelectObject(dc_, bitmapa_.Get());
    }
    ~Obrazek() {
        SelectObject(dc_, puvodni_);
        DeleteDC(dc_);
    }
    Obrazek(const Obrazek&) = delete;
    Obrazek& operator=(const Obrazek&) = delete;

    HDC Dc() const { return dc_; }

    COLORREF Barva(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgr = pixely_[y * kSirka + x];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

    // Columns where anything other than the background shows: [first, last], or {-1, -1}.
    std::pair<int, int> SloupceTextu() const {
        int prvni = -1;
        int posledni = -1;
        for (int x = 0; x < kSirka; ++x) {
            for (int y = 0; y < kVyska; ++y) {
                if (Barva(x, y) != kPozadi) {
                    prvni = prvni < 0 ? x : prvni;
                    posledni = x;
                    break;
                }
            }
        }
        return {prvni, posledni};
    }

    bool Obsahuje(COLORREF barva) const {
        for (int y = 0; y < kVyska; ++y) {
            for (int x = 0; x < kSirka; ++x) {
                if (Barva(x, y) == barva) {
                    return true;
                }
            }
        }
        return false;
    }

private:
    HDC dc_;
    WinApi::UniqueBitmap bitmapa_;
    HGDIOBJ puvodni_ = nullptr;
    const std::uint32_t* pixely_ = nullptr;
};

// Has the parent draw the control into a fresh picture, as the static control would ask.
void Nakreslit(HWND rodic, HWND prvek, const Obrazek& obrazek) {
    DRAWITEMSTRUCT kresleni{};
    kresleni.CtlType = ODT_STATIC;
    kresleni.CtlID = static_cast<UINT>(GetDlgCtrlID(prvek));
    kresleni.itemAction = ODA_DRAWENTIRE;
    kresleni.hwndItem = prvek;
    kresleni.hDC = obrazek.Dc();
    kresleni.rcItem = {0, 0, kSirka, kVyska};
    SendMessageW(rodic, WM_DRAWITEM, kresleni.CtlID, reinterpret_cast<LPARAM>(&kresleni));
}

class StaticTextKresleni : public ::testing::Test {
protected:
    void SetUp() override {
        text.VytvoritText(GetModuleHandleW(nullptr), rodic.Hwnd(), kId, {0, 0, kSirka, kVyska},
                          L"Zvukolet");
        text.NastavitPozadi(pozadi.Get());
        text.NastavitBarvuTextu(RGB(0, 0, 255));
        LOGFONTW parametry{};
        parametry.lfHeight = -16;
        parametry.lfQuality = NONANTIALIASED_QUALITY;
        text.NastavitPismo(WinApi::UniqueFont(CreateFontIndirectW(&parametry)));
    }

    std::pair<int, int> Sloupce(Zarovnani zarovnani) {
        text.NastavitZarovnani(zarovnani);
        const Obrazek obrazek;
        Nakreslit(rodic.Hwnd(), text.Hwnd(), obrazek);
        return obrazek.SloupceTextu();
    }

    RodicTestu rodic;
    WinApi::UniqueBrush pozadi{CreateSolidBrush(kPozadi)};
    WinApi::StaticText text;
};

TEST_F(StaticTextKresleni, AlignmentTwoDrawsFlushRight) {
    const auto [vlevo, vpravo] = Sloupce(Zarovnani::Vpravo);
    ASSERT_GE(vlevo, 0) << "nothing was drawn";
    EXPECT_GE(vpravo, kSirka - 4);
    EXPECT_GT(vlevo, kSirka / 2);
}

TEST_F(StaticTextKresleni, AlignmentZeroDrawsFlushLeftAndOneCentres) {
    const auto [vlevo, vpravo] = Sloupce(Zarovnani::Vlevo);
    ASSERT_GE(vlevo, 0) << "nothing was drawn";
    EXPECT_LE(vlevo, 3);
    EXPECT_LT(vpravo, kSirka / 2);

    const auto [stredVlevo, stredVpravo] = Sloupce(Zarovnani::NaStred);
    const int okrajVlevo = stredVlevo;
    const int okrajVpravo = kSirka - 1 - stredVpravo;
    EXPECT_NEAR(okrajVlevo, okrajVpravo, 4);
    EXPECT_EQ(stredVpravo - stredVlevo, vpravo - vlevo);
}

TEST_F(StaticTextKresleni, TheBackgroundIsFilledAndTheTextTakesItsColour) {
    if (GetSysColor(COLOR_WINDOWTEXT) != RGB(0, 0, 0)) {
        GTEST_SKIP() << "the system text colour is not black here";
    }
    // The static asks its parent for the drawing only when it is owner-drawn.
    EXPECT_EQ(GetWindowLongPtrW(text.Hwnd(), GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    const Obrazek obrazek;
    Nakreslit(rodic.Hwnd(), text.Hwnd(), obrazek);
    EXPECT_EQ(obrazek.Barva(kSirka - 1, 0), kPozadi);
    EXPECT_EQ(obrazek.Barva(kSirka - 1, kVyska - 1), kPozadi);
    EXPECT_TRUE(obrazek.Obsahuje(RGB(0, 0, 255)));
    EXPECT_FALSE(obrazek.Obsahuje(RGB(0, 0, 0)));
}

TEST_F(StaticTextKresleni, TheFontIsDeletedWithTheWindow) {
    HFONT pismo = text.Pismo();
    ASSERT_NE(pismo, nullptr);
    DestroyWindow(text.Hwnd());
    EXPECT_EQ(text.Pismo(), nullptr);
    EXPECT_EQ(GetObjectType(pismo), 0u);
}

class Nadpis : public ::testing::Test {
protected:
    void SetUp() override {
        LOGFONTW parametry{};
        parametry.lfHeight = -11;
        const std::wstring_view tahoma = L"Tahoma";
        std::copy(tahoma.begin(), tahoma.end(), parametry.lfFaceName);
        pismoDialogu.Reset(CreateFontIndirectW(&parametry));
        staticky = rodic.VytvoritDite(L"STATIC", kId, SS_LEFT, L"Vítejte");
        SendMessageW(staticky, WM_SETFONT, reinterpret_cast<WPARAM>(pismoDialogu.Get()), FALSE);
    }

    static LOGFONTW Parametry(HFONT pismo) {
        LOGFONTW parametry{};
        GetObjectW(pismo, sizeof(parametry), &parametry);
        return parametry;
    }

    RodicTestu rodic;
    WinApi::UniqueFont pismoDialogu;
    HWND staticky = nullptr;
};

TEST_F(Nadpis, TurnsTheStaticIntoAnOwnerDrawnHeadingInTheControlsFont) {
    Knihovna::StaticNadpis nadpis;
    nadpis.PripojitNadpis(staticky);
    const LONG_PTR styl = GetWindowLongPtrW(staticky, GWL_STYLE);
    EXPECT_EQ(styl & SS_TYPEMASK, SS_OWNERDRAW);
    EXPECT_EQ(styl & SS_NOTIFY, SS_NOTIFY);
    EXPECT_EQ(nadpis.BarvaTextu(), RGB(128, 0, 0));
    const LOGFONTW parametry = Parametry(nadpis.Pismo());
    EXPECT_EQ(parametry.lfHeight, -20);
    EXPECT_EQ(std::wstring(parametry.lfFaceName), L"Tahoma");

    Knihovna::StaticNadpisMaly maly;
    HWND druhy = rodic.VytvoritDite(L"STATIC", kId + 1, SS_LEFT, L"Menší");
    SendMessageW(druhy, WM_SETFONT, reinterpret_cast<WPARAM>(pismoDialogu.Get()), FALSE);
    maly.PripojitNadpis(druhy);
    EXPECT_EQ(Parametry(maly.Pismo()).lfHeight, -15);
}

TEST_F(Nadpis, IsDrawnDarkRedOnTheButtonFace) {
    if (GetSysColor(COLOR_WINDOWTEXT) != RGB(0, 0, 0)) {
        GTEST_SKIP() << "the system text colour is not black here";
    }
    Knihovna::StaticNadpis nadpis;
    nadpis.PripojitNadpis(staticky);
    const Obrazek obrazek;
    Nakreslit(rodic.Hwnd(), staticky, obrazek);
    EXPECT_EQ(obrazek.Barva(kSirka - 1, kVyska - 1), GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(obrazek.Obsahuje(RGB(128, 0, 0)));
}

TEST_F(Nadpis, ANewFaceRecreatesTheFontAndRedrawsAVisibleHeading) {
    Knihovna::StaticNadpis nadpis;
    nadpis.PripojitNadpis(staticky);
    HFONT predchozi = nadpis.Pismo();

    // Hidden, nothing needs painting.
    nadpis.NastavitNazevPisma(L"Verdana");
    EXPECT_NE(nadpis.Pismo(), predchozi);
    EXPECT_EQ(GetObjectType(predchozi), 0u);
    EXPECT_EQ(std::wstring(nadpis.ParametryPisma().lfFaceName), L"Verdana");
    EXPECT_EQ(Parametry(nadpis.Pismo()).lfHeight, -20);
    EXPECT_EQ(std::wstring(Parametry(nadpis.Pismo()).lfFaceName), L"Verdana");
    EXPECT_FALSE(GetUpdateRect(staticky, nullptr, FALSE));

    ShowWindow(rodic.Hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(rodic.Hwnd());
    ASSERT_FALSE(GetUpdateRect(staticky, nullptr, FALSE));
    nadpis.NastavitNazevPisma(L"Tahoma");
    EXPECT_TRUE(GetUpdateRect(staticky, nullptr, FALSE));
}

} // namespace
