// The main window's menus on the program's own menu resources: item pictures, the prepared
// popups, tracking, hints in the status bar and toolbar tooltips.
#include "ui/NabidkyHlavnihoOkna.h"

#include <uxtheme.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "OknoProPrvky.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/PanelyNastroju.h"
#include "ui/PravidlaNabidek.h"
#include "ui/StavovyRadek.h"

namespace Vrbatec::Ui {
namespace {

namespace nho = NabidkyHlavnihoOkna;

HBITMAP ObrazekPolozky(HMENU menu, UINT prikaz) {
    MENUITEMINFOW polozka{};
    polozka.cbSize = sizeof(polozka);
    polozka.fMask = MIIM_BITMAP;
    EXPECT_TRUE(::GetMenuItemInfoW(menu, prikaz, FALSE, &polozka)) << prikaz;
    return polozka.hbmpItem;
}

std::wstring TextPolozky(HMENU menu, UINT prikaz) {
    wchar_t text[64] = {};
    ::GetMenuStringW(menu, prikaz, text, 64, MF_BYCOMMAND);
    return text;
}

DWORD StylMenu(HMENU menu) {
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE;
    ::GetMenuInfo(menu, &info);
    return info.dwStyle;
}

class NabidkyTest : public Testy::OknoProPrvky {
protected:
    void TearDown() override {
        radek_.Zrusit();
        panely_.Zrusit();
        OknoProPrvky::TearDown();
    }

    static const ObrazkovyPruh& Pruh() { return AplikaceInstance().MalyPruh(); }
    nho::PripravenaNabidka Pripravit(UINT id, const nho::StavNabidky& stav) const {
        return nho::Pripravit(Instance(), id, stav, Pruh(), 0x601);
    }

    PanelyNastroju panely_;
    StavovyRadek radek_;
};

TEST_F(NabidkyTest, PicturesFollowTheTableAndTheVersionAndThemeRule) {
    nho::NastavitObrazky(menu_, &Pruh());
    for (const auto& o : PravidlaNabidek::ObrazkyMenu()) {
        EXPECT_EQ(Pruh().BitmapaMenu(o.obrazek), ObrazekPolozky(menu_, o.prikaz)) << o.prikaz;
    }
    EXPECT_EQ(nullptr, ObrazekPolozky(menu_, ID_SEZNAM_ZDROJU));

    // Before 0x600 a menu loses its pictures whatever the theme.
    nho::PouzitObrazky(menu_, Pruh(), 0x502);
    for (const auto& o : PravidlaNabidek::ObrazkyMenu()) {
        EXPECT_EQ(nullptr, ObrazekPolozky(menu_, o.prikaz)) << o.prikaz;
    }
    nho::PouzitObrazky(menu_, Pruh(), 0x601);
    const HBITMAP ocekavany = ::IsAppThemed() ? Pruh().BitmapaMenu(0) : nullptr;
    EXPECT_EQ(ocekavany, ObrazekPolozky(menu_, ID_SPUSTIT_PRIJEM));
}

TEST_F(NabidkyTest, PicturesTakeTheirOwnColumnInEverySubmenu) {
    const HMENU zobrazit = ::GetSubMenu(menu_, 4);
    const HMENU panely = ::GetSubMenu(zobrazit, 2);
    ASSERT_NE(nullptr, panely);
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    info.dwStyle = MNS_CHECKORBMP;
    ASSERT_TRUE(::SetMenuInfo(menu_, &info));
    ASSERT_TRUE(StylMenu(panely) & MNS_CHECKORBMP);

    nho::PouzitObrazky(menu_, Pruh(), 0x601);
    for (const HMENU menu : {menu_, zobrazit, panely}) {
        EXPECT_EQ(0u, StylMenu(menu) & MNS_CHECKORBMP);
    }
}

TEST_F(NabidkyTest, ListMenuGraysStopAndPropertiesWhileNothingPlaysAndNamesTheMuteAction) {
    struct Pripad {
        int prehravany;
        bool ztlumeno;
        const wchar_t* textZtlumeni;
    };
    for (const Pripad p : {Pripad{-1, true, L"Zapnout zvuk"}, Pripad{0, false, L"Ztlumit zvuk"}}) {
        SCOPED_TRACE(p.prehravany);
        const auto pripravena =
            Pripravit(IDR_MENU_SEZNAM, {.prehravanyIndex = p.prehravany, .ztlumeno = p.ztlumeno});
        const HMENU nabidka = pripravena.Nabidka();
        const UINT sedy = p.prehravany < 0 ? MF_GRAYED | MF_DISABLED : 0u;
        EXPECT_EQ(sedy, StavPolozky(nabidka, ID_ZASTAVIT_PRIJEM) & (MF_GRAYED | MF_DISABLED));
        EXPECT_EQ(sedy, StavPolozky(nabidka, ID_VLASTNOSTI_ZDROJE) & (MF_GRAYED | MF_DISABLED));
        EXPECT_FALSE(Sedy(nabidka, ID_SPUSTIT_PRIJEM));
        EXPECT_EQ(p.textZtlumeni, TextPolozky(nabidka, ID_ZTLUMIT));
    }
}

TEST_F(NabidkyTest, BarsMenuChecksVisibleBandsAndTheIconSize) {
    const auto bezPanelu = Pripravit(IDR_MENU_PANELY, {.toolBar = 1});
    EXPECT_FALSE(Zaskrtnuto(bezPanelu.Nabidka(), ID_PANEL_TLACITEK));
    EXPECT_TRUE(Zaskrtnuto(bezPanelu.Nabidka(), ID_MALE_IKONY));

    panely_.Sestavit(okno_, Instance(), Pruh(), false, {.zdroje = false});
    const auto pripravena = Pripravit(IDR_MENU_PANELY, {.panely = &panely_, .toolBar = 2});
    const HMENU nabidka = pripravena.Nabidka();
    EXPECT_TRUE(Zaskrtnuto(nabidka, ID_PANEL_TLACITEK));
    EXPECT_TRUE(Zaskrtnuto(nabidka, ID_PANEL_OVLADANI));
    EXPECT_FALSE(Zaskrtnuto(nabidka, ID_PANEL_ZDROJU));
    EXPECT_FALSE(Zaskrtnuto(nabidka, ID_MALE_IKONY));
    EXPECT_TRUE(Zaskrtnuto(nabidka, ID_VELKE_IKONY));
}

// Inside the popup's own loop: the first item is chosen with the keyboard.
void CALLBACK VybratPrvniPolozku(HWND okno, UINT, UINT_PTR casovac, DWORD) {
    ::KillTimer(okno, casovac);
    ::PostMessageW(okno, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageW(okno, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(NabidkyTest, TrackedPopupSendsTheChosenCommandToItsOwnerAndIsDestroyed) {
    auto pripravena = Pripravit(IDR_MENU_PANELY, {});
    const HMENU nabidka = pripravena.Nabidka();
    ::SetTimer(okno_, 1, 50, &VybratPrvniPolozku);
    nho::Sledovat(std::move(pripravena), okno_);
    ZpracovatZpravy();

    EXPECT_FALSE(::IsMenu(nabidka));
    bool otevrena = false;
    UINT prikaz = 0;
    for (const MSG& z : zpravy()) {
        otevrena |= z.message == WM_INITMENUPOPUP && reinterpret_cast<HMENU>(z.wParam) == nabidka;
        prikaz = z.message == WM_COMMAND ? LOWORD(z.wParam) : prikaz;
    }
    EXPECT_TRUE(otevrena);
    EXPECT_EQ(static_cast<UINT>(ID_PANEL_TLACITEK), prikaz);
}

TEST_F(NabidkyTest, HintOfTheHighlightedItemAndTheReadyTextForSubmenusItemsWithoutHintAndClose) {
    const std::wstring pripraven = L"Zvukolet - připraven";
    radek_.Vytvorit(okno_, Instance(), pripraven, nullptr, nullptr);
    struct Krok {
        WORD id;
        WORD priznaky;
        std::wstring text;
    };
    const Krok kroky[] = {
        {ID_SPUSTIT_PRIJEM, MF_HILITE, L"Spustit příjem zvuku"},
        // A submenu title reports its position, which may be any number.
        {ID_KONEC, MF_POPUP | MF_HILITE, pripraven},
        {ID_PANEL_ZDROJU, MF_HILITE, L"Zobrazit/skrýt v okně seznam zdrpjů"},
        {ID_PANEL_OVLADANI, MF_HILITE, pripraven},
        {ID_KONEC, MF_HILITE | MF_MOUSESELECT, L"Ukončit aplikaci"},
        {0, 0xFFFF, pripraven},
    };
    for (const Krok& k : kroky) {
        nho::PriVyberuPolozky(MAKEWPARAM(k.id, k.priznaky), radek_, pripraven);
        EXPECT_EQ(k.text, radek_.Text()) << k.id;
    }
}

TEST_F(NabidkyTest, TooltipOfACommandGoesIntoTheNotificationsBuffer) {
    NMTTDISPINFOW tip{};
    tip.hdr.code = TTN_GETDISPINFOW;
    tip.hdr.idFrom = ID_OTEVRIT_URL;
    ASSERT_TRUE(nho::PriTipuTlacitka(tip));
    EXPECT_EQ(std::wstring(L"Spustit příjem ze zadané URL adresy zdroje nebo souboru na disku"),
              tip.lpszText);
    EXPECT_EQ(tip.szText, tip.lpszText);

    tip.hdr.idFrom = ID_PANEL_OVLADANI; // no entry: an empty tip, still answered
    ASSERT_TRUE(nho::PriTipuTlacitka(tip));
    EXPECT_EQ(std::wstring(), tip.szText);

    tip.hdr.idFrom = IDC_COMBO_ZDROJU;
    tip.lpszText = nullptr;
    EXPECT_FALSE(nho::PriTipuTlacitka(tip));
    EXPECT_EQ(nullptr, tip.lpszText);
}

} // namespace
} // namespace Vrbatec::Ui
