// The main window as the program creates it, driven by the messages and commands that reach it
// and read back from its menu and controls.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Aplikace.h"
#include "config/UlozisteNastaveni.h"
#include "playback/SkriptovanyPrehravac.h"
#include "recording/GrafZaznamuNahrada.h"
#include "res/resource.h"
#include "sources/UlozisteZdroju.h"
#include "ui/OknoHlavni.h"
#include "winapi/OknaTestu.h"

namespace {

using Vrbatec::NastaveniAplikace;
using Vrbatec::Zdroje;
using Vrbatec::Testy::ZpracovatCekajiciZpravy;
namespace Testy = Vrbatec::Testy;
using Vrbatec::Ui::OknoHlavni;

constexpr wchar_t kKoren[] = L"Software\\Vrbatec\\Zvukolet\\2";

std::vector<Vrbatec::Zdroj> TriZdroje() {
    return {{L"Černá stanice", L"http://c.example/", -1, true},
            {L"Alfa rádio", L"http://a.example/", 40, true},
            {L"Bílé vlny", L"http://b.example/", -1, false}};
}

class HlavniOkno : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKoren);
        slozka_ = std::filesystem::temp_directory_path() /
                  (L"zvukolet-okno-" + std::to_wstring(GetCurrentProcessId()));
        std::filesystem::create_directories(slozka_);
        NastaveniAplikace() = Vrbatec::Nastaveni{};
        NastaveniAplikace().soubor = (slozka_ / L"Zvukolet.xml").wstring();
    }

    void TearDown() override {
        okno_.reset();
        ZpracovatCekajiciZpravy();
        MSG konec;
        PeekMessageW(&konec, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
        std::filesystem::remove_all(slozka_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKoren);
    }

    void Vytvorit(std::vector<Vrbatec::Zdroj> zdroje = {}) {
        Zdroje().Nahradit(std::move(zdroje));
        okno_ = std::make_unique<OknoHlavni>(
            Vrbatec::AplikaceInstance(),
            [this](HWND, Vrbatec::PosluchacPrehravace& posluchac) {
                auto prehravac = std::make_unique<Testy::SkriptovanyPrehravac>(
                    posluchac, Testy::SkriptovanyPrehravac::Skript{});
                prehravac_ = prehravac.get();
                return prehravac;
            },
            Testy::GrafZaznamuNahrada::Tovarna(graf_));
        okno_->Vytvorit();
        ZpracovatCekajiciZpravy();
    }

    HWND Hwnd() const { return okno_->Hwnd(); }
    HWND Prvek(int id) const { return GetDlgItem(Hwnd(), id); }
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

    std::filesystem::path slozka_;
    Testy::ZaznamGrafu graf_;
    Testy::SkriptovanyPrehravac* prehravac_ = nullptr;
    std::unique_ptr<OknoHlavni> okno_;
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

} // namespace
