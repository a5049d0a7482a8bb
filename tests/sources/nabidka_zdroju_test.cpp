// The sources submenu of the notification icon's popup.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "sources/NabidkaZdroju.h"
#include "winapi/Handle.h"
#include "winapi/OknaTestu.h"

namespace {

using namespace Vrbatec;

// Each item as "id text", with "o" for the radio look, "*" for a check mark and "(šedá)" for
// a disabled grey item.
std::vector<std::wstring> Polozky(HMENU nabidka) {
    std::vector<std::wstring> polozky;
    for (int i = 0; i < ::GetMenuItemCount(nabidka); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{.cbSize = sizeof(info),
                           .fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING,
                           .dwTypeData = text,
                           .cch = 64};
        ::GetMenuItemInfoW(nabidka, static_cast<UINT>(i), TRUE, &info);
        polozky.push_back(std::to_wstring(info.wID) + L" " + text +
                          ((info.fType & MFT_RADIOCHECK) != 0 ? L" o" : L"") +
                          ((info.fState & MFS_CHECKED) != 0 ? L" *" : L"") +
                          ((info.fState & MFS_GRAYED) == MFS_GRAYED ? L" (šedá)" : L""));
    }
    return polozky;
}

class NabidkaZdrojuTest : public ::testing::Test {
protected:
    void SetUp() override { ::AppendMenuW(popup.Get(), MF_STRING, ID_ZDROJE_VYSILANI, L"x"); }

    std::wstring Polozka() const { return Polozky(popup.Get()).at(0); }
    HMENU Podnabidka() const { return ::GetSubMenu(popup.Get(), 0); }

    const std::wstring kPolozka = std::to_wstring(ID_ZDROJE_VYSILANI) + L" Zdroj vysílání";
    WinApi::UniqueMenu popup{::CreatePopupMenu()};
    SeznamZdroju seznam{Testy::ChybaIndexu};
};

TEST_F(NabidkaZdrojuTest, MarkedSourcesInListOrderWithThePlayingOneChecked) {
    seznam.Pridat(L"Rádio Wien", L"http://a.example/", true);
    seznam.Pridat(L"Skrytý", L"http://b.example/", false);
    seznam.Pridat(L"Jazz", L"http://c.example/", true);
    seznam.Pridat(L"Country", L"http://d.example/", true);
    NabidkaZdroju nabidka(popup.Get(), seznam, 2, true);

    EXPECT_EQ(Polozka(), kPolozka);
    EXPECT_EQ(
        Polozky(Podnabidka()),
        (std::vector<std::wstring>{L"51000 Rádio Wien o", L"51002 Jazz o *", L"51003 Country o"}));
}

TEST_F(NabidkaZdrojuTest, ItemIsGreyWithoutMarkedSourcesOrWhenTheSettingIsOff) {
    seznam.Pridat(L"Skrytý", L"http://b.example/", false);
    NabidkaZdroju bezOznacenych(popup.Get(), seznam, -1, true);
    EXPECT_EQ(Polozka(), kPolozka + L" (šedá)");
    seznam.NastavitMenu(0, true);
    NabidkaZdroju vypnuta(popup.Get(), seznam, -1, false);
    EXPECT_EQ(Polozka(), kPolozka + L" (šedá)");
    EXPECT_EQ(Podnabidka(), nullptr);
}

} // namespace
