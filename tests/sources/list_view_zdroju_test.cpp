// The list view of sources: how it is made, type-to-find and the accelerators it passes on
// (the texts of its rows show in the tests of the views).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "res/resource.h"
#include "sources/ListViewSeznamZdroju.h"
#include "winapi/OknaTestu.h"

namespace {

using namespace Vrbatec;

class ListViewZdroju : public ::testing::Test {
protected:
    void SetUp() override {
        seznam.Pridat(L"Český rozhlas", L"http://cro.example/", true);
        seznam.Pridat(L"Rádio Wien", L"http://wien.example/", true);
        seznam.Pridat(L"rádio Beat", L"http://beat.example/", true);
        seznamView.Vytvorit(::GetModuleHandleW(nullptr), rodic.Hwnd());
        seznamView.NastavitPocetRadku(seznam.Pocet());
    }

    // Typing asks the owner of the rows with this notification.
    int Najit(const wchar_t* text, UINT priznaky, int start) {
        NMLVFINDITEMW dotaz{
            .hdr = {seznamView.Hwnd(), IDC_SEZNAM_ZDROJU, static_cast<UINT>(LVN_ODFINDITEMW)},
            .iStart = start,
            .lvfi = {priznaky, text, 0, {}, 0}};
        return static_cast<int>(::SendMessageW(rodic.Hwnd(), WM_NOTIFY, IDC_SEZNAM_ZDROJU,
                                               reinterpret_cast<LPARAM>(&dotaz)));
    }

    Testy::RodicTestu rodic;
    SeznamZdroju seznam{Testy::ChybaIndexu};
    ListViewSeznamZdroju seznamView{seznam};
};

TEST_F(ListViewZdroju, TypingFindsNamesByPrefixIgnoringCase) {
    constexpr UINT kPsani = LVFI_STRING | LVFI_PARTIAL | LVFI_WRAP;
    EXPECT_EQ(Najit(L"rá", kPsani, 2), 2); // the row the search starts at counts
    EXPECT_EQ(Najit(L"če", kPsani, 1), 0); // wraps to the top
    EXPECT_EQ(Najit(L"če", LVFI_STRING | LVFI_PARTIAL, 1), -1); // or does not
    EXPECT_EQ(Najit(L"rádio wien", LVFI_STRING, 0), 1);
    EXPECT_EQ(Najit(L"rádio", LVFI_STRING | LVFI_WRAP, 1), -1); // whole names without PARTIAL
}

TEST_F(ListViewZdroju, OnlyAcceleratorsGoOnToTheParent) {
    ::SendMessageW(seznamView.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_PRIDAT_ZDROJ, 1), 0);
    ::SendMessageW(seznamView.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_ODEBRAT_ZDROJ, 0), 0);
    Testy::ZpracovatCekajiciZpravy();
    EXPECT_EQ(rodic.prikazy, std::vector<WORD>{ID_PRIDAT_ZDROJ});
}

} // namespace
