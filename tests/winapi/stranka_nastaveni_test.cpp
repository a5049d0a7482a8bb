// Settings pages in a frame dialog: created once, when first shown; what they tell the frame
// when the user changes a value; and which of them apply asks.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "OknaTestu.h"
#include "winapi/StrankaNastaveni.h"

namespace {

using namespace Vrbatec;
using Testy::kEditSablony;

// A page with a name that must not be empty; what the user changes in it is announced.
class StrankaTestu final : public WinApi::StrankaNastaveni {
public:
    using StrankaNastaveni::StrankaNastaveni;

    std::wstring nazev = L"Rádio Jih";

protected:
    HWND VytvoritOkno(HWND ramec) override {
        return VytvoritNemodalne(GetModuleHandleW(nullptr), sablona_.Sablona(), ramec);
    }
    bool PriInicializaci() override {
        SetDlgItemTextW(Hwnd(), kEditSablony, nazev.c_str());
        return false;
    }
    bool PriPrikazu(WORD id, WORD kod, HWND) override {
        if (id == kEditSablony && kod == EN_CHANGE) {
            OznamitZmenu();
        }
        return true;
    }
    bool PriPouziti() override {
        nazev = Testy::TextPrvku(Hwnd(), kEditSablony);
        return !nazev.empty();
    }

private:
    Testy::SablonaDialogu sablona_{DS_CONTROL | WS_CHILD, 1};
};

// Opening a page fills its controls, which is no change; what the user does afterwards is,
// and the frame learns which page it was.
TEST(StrankyNastaveni, APageIsCreatedWhenFirstShownPostsTheUsersChangesAndIsAskedOnApply) {
    const Testy::SablonaDialogu sablona(WS_POPUP | WS_CAPTION, 0);
    WinApi::Dialog ramec;
    ASSERT_NE(ramec.VytvoritNemodalne(GetModuleHandleW(nullptr), sablona.Sablona(), nullptr),
              nullptr);
    StrankaTestu stranka(2);
    // A child without a parent cannot be made: the failure is told, and the next display
    // tries again.
    EXPECT_TRUE(FAILED(stranka.Ukazat(nullptr, {10, 20, 210, 120})));
    EXPECT_EQ(stranka.Hwnd(), nullptr);
    ASSERT_EQ(stranka.Ukazat(ramec.Hwnd(), {10, 20, 210, 120}), S_OK);
    HWND okno = stranka.Hwnd();
    EXPECT_EQ(Testy::TextPrvku(okno, kEditSablony), L"Rádio Jih");

    stranka.Skryt();
    EXPECT_FALSE(GetWindowLongPtrW(okno, GWL_STYLE) & WS_VISIBLE);
    ASSERT_EQ(stranka.Ukazat(ramec.Hwnd(), {0, 5, 150, 80}), S_OK);
    EXPECT_EQ(stranka.Hwnd(), okno);
    EXPECT_TRUE(GetWindowLongPtrW(okno, GWL_STYLE) & WS_VISIBLE);
    RECT r{};
    GetWindowRect(okno, &r);
    MapWindowPoints(nullptr, ramec.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ((std::array{r.left, r.top, r.right, r.bottom}), (std::array<LONG, 4>{0, 5, 150, 80}));

    SetDlgItemTextW(okno, kEditSablony, L"Rádio Sever");
    MSG zmena{};
    ASSERT_TRUE(PeekMessageW(&zmena, ramec.Hwnd(), 0x8001, 0x8001, PM_REMOVE));
    EXPECT_EQ(zmena.wParam, 2u);
    EXPECT_EQ(zmena.lParam, reinterpret_cast<LPARAM>(okno));
    EXPECT_FALSE(PeekMessageW(&zmena, ramec.Hwnd(), 0x8001, 0x8001, PM_REMOVE));

    // Apply takes valid values and tells a refusal; a page never shown is not asked (this one
    // would refuse: it has no name to give).
    EXPECT_TRUE(stranka.Pouzit());
    EXPECT_EQ(stranka.nazev, L"Rádio Sever");
    SetDlgItemTextW(okno, kEditSablony, L"");
    EXPECT_FALSE(stranka.Pouzit());
    EXPECT_TRUE(StrankaTestu().Pouzit());
}

} // namespace
