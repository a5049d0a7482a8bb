// The sources submenu of the notification icon's popup.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "OknoPohleduTestu.h"
#include "res/resource.h"
#include "sources/NabidkaZdroju.h"
#include "winapi/Handle.h"

namespace {

using namespace Vrbatec;

// Each item as "id text", with "*" for a check mark and "o" for the radio look.
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
                          ((info.fState & MFS_CHECKED) != 0 ? L" *" : L""));
    }
    return polozky;
}

class NabidkaZdrojuTest : public ::testing::Test {
protected:
    void SetUp() override { ::AppendMenuW(popup.Get(), MF_STRING, ID_ZDROJE_VYSILANI, L"x"); }

    // The item's text, submenu and whether it is disabled and grey.
    std::wstring Polozka(HMENU* podnabidka = nullptr) const {
        wchar_t text[64] = {};
        MENUITEMINFOW info{.cbSize = sizeof(info),
                           .fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_STRING,
                           .dwTypeData = text,
                           .cch = 64};
        ::GetMenuItemInfoW(popup.Get(), ID_ZDROJE_VYSILANI, FALSE, &info);
        if (podnabidka != nullptr) {
            *podnabidka = info.hSubMenu;
        }
        const UINT seda = MFS_DISABLED | MFS_GRAYED;
        return text + std::wstring((info.fState & seda) == seda ? L" (šedá)" : L"");
    }

    WinApi::UniqueMenu popup{::CreatePopupMenu()};
    SeznamZdroju seznam{Testy::ChybaIndexu};
};

TEST_F(NabidkaZdrojuTest, MarkedSourcesInListOrderWithThePlayingOneChecked) {
    seznam.Pridat(L"Rádio Wien", L"http://a.example/", true);
    seznam.Pridat(L"Skrytý", L"http://b.example/", false);
    seznam.Pridat(L"Jazz", L"http://c.example/", true);
    seznam.Pridat(L"Country", L"http://d.example/", true);
    NabidkaZdroju nabidka(popup.Get(), seznam, 2, true);

    EXPECT_EQ(
        Polozky(nabidka.Podnabidka()),
        (std::vector<std::wstring>{L"51000 Rádio Wien o", L"51002 Jazz o *", L"51003 Country o"}));
    HMENU podnabidka = nullptr;
    EXPECT_EQ(Polozka(&podnabidka), L"Zdroj vysílání");
    EXPECT_EQ(podnabidka, nabidka.Podnabidka());
}

TEST_F(NabidkaZdrojuTest, ItemIsGreyWithoutMarkedSourcesOrWhenTheSettingIsOff) {
    for (const bool zobrazit : {true, false}) {
        NabidkaZdroju prazdna(popup.Get(), seznam, -1, true);
        EXPECT_EQ(Polozka(), L"Zdroj vysílání (šedá)");
        seznam.Pridat(L"Jazz", L"http://c.example/", !zobrazit);
        NabidkaZdroju nabidka(popup.Get(), seznam, -1, zobrazit);
        HMENU podnabidka = nullptr;
        EXPECT_EQ(Polozka(&podnabidka), L"Zdroj vysílání (šedá)") << zobrazit;
        EXPECT_EQ(podnabidka, nullptr);
    }
}

TEST_F(NabidkaZdrojuTest, PopupAndSubmenuCanGoInEitherOrder) {
    seznam.Pridat(L"Jazz", L"http://c.example/", true);
    { NabidkaZdroju nabidka(popup.Get(), seznam, -1, true); }
    HMENU podnabidka = nullptr;
    Polozka(&podnabidka);
    EXPECT_EQ(podnabidka, nullptr);
    {
        NabidkaZdroju nabidka(popup.Get(), seznam, -1, true);
        podnabidka = nabidka.Podnabidka();
        popup.Reset(); // takes its attached submenu with it
    }
    EXPECT_FALSE(::IsMenu(podnabidka));
}

} // namespace
