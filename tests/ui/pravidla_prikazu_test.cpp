// The rules on their edges; how the menu bar and the toolbar follow them is checked on the
// program's own menu and toolbar.
#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

#include "ui/PravidlaPrikazu.h"
#include "ui/TextyNapovedy.h"

namespace pp = Vrbatec::Ui::PravidlaPrikazu;
namespace tn = Vrbatec::Ui::TextyNapovedy;

namespace {

using namespace std::string_view_literals;

TEST(PravidlaPrikazu, StartNeedsASelectionInsideTheList) {
    struct Pripad {
        int vybrany;
        std::uint32_t pocet;
        bool spustit;
    };
    for (const Pripad p : {Pripad{0, 0, false}, Pripad{2, 3, true}, Pripad{3, 3, false}}) {
        const pp::Stav stav{.vybranyIndex = p.vybrany, .pocetZdroju = p.pocet};
        EXPECT_EQ(pp::PravidlaMenu(stav).spustit, p.spustit) << p.vybrany << "/" << p.pocet;
        EXPECT_EQ(pp::PravidlaNahledu(stav).spustit.povoleno, p.spustit);
    }
}

TEST(PravidlaPrikazu, ThumbnailButtonsOfferOnlyWhatAClickWouldDoAndSaySo) {
    // Start and stop as their tips, none on a disabled button; then the mute button.
    const auto nahled = [](const pp::Stav& stav) {
        const pp::Nahled n = pp::PravidlaNahledu(stav);
        return std::tuple(n.spustit.povoleno, n.spustit.tip, n.zastavit.povoleno, n.zastavit.tip,
                          n.obrazekZtlumit, n.tipZtlumit);
    };
    EXPECT_EQ(nahled({.vybranyIndex = 1, .pocetZdroju = 2}),
              std::tuple(true, L"Spustit příjem zvuku"sv, false, L""sv, 9, L"Ztlumit zvuk"sv));
    EXPECT_EQ(
        nahled({.vybranyIndex = 1, .pocetZdroju = 2, .prehravanyIndex = 0, .ztlumeno = true}),
        std::tuple(false, L""sv, true, L"Zastavit příjem zvuku"sv, 17, L"Zapnout ztlumený zvuk"sv));
}

TEST(TextyNapovedy, MenuHintIsTheFirstLineAndTooltipTheSecondPartOrTheWholeEntryCut) {
    const std::wstring pripraven = L"Zvukolet - připraven";
    EXPECT_EQ(tn::NapovedaMenu(false, L"Nápověda\nTip", pripraven), L"Nápověda");
    EXPECT_EQ(tn::NapovedaMenu(true, L"Spustit příjem zvuku", pripraven), pripraven);
    EXPECT_EQ(tn::NapovedaMenu(false, L"\nJen tip", pripraven), pripraven);

    EXPECT_EQ(tn::TipTlacitka(L"Nápověda v řádku\nKrátký tip"), L"Krátký tip");
    EXPECT_EQ(tn::TipTlacitka(std::wstring(100, L'x')).size(), 79u);
    EXPECT_EQ(tn::TipTlacitka(L"abc", 0), L"");
}

} // namespace
