// The list view of sources: how it is made, the texts it asks for, type-to-find and the
// accelerators it passes on.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "OknoPohleduTestu.h"
#include "res/resource.h"
#include "sources/ListViewSeznamZdroju.h"
#include "winapi/ListViewSeznam.h"

namespace {

using namespace Vrbatec;

void ChybaIndexu(std::int32_t kod) {
    throw static_cast<HRESULT>(kod);
}

class ListViewZdroju : public ::testing::Test {
protected:
    void SetUp() override {
        seznam.Pridat(L"Český rozhlas", L"http://cro.example/mp3", true);
        seznam.Pridat(L"Rádio Wien", L"http://wien.example/", true);
        seznam.Pridat(L"rádio Beat", L"http://beat.example/", true);
        seznamView.Vytvorit(::GetModuleHandleW(nullptr), rodic.Hwnd());
        seznamView.NastavitPocetRadku(seznam.Pocet());
    }

    int SirkaSloupce(int sloupec) const {
        return static_cast<int>(
            ::SendMessageW(seznamView.Hwnd(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(sloupec), 0));
    }

    int SirkaKlienta() const {
        RECT klient{};
        ::GetClientRect(seznamView.Hwnd(), &klient);
        return klient.right;
    }

    // What typing asks of the owner of the rows: the notification as the list sends it.
    int Najit(const wchar_t* text, UINT priznaky, int start) {
        NMLVFINDITEMW dotaz{};
        dotaz.hdr = {seznamView.Hwnd(), IDC_SEZNAM_ZDROJU, static_cast<UINT>(LVN_ODFINDITEMW)};
        dotaz.iStart = start;
        dotaz.lvfi.flags = priznaky;
        dotaz.lvfi.psz = text;
        return static_cast<int>(::SendMessageW(rodic.Hwnd(), WM_NOTIFY, IDC_SEZNAM_ZDROJU,
                                               reinterpret_cast<LPARAM>(&dotaz)));
    }

    Testy::OknoPohleduTestu rodic;
    SeznamZdroju seznam{ChybaIndexu};
    ListViewSeznamZdroju seznamView{seznam};
};

TEST_F(ListViewZdroju, IsAVisibleSingleSelectionReportOfItsOwnClass) {
    HWND okno = seznamView.Hwnd();
    wchar_t trida[64] = {};
    ::GetClassNameW(okno, trida, 64);
    EXPECT_EQ(std::wstring(trida), L"LVSeznamZdroju");
    EXPECT_EQ(::GetDlgCtrlID(okno), IDC_SEZNAM_ZDROJU);
    EXPECT_EQ(::GetParent(okno), rodic.Hwnd());
    const auto styl = static_cast<DWORD>(::GetWindowLongPtrW(okno, GWL_STYLE));
    const DWORD ocekavane = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    EXPECT_EQ(styl & ocekavane, ocekavane);
    EXPECT_NE(::SendMessageW(okno, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT, 0);

    RECT klientRodice{};
    ::GetClientRect(rodic.Hwnd(), &klientRodice);
    RECT okraj{};
    ::GetWindowRect(okno, &okraj);
    EXPECT_EQ(okraj.right - okraj.left, klientRodice.right);
}

TEST_F(ListViewZdroju, ColumnsSplitTheWidthThirtySeventyAfterEveryResize) {
    EXPECT_EQ(seznamView.PocetSloupcu(), 2);
    for (const int sirka : {0, 500, 333}) {
        if (sirka > 0) {
            ::MoveWindow(seznamView.Hwnd(), 0, 0, sirka, 200, TRUE);
            seznamView.PrizpusobitSloupce();
        }
        const int klient = SirkaKlienta();
        EXPECT_EQ(SirkaSloupce(0), klient * 3 / 10) << klient;
        EXPECT_EQ(SirkaSloupce(0) + SirkaSloupce(1), klient) << klient;
    }
    LVCOLUMNW sloupec{};
    wchar_t text[32] = {};
    sloupec.mask = LVCF_TEXT;
    sloupec.pszText = text;
    sloupec.cchTextMax = 32;
    ::SendMessageW(seznamView.Hwnd(), LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&sloupec));
    EXPECT_EQ(std::wstring(text), L"Název");
    ::SendMessageW(seznamView.Hwnd(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&sloupec));
    EXPECT_EQ(std::wstring(text), L"URL");
}

TEST_F(ListViewZdroju, RowsShowTheirSourceAndNothingOnceTheSourceIsGone) {
    ASSERT_EQ(seznamView.Pocet(), 3);
    EXPECT_EQ(seznamView.Text(0, 0), L"Český rozhlas");
    EXPECT_EQ(seznamView.Text(1, 1), L"http://wien.example/");
    EXPECT_EQ(seznamView.Text(2, 0), L"rádio Beat");

    // The view still counts three rows while the list already has fewer.
    seznam.Odebrat(2);
    EXPECT_EQ(seznamView.Text(2, 0), L"");
    EXPECT_EQ(seznamView.Text(2, 1), L"");

    // A name longer than the control's buffer arrives whole (the toolkit grows its buffer).
    const std::wstring dlouhy(700, L'ž');
    seznam.NastavitNazev(0, dlouhy);
    EXPECT_EQ(seznamView.Text(0, 0), dlouhy);
}

TEST_F(ListViewZdroju, TypingFindsNamesByPrefixIgnoringCase) {
    constexpr UINT kPsani = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
    EXPECT_EQ(Najit(L"RÁ", kPsani, 0), 1);
    EXPECT_EQ(Najit(L"rá", kPsani, 2), 2); // the row the search starts at counts
    EXPECT_EQ(Najit(L"če", kPsani, 1), 0);
    EXPECT_EQ(Najit(L"če", LVFI_STRING | LVFI_PARTIAL, 1), -1);
    EXPECT_EQ(Najit(L"rádio wien", LVFI_STRING, 0), 1);
    EXPECT_EQ(Najit(L"rádio", LVFI_STRING | LVFI_WRAP, 0), -1); // whole names without PARTIAL
    EXPECT_EQ(Najit(L"Jazz", kPsani, 0), -1);

    // The list's own search reaches the same answer.
    LVFINDINFOW hledani{};
    hledani.flags = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
    hledani.psz = L"ČESKÝ";
    EXPECT_EQ(::SendMessageW(seznamView.Hwnd(), LVM_FINDITEMW, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(&hledani)),
              0);
}

TEST_F(ListViewZdroju, AcceleratorsGoToTheParentAndOtherCommandsDoNot) {
    ::SendMessageW(seznamView.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_PRIDAT_ZDROJ, 1), 0);
    ::SendMessageW(seznamView.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_ODEBRAT_ZDROJ, 0), 0);
    Testy::ZpracovatCekajiciZpravy();
    EXPECT_EQ(rodic.prikazy, std::vector<WORD>{ID_PRIDAT_ZDROJ});
}

} // namespace
