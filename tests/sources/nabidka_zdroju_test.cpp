// The sources submenu of the notification icon's popup.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "res/resource.h"
#include "sources/NabidkaZdroju.h"
#include "winapi/Handle.h"

namespace {

using namespace Vrbatec;

void ChybaIndexu(std::int32_t kod) {
    throw static_cast<HRESULT>(kod);
}

struct Polozka {
    UINT id;
    std::wstring text;
    bool radio;
    bool zaskrtnuta;

    friend bool operator==(const Polozka&, const Polozka&) = default;
};

std::vector<Polozka> Polozky(HMENU nabidka) {
    std::vector<Polozka> polozky;
    for (int i = 0; i < ::GetMenuItemCount(nabidka); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 64;
        ::GetMenuItemInfoW(nabidka, static_cast<UINT>(i), TRUE, &info);
        polozky.push_back(
            {info.wID, text, (info.fType & MFT_RADIOCHECK) != 0, (info.fState & MFS_CHECKED) != 0});
    }
    return polozky;
}

class NabidkaZdrojuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ::AppendMenuW(popup.Get(), MF_STRING, ID_ZOBRAZIT_SKRYT_OKNO, L"Zobrazit");
        ::AppendMenuW(popup.Get(), MF_STRING, ID_ZDROJE_VYSILANI, L"x");
    }

    MENUITEMINFOW PolozkaZdroju() const {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = const_cast<wchar_t*>(text_);
        info.cch = 64;
        ::GetMenuItemInfoW(popup.Get(), ID_ZDROJE_VYSILANI, FALSE, &info);
        return info;
    }
    std::wstring TextPolozky() const { return text_; }
    bool PolozkaSeda() const {
        return (PolozkaZdroju().fState & (MFS_DISABLED | MFS_GRAYED)) ==
               static_cast<UINT>(MFS_DISABLED | MFS_GRAYED);
    }

    WinApi::UniqueMenu popup{::CreatePopupMenu()};
    SeznamZdroju seznam{ChybaIndexu};

private:
    wchar_t text_[64] = {};
};

TEST_F(NabidkaZdrojuTest, MarkedSourcesInListOrderWithThePlayingOneChecked) {
    seznam.Pridat(L"Rádio Wien", L"http://a.example/", true);
    seznam.Pridat(L"Skrytý", L"http://b.example/", false);
    seznam.Pridat(L"Jazz", L"http://c.example/", true);
    seznam.Pridat(L"Country", L"http://d.example/", true);
    NabidkaZdroju nabidka(popup.Get(), seznam, 2, true);

    const std::vector<Polozka> ocekavane{{51000, L"Rádio Wien", true, false},
                                         {51002, L"Jazz", true, true},
                                         {51003, L"Country", true, false}};
    EXPECT_EQ(Polozky(nabidka.Podnabidka()), ocekavane);
    const MENUITEMINFOW polozka = PolozkaZdroju();
    EXPECT_EQ(polozka.hSubMenu, nabidka.Podnabidka());
    EXPECT_EQ(TextPolozky(), L"Zdroj vysílání");
    EXPECT_FALSE(PolozkaSeda());
}

TEST_F(NabidkaZdrojuTest, ItemIsGreyWithoutMarkedSourcesOrWhenTheSettingIsOff) {
    struct Pripad {
        std::vector<bool> menu;
        bool zobrazit;
        bool podnabidka;
    };
    const Pripad pripady[] = {
        {{}, true, false}, {{false, false}, true, false}, {{true, false}, false, true}};
    for (const Pripad& p : pripady) {
        SeznamZdroju zdroje(ChybaIndexu);
        for (const bool menu : p.menu) {
            zdroje.Pridat(L"Zdroj", L"http://a.example/", menu);
        }
        NabidkaZdroju nabidka(popup.Get(), zdroje, -1, p.zobrazit);
        EXPECT_EQ(nabidka.Podnabidka() != nullptr, p.podnabidka);
        EXPECT_EQ(PolozkaZdroju().hSubMenu, nullptr);
        EXPECT_TRUE(PolozkaSeda());
        EXPECT_EQ(TextPolozky(), L"Zdroj vysílání");
    }
}

TEST_F(NabidkaZdrojuTest, PopupAndSubmenuCanGoInEitherOrder) {
    seznam.Pridat(L"Jazz", L"http://c.example/", true);
    {
        NabidkaZdroju nabidka(popup.Get(), seznam, -1, true);
        ASSERT_TRUE(nabidka.JePripojena());
    }
    EXPECT_EQ(PolozkaZdroju().hSubMenu, nullptr);
    EXPECT_TRUE(::IsMenu(popup.Get()));

    HMENU podnabidka = nullptr;
    {
        NabidkaZdroju nabidka(popup.Get(), seznam, -1, true);
        podnabidka = nabidka.Podnabidka();
        popup.Reset(); // the popup takes its attached submenu with it
    }
    EXPECT_FALSE(::IsMenu(podnabidka));
}

} // namespace
