// The rules on their edges; how the menu bar and the toolbar follow them is checked on the
// program's own menu and toolbar.
#include <gtest/gtest.h>

#include "ui/PravidlaPrikazu.h"

namespace pp = Vrbatec::Ui::PravidlaPrikazu;

namespace {

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

} // namespace
