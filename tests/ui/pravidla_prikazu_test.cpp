#include <gtest/gtest.h>

#include "ui/PravidlaPrikazu.h"
#include "ui/TextyNapovedy.h"

namespace pp = Vrbatec::Ui::PravidlaPrikazu;
namespace tn = Vrbatec::Ui::TextyNapovedy;

namespace {

TEST(PravidlaPrikazu, StartNeedsASelectionInsideTheList) {
    struct Pripad {
        int vybrany;
        std::uint32_t pocet;
        bool spustit;
    };
    for (const Pripad p : {Pripad{-1, 0, false}, Pripad{0, 0, false}, Pripad{-1, 3, false},
                           Pripad{0, 3, true}, Pripad{2, 3, true}, Pripad{3, 3, false}}) {
        const pp::Stav stav{.vybranyIndex = p.vybrany, .pocetZdroju = p.pocet};
        EXPECT_EQ(pp::PravidlaMenu(stav).spustit, p.spustit) << p.vybrany << "/" << p.pocet;
        EXPECT_EQ(pp::PravidlaNahledu(stav).spustit.povoleno, p.spustit);
    }
}

TEST(PravidlaPrikazu, StopAndPropertiesFollowPlaybackAndTheThumbnailStartIsOffWhilePlaying) {
    const pp::Stav hraje{.vybranyIndex = 1, .pocetZdroju = 2, .prehravanyIndex = 0};
    const pp::Menu menu = pp::PravidlaMenu(hraje);
    EXPECT_TRUE(menu.spustit);
    EXPECT_TRUE(menu.zastavit);
    EXPECT_TRUE(menu.vlastnosti);
    const pp::Nahled nahled = pp::PravidlaNahledu(hraje);
    EXPECT_FALSE(nahled.spustit.povoleno);
    EXPECT_EQ(nahled.spustit.tip, L"");
    EXPECT_TRUE(nahled.zastavit.povoleno);
    EXPECT_EQ(nahled.zastavit.tip, L"Zastavit příjem zvuku");

    const pp::Stav stoji{.vybranyIndex = 1, .pocetZdroju = 2};
    EXPECT_FALSE(pp::PravidlaMenu(stoji).zastavit);
    EXPECT_FALSE(pp::PravidlaMenu(stoji).vlastnosti);
    EXPECT_EQ(pp::PravidlaNahledu(stoji).spustit.tip, L"Spustit příjem zvuku");
    EXPECT_EQ(pp::PravidlaNahledu(stoji).zastavit.tip, L"");
}

TEST(PravidlaPrikazu, RecordingSwapsTheRecordButtonsAndLocksTheSettings) {
    for (bool nahravani : {false, true}) {
        const pp::Stav stav{.nahravani = nahravani};
        const pp::Menu menu = pp::PravidlaMenu(stav);
        EXPECT_EQ(menu.nastaveni, !nahravani);
        EXPECT_EQ(menu.spustitZaznam, !nahravani);
        EXPECT_EQ(menu.ukoncitZaznam, nahravani);
        const pp::PanelNastroju panel = pp::PravidlaPanelu(stav);
        EXPECT_EQ(panel.spustitZaznamViditelne, !nahravani);
        EXPECT_EQ(panel.ukoncitZaznamViditelne, nahravani);
        EXPECT_EQ(panel.nastaveniPovoleno, !nahravani);
    }
}

TEST(PravidlaPrikazu, MuteButtonShowsWhatAClickWouldDo) {
    EXPECT_EQ(pp::PravidlaNahledu({.ztlumeno = false}).obrazekZtlumit, 9);
    EXPECT_EQ(pp::PravidlaNahledu({.ztlumeno = false}).tipZtlumit, L"Ztlumit zvuk");
    EXPECT_EQ(pp::PravidlaNahledu({.ztlumeno = true}).obrazekZtlumit, 17);
    EXPECT_EQ(pp::PravidlaNahledu({.ztlumeno = true}).tipZtlumit, L"Zapnout ztlumený zvuk");
}

TEST(TextyNapovedy, MenuHintIsTheFirstLineOrTheReadyText) {
    const std::wstring pripraven = L"Zvukolet - připraven";
    EXPECT_EQ(tn::NapovedaMenu(false, L"Spustit příjem zvuku", pripraven), L"Spustit příjem zvuku");
    EXPECT_EQ(tn::NapovedaMenu(false, L"Nápověda\nTip", pripraven), L"Nápověda");
    EXPECT_EQ(tn::NapovedaMenu(true, L"Spustit příjem zvuku", pripraven), pripraven);
    EXPECT_EQ(tn::NapovedaMenu(false, L"", pripraven), pripraven);
    EXPECT_EQ(tn::NapovedaMenu(false, L"\nJen tip", pripraven), pripraven);
}

TEST(TextyNapovedy, TooltipIsTheSecondPartOrTheWholeEntryCutToTheBuffer) {
    EXPECT_EQ(tn::TipTlacitka(L"Ukončit aplikaci"), L"Ukončit aplikaci");
    EXPECT_EQ(tn::TipTlacitka(L"Nápověda v řádku\nKrátký tip"), L"Krátký tip");
    EXPECT_EQ(tn::TipTlacitka(std::wstring(100, L'x')).size(), 79u);
    EXPECT_EQ(tn::TipTlacitka(L"abc", 3), L"ab");
    EXPECT_EQ(tn::TipTlacitka(L"abc", 0), L"");
}

} // namespace
