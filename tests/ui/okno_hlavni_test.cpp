// The main window as the program creates it, driven by the messages and commands that reach it
// and read back from its menu and controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "config/UlozisteNastaveni.h"
#include "playback/SkriptovanyPrehravac.h"
#include "recording/GrafZaznamuNahrada.h"
#include "res/resource.h"
#include "sources/UlozisteZdroju.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/OknoHlavni.h"
#include "ui/PravidlaNabidek.h"
#include "winapi/Diagnostika.h"
#include "winapi/OknaTestu.h"
#include "HlavniOknoTestu.h"
#include "ZaznamIkony.h"

namespace {

using Vrbatec::NastaveniAplikace;
using Vrbatec::Zdroje;
using Vrbatec::Testy::ZpracovatCekajiciZpravy;
namespace Testy = Vrbatec::Testy;
using Vrbatec::Ui::OknoHlavni;

std::vector<Vrbatec::Zdroj> TriZdroje() {
    return {{L"Černá stanice", L"http://c.example/", -1, true},
            {L"Alfa rádio", L"http://a.example/", 40, true},
            {L"Bílé vlny", L"http://b.example/", -1, false}};
}

class HlavniOkno : public Testy::HlavniOknoTestu {
protected:
    HWND Rebar() const { return Prvek(IDC_REBAR); }
    HWND Seznam() const { return Prvek(IDC_SEZNAM_ZDROJU); }
    HWND Combo() const { return GetDlgItem(Rebar(), IDC_COMBO_ZDROJU); }

    void Prikaz(UINT prikaz) {
        SendMessageW(Hwnd(), WM_COMMAND, prikaz, 0);
        ZpracovatCekajiciZpravy();
    }

    UINT StavMenu(UINT prikaz) const { return GetMenuState(GetMenu(Hwnd()), prikaz, MF_BYCOMMAND); }
    bool Povoleno(UINT prikaz) const { return (StavMenu(prikaz) & MF_GRAYED) == 0; }
    bool Zaskrtnuto(UINT prikaz) const { return (StavMenu(prikaz) & MF_CHECKED) != 0; }

    int VybranyRadek() const {
        return static_cast<int>(
            SendMessageW(Seznam(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }

    // What the window keeps of its view in the registry, or 0xFFFF when nothing.
    static DWORD UlozenoVZobrazeni(const wchar_t* nazev) {
        DWORD hodnota = 0xFFFF, velikost = sizeof(hodnota);
        RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vrbatec\\Zvukolet\\2\\Zobrazit", nazev,
                     RRF_RT_REG_DWORD, nullptr, &hodnota, &velikost);
        return hodnota;
    }

    // The icon in the status bar's recording part.
    HICON IkonaZaznamu() const {
        return reinterpret_cast<HICON>(SendMessageW(Prvek(IDC_STAVOVY_RADEK), SB_GETICON, 1, 0));
    }
    static HICON StavIkona(Vrbatec::Ui::StavovaIkona ikona) {
        return Vrbatec::AplikaceInstance().StavIkona(ikona);
    }
};

// The list, the menus and the command states have tests of their own; here, that the window
// puts them together and passes its commands and settings on.
TEST_F(HlavniOkno, AddCommandAddsThroughTheSourceDialogAndEnablesStart) {
    Vytvorit();
    EXPECT_FALSE(Povoleno(ID_SPUSTIT_PRIJEM));
    Testy::ObsluhaDialogu obsluha([](HWND dialog) { Testy::Kliknout(dialog, IDOK); });
    Prikaz(ID_PRIDAT_ZDROJ);
    ASSERT_EQ(Zdroje().Pocet(), 1u);
    EXPECT_EQ(VybranyRadek(), 0);
    EXPECT_TRUE(Povoleno(ID_SPUSTIT_PRIJEM));
}

TEST_F(HlavniOkno, OpensOnTheLastPlayedAndSourceListCommandSwapsListAndPanelKeepingTheChoice) {
    NastaveniAplikace().prehravanyIndex = 2;
    Vytvorit(TriZdroje());
    EXPECT_EQ(VybranyRadek(), 2);
    EXPECT_EQ(SendMessageW(Combo(), CB_GETCURSEL, 0, 0), 2);
    SendMessageW(Combo(), CB_SETCURSEL, 0, 0);
    NastaveniAplikace().spustitZmenouCB = false;
    SendMessageW(Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_COMBO_ZDROJU, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Combo()));
    ASSERT_EQ(okno_->VybranyIndex(), 0);

    Prikaz(ID_SEZNAM_ZDROJU);
    EXPECT_EQ(Seznam(), nullptr);
    EXPECT_NE(FindWindowExW(Hwnd(), nullptr, L"ZvukoletKlientObl", nullptr), nullptr);
    EXPECT_FALSE(Zaskrtnuto(ID_SEZNAM_ZDROJU));

    Prikaz(ID_SEZNAM_ZDROJU);
    ASSERT_NE(Seznam(), nullptr);
    EXPECT_EQ(FindWindowExW(Hwnd(), nullptr, L"ZvukoletKlientObl", nullptr), nullptr);
    EXPECT_EQ(VybranyRadek(), 0); // not the last played one
    EXPECT_TRUE(Zaskrtnuto(ID_SEZNAM_ZDROJU));
}

// What the user does not see waits until the window is: the player is made once the window
// is shown, laid out and painted, and before the commands that start playing can arrive.
TEST_F(HlavniOkno, IsShownLaidOutAndPaintedBeforeThePlayerIsMade) {
    struct {
        int vytvoreni = 0;
        bool viditelne = false;
        bool nakresleno = false;
        RECT seznam{};
    } priPrehravaci;
    priVytvoreniPrehravace_ = [&](HWND okno) {
        ++priPrehravaci.vytvoreni;
        priPrehravaci.viditelne = IsWindowVisible(okno) != FALSE;
        priPrehravaci.nakresleno = GetUpdateRect(okno, nullptr, FALSE) == FALSE;
        GetWindowRect(GetDlgItem(okno, IDC_SEZNAM_ZDROJU), &priPrehravaci.seznam);
    };
    Vytvorit(TriZdroje());
    ASSERT_NE(prehravac_, nullptr);
    EXPECT_EQ(priPrehravaci.vytvoreni, 1);
    EXPECT_TRUE(priPrehravaci.viditelne);
    EXPECT_TRUE(priPrehravaci.nakresleno);
    RECT seznam{};
    GetWindowRect(Seznam(), &seznam);
    EXPECT_TRUE(EqualRect(&seznam, &priPrehravaci.seznam))
        << "the list moved after the first paint";
    EXPECT_GT(seznam.bottom - seznam.top, 0);
}

// The menu's pictures are made and put in when a menu of the bar is first opened.
TEST_F(HlavniOkno, MenuPicturesComeWithTheFirstOpeningOfTheMenu) {
    Vytvorit();
    const HMENU menu = GetMenu(Hwnd());
    const auto obrazky = [menu] {
        std::vector<HBITMAP> vysledek;
        for (const auto& o : Vrbatec::Ui::PravidlaNabidek::ObrazkyMenu()) {
            MENUITEMINFOW polozka{};
            polozka.cbSize = sizeof(polozka);
            polozka.fMask = MIIM_BITMAP;
            vysledek.push_back(GetMenuItemInfoW(menu, o.prikaz, FALSE, &polozka)
                                   ? polozka.hbmpItem
                                   : reinterpret_cast<HBITMAP>(-1));
        }
        return vysledek;
    };
    const std::vector<HBITMAP> pred = obrazky();
    EXPECT_EQ(std::count(pred.begin(), pred.end(), nullptr),
              std::count_if(pred.begin(), pred.end(),
                            [](HBITMAP b) { return b != reinterpret_cast<HBITMAP>(-1); }));

    SendMessageW(Hwnd(), WM_INITMENU, reinterpret_cast<WPARAM>(menu), 0);
    const bool povoleny = Vrbatec::Ui::PravidlaNabidek::ObrazkyMenuPovoleny(
        Vrbatec::AplikaceInstance().VerzeWindows(), IsAppThemed() != FALSE);
    const std::vector<HBITMAP> po = obrazky();
    int sObrazkem = 0;
    for (std::size_t i = 0; i < po.size(); ++i) {
        if (po[i] == reinterpret_cast<HBITMAP>(-1)) {
            continue;
        }
        const int obrazek = Vrbatec::Ui::PravidlaNabidek::ObrazkyMenu()[i].obrazek;
        EXPECT_EQ(po[i],
                  povoleny ? Vrbatec::AplikaceInstance().MalyPruh().BitmapaMenu(obrazek) : nullptr)
            << i;
        sObrazkem += po[i] != nullptr;
    }
    EXPECT_EQ(sObrazkem > 0, povoleny);
}

TEST_F(HlavniOkno, PlaybackShowsInTitleStatusBarMenuAndPanel) {
    NastaveniAplikace().prehravanyIndex = 1;
    Vytvorit(TriZdroje());
    ASSERT_NE(prehravac_, nullptr);

    Prikaz(ID_SPUSTIT_PRIJEM);
    EXPECT_EQ(prehravac_->volani.back(), L"play");
    EXPECT_EQ(Testy::TextOkna(Hwnd()), L"Alfa rádio - Zvukolet");
    EXPECT_TRUE(Povoleno(ID_ZASTAVIT_PRIJEM));
    EXPECT_TRUE(Povoleno(ID_VLASTNOSTI_ZDROJE));

    // The submenu's sources play without becoming the last played one.
    Prikaz(51002);
    EXPECT_EQ(Testy::TextOkna(Hwnd()), L"Bílé vlny - Zvukolet");
    EXPECT_EQ(VybranyRadek(), 2);
    EXPECT_EQ(NastaveniAplikace().prehravanyIndex, 1);

    Prikaz(ID_ZASTAVIT_PRIJEM);
    EXPECT_EQ(Testy::TextOkna(Hwnd()), L"Zvukolet");
    EXPECT_FALSE(Povoleno(ID_ZASTAVIT_PRIJEM));
}

// Recording while nothing plays (the setting says always): the commands, the status icon and its
// blinking follow; stopping playback leaves the recording alone; ending it puts everything back.
TEST_F(HlavniOkno, RecordingShowsInCommandsAndStatusBarAndOutlivesStoppedPlayback) {
    NastaveniAplikace().priSpusteni = Vrbatec::kZaznamVzdy;
    NastaveniAplikace().slozka = slozka_.wstring();
    Vytvorit(TriZdroje());
    using Vrbatec::Ui::StavovaIkona;
    EXPECT_EQ(IkonaZaznamu(), StavIkona(StavovaIkona::BezZaznamu));

    Prikaz(ID_SPUSTIT_ZAZNAM);
    ASSERT_FALSE(graf_.kroky.empty());
    EXPECT_EQ(graf_.kroky.back(), L"spustit");
    EXPECT_NE(graf_.kroky[1].find(L"\\Záznam "), std::wstring::npos) << graf_.kroky[1];
    EXPECT_FALSE(Povoleno(ID_SPUSTIT_ZAZNAM));
    EXPECT_FALSE(Povoleno(ID_NASTAVENI));
    EXPECT_TRUE(Povoleno(ID_UKONCIT_ZAZNAM));
    EXPECT_EQ(IkonaZaznamu(), StavIkona(StavovaIkona::Zaznam));
    SendMessageW(Hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(IkonaZaznamu(), StavIkona(StavovaIkona::BezZaznamu));
    SendMessageW(Hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(IkonaZaznamu(), StavIkona(StavovaIkona::Zaznam));

    Prikaz(ID_SPUSTIT_PRIJEM);
    Prikaz(ID_ZASTAVIT_PRIJEM);
    EXPECT_EQ(graf_.kroky.back(), L"spustit") << "stopping playback stopped the recording";
    EXPECT_TRUE(Povoleno(ID_UKONCIT_ZAZNAM));

    Prikaz(ID_UKONCIT_ZAZNAM);
    EXPECT_EQ(graf_.kroky.back(), L"konec");
    EXPECT_TRUE(Povoleno(ID_SPUSTIT_ZAZNAM));
    EXPECT_FALSE(Povoleno(ID_UKONCIT_ZAZNAM));
    EXPECT_EQ(IkonaZaznamu(), StavIkona(StavovaIkona::BezZaznamu));
    SendMessageW(Hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(IkonaZaznamu(), StavIkona(StavovaIkona::BezZaznamu)) << "blinks after the end";
}

// What the start command does by the setting: start the selected source first, record only
// what already plays (nothing at all while nothing does), or a value the setting cannot hold.
TEST_F(HlavniOkno, StartRecordingFollowsTheSettingAndTheWindowsEndFinishesTheFile) {
    NastaveniAplikace().prehravanyIndex = 1;
    NastaveniAplikace().slozka = slozka_.wstring();
    Vytvorit(TriZdroje());

    NastaveniAplikace().priSpusteni = Vrbatec::kZaznamJenPriPrehravani;
    Prikaz(ID_SPUSTIT_ZAZNAM);
    NastaveniAplikace().priSpusteni = 7;
    Prikaz(ID_SPUSTIT_ZAZNAM);
    EXPECT_TRUE(graf_.kroky.empty());
    EXPECT_TRUE(prehravac_->volani.empty() || prehravac_->volani.back() != L"play");

    NastaveniAplikace().priSpusteni = Vrbatec::kZaznamSPrehravanim;
    Prikaz(ID_SPUSTIT_ZAZNAM);
    EXPECT_EQ(prehravac_->volani.back(), L"play");
    ASSERT_EQ(graf_.kroky.size(), 3u);
    EXPECT_NE(graf_.kroky[1].find(L"\\Alfa rádio "), std::wstring::npos) << graf_.kroky[1];
    Prikaz(ID_UKONCIT_ZAZNAM);

    NastaveniAplikace().priSpusteni = Vrbatec::kZaznamJenPriPrehravani;
    Prikaz(ID_SPUSTIT_ZAZNAM);
    EXPECT_EQ(graf_.kroky.back(), L"spustit");

    // The session ends with the recording running: the file is finished as the window goes.
    SendMessageW(Hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(graf_.kroky.back(), L"konec");
}

// Closing, which destroys the window and ends the loop with 0, is checked on the real program.
TEST_F(HlavniOkno, EndOfSessionSavesAndTearsDownButKeepsTheWindow) {
    Vytvorit(TriZdroje());
    NastaveniAplikace().ovladaciPanel = false;
    SendMessageW(Hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(IsWindow(Hwnd()));
    EXPECT_EQ(Seznam(), nullptr);
    EXPECT_EQ(Rebar(), nullptr);
    EXPECT_EQ(Prvek(IDC_STAVOVY_RADEK), nullptr);
    EXPECT_EQ(UlozenoVZobrazeni(L"ovladaciPanel"), 0u);
}

namespace icon {

constexpr UINT kZpetnaZprava = 0x87D1;

LPARAM Udalost(UINT udalost, UINT identifikator) {
    return MAKELPARAM(udalost, identifikator);
}

// The command that the icon's event posted to the window, taken off the queue; 0 for none.
WPARAM PoslanyPrikaz(HWND okno) {
    MSG zprava{};
    return PeekMessageW(&zprava, okno, WM_COMMAND, WM_COMMAND, PM_REMOVE) ? zprava.wParam : 0;
}

// The icon's menu as it shows, read from inside its own loop and then closed.
struct StavNabidkyIkony {
    bool otevrena = false;
    bool zdrojeSede = false;
    std::wstring textZdroju;
    bool ztlumitZaskrtnuto = false;
    std::vector<std::wstring> zdroje;
    std::vector<bool> zaskrtnute;
};
thread_local StavNabidkyIkony* t_nabidka = nullptr;

void CALLBACK PrecistNabidku(HWND, UINT, UINT_PTR casovac, DWORD) {
    const HWND okno = FindWindowW(L"#32768", nullptr);
    if (okno == nullptr) {
        return;
    }
    KillTimer(nullptr, casovac);
    const auto menu = reinterpret_cast<HMENU>(SendMessageW(okno, MN_GETHMENU, 0, 0));
    StavNabidkyIkony& s = *t_nabidka;
    s.otevrena = true;
    s.zdrojeSede = (GetMenuState(menu, ID_ZDROJE_VYSILANI, MF_BYCOMMAND) & MF_GRAYED) != 0;
    wchar_t text[64] = {};
    GetMenuStringW(menu, ID_ZDROJE_VYSILANI, text, 64, MF_BYCOMMAND);
    s.textZdroju = text;
    s.ztlumitZaskrtnuto = (GetMenuState(menu, ID_ZTLUMIT, MF_BYCOMMAND) & MF_CHECKED) != 0;
    if (const HMENU zdroje = GetSubMenu(menu, 3)) {
        for (int i = 0; i < GetMenuItemCount(zdroje); ++i) {
            GetMenuStringW(zdroje, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            s.zdroje.push_back(text);
            s.zaskrtnute.push_back(
                (GetMenuState(zdroje, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED) != 0);
        }
    }
    EndMenu();
}

} // namespace icon

// Clicks by the keys held when the click is handled; the update check's icon, the middle
// button and the double click itself run nothing.
TEST_F(HlavniOkno, IconLeftClickRunsTheActionOfTheKeysHeldOnlyForTheWindowsIcon) {
    NastaveniAplikace().ikona = Vrbatec::kIkonaVzdy;
    NastaveniAplikace().leve = 101;
    NastaveniAplikace().ctrlLeve = 102;
    NastaveniAplikace().shiftLeve = 103;
    NastaveniAplikace().ctrlShiftLeve = 104;
    Vytvorit();
    const struct {
        std::set<int> drzene;
        UINT udalost;
        UINT identifikator;
        WPARAM cekano;
    } pripady[] = {
        {{}, WM_LBUTTONUP, 1, 101},         {{VK_CONTROL}, WM_LBUTTONUP, 1, 102},
        {{VK_SHIFT}, WM_LBUTTONUP, 1, 103}, {{VK_CONTROL, VK_SHIFT}, WM_LBUTTONUP, 1, 104},
        {{VK_MENU}, WM_LBUTTONUP, 1, 101},  {{}, WM_LBUTTONUP, 255, 0},
        {{}, WM_MBUTTONUP, 1, 0},           {{}, WM_LBUTTONDBLCLK, 1, 0},
    };
    for (const auto& p : pripady) {
        shell_.drzene = p.drzene;
        SendMessageW(Hwnd(), icon::kZpetnaZprava, 0, icon::Udalost(p.udalost, p.identifikator));
        EXPECT_EQ(icon::PoslanyPrikaz(Hwnd()), p.cekano) << p.udalost << " " << p.identifikator;
    }
}

// The tooltip of what plays reaches the icon, cut to the shell's field, and an icon the
// restarted shell has lost comes back with it; closing removes it.
TEST_F(HlavniOkno, IconCarriesThePlayingSourceAndComesBackWhenTheShellStartsAgain) {
    NastaveniAplikace().ikona = Vrbatec::kIkonaVzdy;
    NastaveniAplikace().zobrKlavesy = false;
    auto zdroje = TriZdroje();
    zdroje[1].nazev = std::wstring(200, L'á');
    Vytvorit(std::move(zdroje));
    ASSERT_EQ(shell_.Zpravy(), (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION}));
    EXPECT_NE(shell_.volani[0].data.uFlags & NIF_SHOWTIP, 0u);

    Prikaz(51001);
    ASSERT_EQ(shell_.volani.back().zprava, static_cast<DWORD>(NIM_MODIFY));
    const std::wstring tip = shell_.volani.back().data.szTip;
    EXPECT_EQ(tip.size(), 127u);
    EXPECT_EQ(tip.substr(0, 10), L"Zvukolet\ná");

    shell_.volani.clear();
    SendMessageW(Hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_EQ(shell_.Zpravy(), (std::vector<DWORD>{NIM_ADD, NIM_SETVERSION}));
    EXPECT_EQ(std::wstring(shell_.volani[0].data.szTip), tip);
    EXPECT_EQ(shell_.volani[0].data.uID, 1u);

    shell_.volani.clear();
    SendMessageW(Hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(shell_.Zpravy(), (std::vector<DWORD>{NIM_DELETE}));
}

// Minimising with the icon allowed hides the window into it; the icon's default click brings
// it back; re-applying the settings on the visible window takes the icon away again.
TEST_F(HlavniOkno, MinimisingHidesIntoTheIconOnlyWhenTheSettingAllowsAnIcon) {
    NastaveniAplikace().pruhUloh = false;
    for (const std::uint32_t ikona : {Vrbatec::kIkonaNikdy, Vrbatec::kIkonaPriMinimalizaci}) {
        SCOPED_TRACE(ikona);
        NastaveniAplikace().ikona = ikona;
        Vytvorit();
        EXPECT_TRUE(shell_.volani.empty());
        SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        const bool sIkonou = ikona != Vrbatec::kIkonaNikdy;
        EXPECT_EQ(okno_->IkonaOkna().Existuje(), sIkonou);
        EXPECT_EQ(IsWindowVisible(Hwnd()) != FALSE, !sIkonou);
        if (sIkonou) {
            SendMessageW(Hwnd(), icon::kZpetnaZprava, 0, icon::Udalost(WM_LBUTTONUP, 1));
            ZpracovatCekajiciZpravy();
            EXPECT_TRUE(IsWindowVisible(Hwnd()));
            EXPECT_TRUE(okno_->IkonaOkna().Existuje()) << "restoring keeps the icon";
            SendMessageW(Hwnd(), Vrbatec::Ui::WM_ZNOVU_POUZIT, 0, 0);
            EXPECT_FALSE(okno_->IkonaOkna().Existuje());
            EXPECT_EQ(shell_.volani.back().zprava, static_cast<DWORD>(NIM_DELETE));
        }
        okno_.reset();
        ZpracovatCekajiciZpravy();
        shell_.volani.clear();
    }
}

// The right button and the floating-menu command open the same menu: the marked sources in
// list order with the playing one checked, greyed without marked sources or when the setting
// leaves the submenu out; the mute item checked while muted.
TEST_F(HlavniOkno, IconMenuOffersTheMarkedSourcesWithThePlayingOneChecked) {
    NastaveniAplikace().ikona = Vrbatec::kIkonaVzdy;
    Vytvorit(TriZdroje());
    Prikaz(51001);
    const struct {
        bool prikazem;
        bool zdrojePopupMenu;
        bool oznacene;
        bool ztlumit;
    } pripady[] = {
        {false, true, true, false},
        {true, true, true, true},
        {false, false, true, false},
        {false, true, false, false},
    };
    for (const auto& p : pripady) {
        NastaveniAplikace().zdrojePopupMenu = p.zdrojePopupMenu;
        for (std::uint32_t i = 0; i < Zdroje().Pocet(); ++i) {
            Zdroje().NastavitMenu(i, p.oznacene && i != 2);
        }
        if (p.ztlumit) {
            Prikaz(ID_ZTLUMIT);
        }
        icon::StavNabidkyIkony stav;
        icon::t_nabidka = &stav;
        SetTimer(nullptr, 0, 30, &icon::PrecistNabidku);
        if (p.prikazem) {
            Prikaz(ID_PLOVOUCI_NABIDKA);
        } else {
            SendMessageW(Hwnd(), icon::kZpetnaZprava, 0, icon::Udalost(WM_CONTEXTMENU, 1));
        }
        ZpracovatCekajiciZpravy();
        ASSERT_TRUE(stav.otevrena);
        EXPECT_EQ(stav.textZdroju, L"Zdroj vysílání");
        const bool podnabidka = p.zdrojePopupMenu && p.oznacene;
        EXPECT_EQ(stav.zdrojeSede, !podnabidka);
        EXPECT_EQ(stav.ztlumitZaskrtnuto, p.ztlumit);
        if (podnabidka) {
            EXPECT_EQ(stav.zdroje, (std::vector<std::wstring>{L"Černá stanice", L"Alfa rádio"}));
            EXPECT_EQ(stav.zaskrtnute, (std::vector<bool>{false, true}));
        } else {
            EXPECT_TRUE(stav.zdroje.empty());
        }
        if (p.ztlumit) {
            Prikaz(ID_ZTLUMIT);
        }
    }
}

// Hovering opens the hotkey overview unless Ctrl or Shift is held, the setting asks for the
// shell's tooltip or the event is the update check's icon; leaving closes it.
TEST_F(HlavniOkno, IconHoverOpensTheHotkeyOverviewUnlessKeysAreHeld) {
    NastaveniAplikace().ikona = Vrbatec::kIkonaVzdy;
    NastaveniAplikace().horkeKlavesy.NastavitVychozi();
    auto& klavesa = NastaveniAplikace().horkeKlavesy.Zaznamy()[1];
    klavesa.modifikatory = MOD_CONTROL;
    klavesa.klavesa = 'P';
    Vytvorit();
    const struct {
        std::set<int> drzene;
        bool zobrKlavesy;
        UINT identifikator;
        bool otevren;
    } pripady[] = {
        {{}, true, 1, true},   {{VK_CONTROL}, true, 1, false}, {{VK_SHIFT}, true, 1, false},
        {{}, false, 1, false}, {{}, true, 255, false},
    };
    const auto& tip = okno_->IkonaOkna().VlastniTip();
    for (const auto& p : pripady) {
        shell_.drzene = p.drzene;
        NastaveniAplikace().zobrKlavesy = p.zobrKlavesy;
        SendMessageW(Hwnd(), icon::kZpetnaZprava, 0, icon::Udalost(NIN_POPUPOPEN, p.identifikator));
        ASSERT_EQ(tip.Otevreno(), p.otevren);
        if (!p.otevren) {
            continue;
        }
        const HWND okno = FindWindowW(L"TTIkonaOknaPlus", nullptr);
        EXPECT_EQ(okno, tip.Hwnd());
        std::wstring prikaz;
        Vrbatec::NacistRetezec(klavesa.prikaz, prikaz);
        EXPECT_TRUE(Testy::Obsahuje(tip.Text(), L"Aktivních klávesových zkratek: 1 (z celkem 10"));
        EXPECT_TRUE(Testy::Obsahuje(tip.Text(),
                                    Vrbatec::Ui::TextHorkeKlavesy::Zformatovat(MOD_CONTROL, 'P') +
                                        L" - " + prikaz + L"\n"));
        UpdateWindow(okno);
        RECT obdelnik{};
        GetWindowRect(okno, &obdelnik);
        EXPECT_GT(obdelnik.right - obdelnik.left, 50) << "sized to its text at the first paint";
        SendMessageW(Hwnd(), icon::kZpetnaZprava, 0, icon::Udalost(NIN_POPUPCLOSE, 1));
        EXPECT_FALSE(tip.Otevreno());
    }
}

} // namespace
