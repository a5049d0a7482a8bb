// Settings pages in a frame dialog: created once, when first shown; what they tell the frame
// when the user changes a value; and which of them apply asks.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "OknaTestu.h"
#include "winapi/StrankaNastaveni.h"

namespace {

using namespace Vrbatec;
using Testy::SablonaDialogu;

constexpr WORD kNazev = 100;
constexpr WORD kVolba = 101;
constexpr UINT kZmena = 0x8001;

// A page with a name that must not be empty and a box; what the user changes in either is
// announced.
class StrankaTestu final : public WinApi::StrankaNastaveni {
public:
    explicit StrankaTestu(int id) : StrankaNastaveni(id) {
        sablona_.Pridat(SablonaDialogu::kEdit, kNazev, WS_TABSTOP | ES_AUTOHSCROLL, 5, 5, 100, 12)
            .Pridat(SablonaDialogu::kTlacitko, kVolba, WS_TABSTOP | BS_AUTOCHECKBOX, 5, 25, 100,
                    10);
    }

    std::wstring nazev = L"Rádio Jih";
    // The resource of the template, or the template in memory when there is none.
    const wchar_t* zdroj = nullptr;
    int inicializace = 0;
    int dotazy = 0;

protected:
    HWND VytvoritOkno(HWND ramec) override {
        if (zdroj != nullptr) {
            return VytvoritNemodalne(GetModuleHandleW(nullptr), zdroj, ramec);
        }
        return VytvoritNemodalne(GetModuleHandleW(nullptr), sablona_.Sablona(), ramec);
    }
    bool PriInicializaci() override {
        ++inicializace;
        SetDlgItemTextW(Hwnd(), kNazev, nazev.c_str());
        return false;
    }
    bool PriPrikazu(WORD id, WORD kod, HWND) override {
        if ((id == kNazev && kod == EN_CHANGE) || (id == kVolba && kod == BN_CLICKED)) {
            OznamitZmenu();
            return true;
        }
        return false;
    }
    bool PriPouziti() override {
        ++dotazy;
        const std::wstring text = Testy::TextPrvku(Hwnd(), kNazev);
        if (text.empty()) {
            return false;
        }
        nazev = text;
        return true;
    }

private:
    SablonaDialogu sablona_{DS_CONTROL | WS_CHILD};
};

class StrankyNastaveni : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(
            ramec.VytvoritNemodalne(GetModuleHandleW(nullptr), sablonaRamce.Sablona(), nullptr),
            nullptr);
    }

    // The change messages waiting for the frame, taken from its queue.
    std::vector<MSG> Zmeny() const {
        std::vector<MSG> zmeny;
        MSG zprava{};
        while (PeekMessageW(&zprava, ramec.Hwnd(), kZmena, kZmena, PM_REMOVE)) {
            zmeny.push_back(zprava);
        }
        return zmeny;
    }

    // Left, top, right, bottom in the frame's client coordinates.
    static std::array<LONG, 4> PolohaVRamci(HWND stranka) {
        RECT r{};
        GetWindowRect(stranka, &r);
        MapWindowPoints(nullptr, GetParent(stranka), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }

    static bool Viditelna(HWND stranka) {
        return (GetWindowLongPtrW(stranka, GWL_STYLE) & WS_VISIBLE) != 0;
    }

    SablonaDialogu sablonaRamce{WS_POPUP | WS_CAPTION, 300, 200};
    WinApi::Dialog ramec;
};

TEST_F(StrankyNastaveni, APageIsCreatedInTheFrameWhenFirstShownAndPlacedEachTime) {
    StrankaTestu stranka(1);
    // No such template: the failure is told, and the next display tries again.
    stranka.zdroj = MAKEINTRESOURCEW(0x7ABC);
    EXPECT_EQ(stranka.Ukazat(ramec.Hwnd(), {10, 20, 210, 120}),
              HRESULT_FROM_WIN32(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(stranka.Hwnd(), nullptr);
    stranka.zdroj = nullptr;

    ASSERT_EQ(stranka.Ukazat(ramec.Hwnd(), {10, 20, 210, 120}), S_OK);
    HWND okno = stranka.Hwnd();
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(GetParent(okno), ramec.Hwnd());
    EXPECT_TRUE(Viditelna(okno));
    EXPECT_EQ(PolohaVRamci(okno), (std::array<LONG, 4>{10, 20, 210, 120}));
    EXPECT_EQ(Testy::TextPrvku(okno, kNazev), L"Rádio Jih");

    stranka.Skryt();
    EXPECT_FALSE(Viditelna(okno));
    ASSERT_EQ(stranka.Ukazat(ramec.Hwnd(), {0, 0, 150, 80}), S_OK);
    EXPECT_EQ(stranka.Hwnd(), okno);
    EXPECT_EQ(stranka.inicializace, 1);
    EXPECT_TRUE(Viditelna(okno));
    EXPECT_EQ(PolohaVRamci(okno), (std::array<LONG, 4>{0, 0, 150, 80}));
}

// Opening a page fills its controls, which is no change; what the user does afterwards is,
// and the frame learns which page it was.
TEST_F(StrankyNastaveni, ChangesByTheUserArePostedToTheFrameWithThePage) {
    StrankaTestu prvni(1);
    StrankaTestu druha(2);
    ASSERT_EQ(prvni.Ukazat(ramec.Hwnd(), {0, 0, 200, 100}), S_OK);
    ASSERT_EQ(druha.Ukazat(ramec.Hwnd(), {0, 0, 200, 100}), S_OK);
    EXPECT_TRUE(Zmeny().empty());

    SetDlgItemTextW(druha.Hwnd(), kNazev, L"Rádio Sever");
    Testy::Kliknout(prvni.Hwnd(), kVolba);
    const std::vector<MSG> zmeny = Zmeny();
    ASSERT_EQ(zmeny.size(), 2u);
    EXPECT_EQ(zmeny[0].wParam, 2u);
    EXPECT_EQ(zmeny[0].lParam, reinterpret_cast<LPARAM>(druha.Hwnd()));
    EXPECT_EQ(zmeny[1].wParam, 1u);
    EXPECT_EQ(zmeny[1].lParam, reinterpret_cast<LPARAM>(prvni.Hwnd()));
}

TEST_F(StrankyNastaveni, ApplyAsksOnlyPagesThatExistAndTellsARefusal) {
    StrankaTestu neotevrena(1);
    StrankaTestu stranka(2);
    EXPECT_TRUE(neotevrena.Pouzit());
    EXPECT_EQ(neotevrena.dotazy, 0);

    ASSERT_EQ(stranka.Ukazat(ramec.Hwnd(), {0, 0, 200, 100}), S_OK);
    SetDlgItemTextW(stranka.Hwnd(), kNazev, L"Rádio Sever");
    EXPECT_TRUE(stranka.Pouzit());
    EXPECT_EQ(stranka.nazev, L"Rádio Sever");
    SetDlgItemTextW(stranka.Hwnd(), kNazev, L"");
    EXPECT_FALSE(stranka.Pouzit());
    EXPECT_EQ(stranka.nazev, L"Rádio Sever");
    EXPECT_EQ(stranka.dotazy, 2);

    // The page's window goes with the frame's; the page then has nothing left to apply.
    ramec.Zrusit();
    EXPECT_EQ(stranka.Hwnd(), nullptr);
    EXPECT_TRUE(stranka.Pouzit());
    EXPECT_EQ(stranka.dotazy, 2);
}

} // namespace
