// What the taskbar gets from the command rules: which thumbnail button shows what in which
// state, and which jump-list tasks there are. The rules themselves are tested with the other
// surfaces; here, that each button and task follows its own rule and carries what the shell
// needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/PrikazovyRadek.h"
#include "res/resource.h"
#include "ui/ObsahPaneluUloh.h"

namespace opu = Vrbatec::Ui::ObsahPaneluUloh;
using Vrbatec::Ui::StavProgramu;

namespace {

// The tasks as their arguments, "|" for a separator.
std::wstring Argumenty(const std::vector<opu::UlohaSkoku>& ulohy) {
    std::wstring text;
    for (const auto& uloha : ulohy) {
        text += uloha.oddelovac ? std::wstring(L"|") : std::wstring(uloha.argument);
        text += L' ';
    }
    return text;
}

TEST(ObsahPaneluUloh, JumpListOffersStopForWhatRunsAndOnlyStartsOnceClosed) {
    const struct {
        bool prehrava, nahrava, ukonceni;
        const wchar_t* cekano;
    } pripady[] = {
        {false, false, false, L"hm hp z0 | sp sz | nast "},
        {true, false, false, L"hm hp z0 | zp sz | nast "},
        {false, true, false, L"hm hp z0 | sp zz "},
        {true, true, false, L"hm hp z0 | zp zz "},
        {false, false, true, L"sp sz | nast "},
        {true, false, true, L"sp sz | nast "},
        {false, true, true, L"sp sz | nast "},
        {true, true, true, L"sp sz | nast "},
    };
    for (const auto& p : pripady) {
        const StavProgramu stav{.vybranyIndex = 0,
                                .pocetZdroju = 1,
                                .prehravanyIndex = p.prehrava ? 0 : -1,
                                .nahravani = p.nahrava,
                                .ukonceni = p.ukonceni};
        EXPECT_EQ(Argumenty(opu::UlohySkoku(stav)), p.cekano)
            << p.prehrava << p.nahrava << p.ukonceni;
    }
}

// Every task, in any form, starts the program with the word of its own command, under a title
// and with one of the task icons.
TEST(ObsahPaneluUloh, EveryTaskStartsItsOwnCommandWordWithATaskIcon) {
    for (const StavProgramu& stav :
         {StavProgramu{}, StavProgramu{.prehravanyIndex = 0}, StavProgramu{.nahravani = true}}) {
        for (const auto& uloha : opu::UlohySkoku(stav)) {
            if (uloha.oddelovac) {
                EXPECT_TRUE(uloha.argument.empty() && uloha.nazev.empty());
                continue;
            }
            const auto slovo = Vrbatec::PrikazovyRadek::NajitPrikazoveSlovo(uloha.argument);
            ASSERT_TRUE(slovo.has_value()) << std::wstring(uloha.argument);
            EXPECT_EQ(slovo->prikaz, uloha.prikaz) << std::wstring(uloha.argument);
            EXPECT_FALSE(uloha.nazev.empty());
            EXPECT_FALSE(uloha.popis.empty());
            EXPECT_GE(uloha.ikona, IDI_SKOK_SPUSTIT_PRIJEM);
            EXPECT_LE(uloha.ikona, IDI_SKOK_ZTLUMIT);
        }
    }
}

// One refresh after another on the same records, as the taskbar keeps them.
TEST(ObsahPaneluUloh, ButtonsFollowSelectionPlaybackAndMuteAndKeepTheRest) {
    std::vector<opu::TlacitkoNahledu> tlacitka = opu::VychoziTlacitka();
    const std::vector<opu::TlacitkoNahledu> vychozi = tlacitka;
    ASSERT_EQ(tlacitka.size(), 7u);

    const struct {
        StavProgramu stav;
        std::uint32_t prikaz;
        bool povoleno;
        int obrazek;
        const wchar_t* tip;
    } kroky[] = {
        // An empty list: nothing to start or stop.
        {{}, ID_SPUSTIT_PRIJEM, false, 30, L""},
        {{}, ID_ZASTAVIT_PRIJEM, false, 32, L""},
        {{.vybranyIndex = 1, .pocetZdroju = 2},
         ID_SPUSTIT_PRIJEM,
         true,
         30,
         L"Spustit příjem zvuku"},
        {{.vybranyIndex = 1, .pocetZdroju = 2, .prehravanyIndex = 1},
         ID_ZASTAVIT_PRIJEM,
         true,
         32,
         L"Zastavit příjem zvuku"},
        {{.vybranyIndex = 1, .pocetZdroju = 2, .prehravanyIndex = 1},
         ID_SPUSTIT_PRIJEM,
         false,
         30,
         L""},
        {{.ztlumeno = true}, ID_ZTLUMIT, true, 17, L"Zapnout ztlumený zvuk"},
        {{}, ID_ZTLUMIT, true, 9, L"Ztlumit zvuk"},
    };
    for (const auto& krok : kroky) {
        opu::Obnovit(tlacitka, krok.stav);
        const auto& t = *std::find_if(tlacitka.begin(), tlacitka.end(),
                                      [&](const auto& x) { return x.prikaz == krok.prikaz; });
        EXPECT_EQ(t.povoleno, krok.povoleno) << krok.prikaz;
        EXPECT_EQ(t.obrazek, krok.obrazek) << krok.prikaz;
        EXPECT_EQ(t.tip, krok.tip) << krok.prikaz;
        // The buttons without a rule stay as they were added.
        for (std::size_t i = 2; i < 4; ++i) {
            EXPECT_EQ(tlacitka[i], vychozi[i]);
        }
        for (std::size_t i = 5; i < 7; ++i) {
            EXPECT_EQ(tlacitka[i], vychozi[i]);
        }
    }
    // A set without the buttons the rules name is left alone.
    std::vector<opu::TlacitkoNahledu> bezPravidel(vychozi.begin() + 5, vychozi.end());
    opu::Obnovit(bezPravidel, StavProgramu{.ztlumeno = true});
    EXPECT_EQ(bezPravidel, std::vector<opu::TlacitkoNahledu>(vychozi.begin() + 5, vychozi.end()));
}

} // namespace
