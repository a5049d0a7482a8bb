// The rules on their edges; how the menu bar and the toolbar follow them is checked on the
// program's own menu and toolbar.
#include <gtest/gtest.h>

#include <string_view>

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

TEST(PravidlaPrikazu, ThumbnailButtonsOfferOnlyWhatAClickWouldDoAndSaySo) {
    struct Pripad {
        pp::Stav stav;
        std::wstring_view spustit, zastavit; // tips; none on a disabled button
        int obrazekZtlumit;
        std::wstring_view tipZtlumit;
    };
    for (const Pripad& p :
         {Pripad{{.vybranyIndex = 1, .pocetZdroju = 2},
                 L"Spustit příjem zvuku",
                 L"",
                 9,
                 L"Ztlumit zvuk"},
          Pripad{{.vybranyIndex = 1, .pocetZdroju = 2, .prehravanyIndex = 0, .ztlumeno = true},
                 L"",
                 L"Zastavit příjem zvuku",
                 17,
                 L"Zapnout ztlumený zvuk"}}) {
        const pp::Nahled nahled = pp::PravidlaNahledu(p.stav);
        EXPECT_EQ(nahled.spustit.povoleno, !p.spustit.empty());
        EXPECT_EQ(nahled.spustit.tip, p.spustit);
        EXPECT_EQ(nahled.zastavit.povoleno, !p.zastavit.empty());
        EXPECT_EQ(nahled.zastavit.tip, p.zastavit);
        EXPECT_EQ(nahled.obrazekZtlumit, p.obrazekZtlumit);
        EXPECT_EQ(nahled.tipZtlumit, p.tipZtlumit);
    }
}

TEST(TextyNapovedy, MenuHintIsTheFirstLineOrTheReadyText) {
    const std::wstring pripraven = L"Zvukolet - připraven";
    EXPECT_EQ(tn::NapovedaMenu(false, L"Nápověda\nTip", pripraven), L"Nápověda");
    EXPECT_EQ(tn::NapovedaMenu(true, L"Spustit příjem zvuku", pripraven), pripraven);
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
