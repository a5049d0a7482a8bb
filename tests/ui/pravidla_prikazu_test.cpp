// The rules of every surface, as one table: the states that decide a command and what each
// surface must show in them. How the menu bar and the toolbar follow them is checked on the
// program's own menu and toolbar.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "res/resource.h"
#include "ui/PravidlaPrikazu.h"

namespace pp = Vrbatec::Ui::PravidlaPrikazu;

namespace {

using enum pp::Povrch;

constexpr pp::Stav kVyber{.vybranyIndex = 2, .pocetZdroju = 3};
constexpr pp::Stav kZaVyberem{.vybranyIndex = 3, .pocetZdroju = 3};
constexpr pp::Stav kHraje{.vybranyIndex = 2, .pocetZdroju = 3, .prehravanyIndex = 1};
constexpr pp::Stav kNahrava{.vybranyIndex = 0, .pocetZdroju = 1, .nahravani = true};
constexpr pp::Stav kZtlumeno{.ztlumeno = true};
// The end while something plays and records: the jump list's closed form.
constexpr pp::Stav kKonec{
    .vybranyIndex = 0, .pocetZdroju = 1, .prehravanyIndex = 0, .nahravani = true, .ukonceni = true};

constexpr pp::StavPolozky Tip(bool povoleno, std::wstring_view tip, int obrazek = -1) {
    return {.povoleno = povoleno, .obrazek = obrazek, .maTip = true, .tip = tip};
}

// At least one state per rule, chosen so that the rule's answer differs from a command's
// without a rule, and the edges that a rule turns on.
TEST(PravidlaPrikazu, EachSurfaceShowsWhatItsStateAllowsAndRefreshesWhatHasARule) {
    const struct {
        pp::Stav stav;
        pp::Povrch povrch;
        std::uint32_t prikaz;
        pp::StavPolozky cekano;
    } pripady[] = {
        {kVyber, Menu, ID_SPUSTIT_PRIJEM, {}},
        {kZaVyberem, Menu, ID_SPUSTIT_PRIJEM, {.povoleno = false}},
        {kVyber, Menu, ID_ZASTAVIT_PRIJEM, {.povoleno = false}},
        {kVyber, Menu, ID_VLASTNOSTI_ZDROJE, {.povoleno = false}},
        {kNahrava, Menu, ID_NASTAVENI, {.povoleno = false}},
        {kNahrava, Menu, ID_SPUSTIT_ZAZNAM, {.povoleno = false}},
        {kVyber, Menu, ID_UKONCIT_ZAZNAM, {.povoleno = false}},
        {kVyber, Menu, ID_SEZNAM_ZDROJU, {.zaskrtnuto = true}},

        {kNahrava, PanelNastroju, ID_SPUSTIT_ZAZNAM, {.viditelne = false}},
        {kVyber, PanelNastroju, ID_UKONCIT_ZAZNAM, {.viditelne = false}},
        {kNahrava, PanelNastroju, ID_NASTAVENI, {.povoleno = false}},

        {kVyber, TlacitkaNahledu, ID_SPUSTIT_PRIJEM, Tip(true, L"Spustit příjem zvuku")},
        {kHraje, TlacitkaNahledu, ID_SPUSTIT_PRIJEM, Tip(false, L"")},
        {kHraje, TlacitkaNahledu, ID_ZASTAVIT_PRIJEM, Tip(true, L"Zastavit příjem zvuku")},
        {kZtlumeno, TlacitkaNahledu, ID_ZTLUMIT, Tip(true, L"Zapnout ztlumený zvuk", 17)},

        {kHraje, SeznamSkoku, ID_SPUSTIT_PRIJEM, {.viditelne = false}},
        {kVyber, SeznamSkoku, ID_ZASTAVIT_PRIJEM, {.viditelne = false}},
        {kNahrava, SeznamSkoku, ID_SPUSTIT_ZAZNAM, {.viditelne = false}},
        {kVyber, SeznamSkoku, ID_UKONCIT_ZAZNAM, {.viditelne = false}},
        {kNahrava, SeznamSkoku, ID_NASTAVENI, {.viditelne = false}},
        {kKonec, SeznamSkoku, ID_ZVYSIT_HLASITOST, {.viditelne = false}},
        {kKonec, SeznamSkoku, ID_SNIZIT_HLASITOST, {.viditelne = false}},
        {kKonec, SeznamSkoku, ID_ZTLUMIT, {.viditelne = false}},
        // The closed form offers what starts the work again, whatever ran.
        {kKonec, SeznamSkoku, ID_SPUSTIT_PRIJEM, {}},
        {kKonec, SeznamSkoku, ID_SPUSTIT_ZAZNAM, {}},

        {kZtlumeno, NabidkaIkony, ID_ZTLUMIT, {.zaskrtnuto = true}},
        // Start stays enabled there whatever plays.
        {kHraje, NabidkaIkony, ID_SPUSTIT_PRIJEM, {}},
    };
    for (std::size_t i = 0; i < std::size(pripady); ++i) {
        const auto& p = pripady[i];
        const pp::StavPolozky skutecne = pp::Urcit(p.prikaz, p.stav, p.povrch);
        EXPECT_EQ(skutecne, p.cekano)
            << "case " << i << ": enabled " << skutecne.povoleno << " shown " << skutecne.viditelne
            << " checked " << skutecne.zaskrtnuto << " image " << skutecne.obrazek;
        // A command missing from its surface's list would keep a stale state there. Only the
        // icon menu's start has no rule here.
        const auto prikazy = pp::PrikazySPravidlem(p.povrch);
        const bool bezPravidla = p.povrch == NabidkaIkony && p.prikaz == ID_SPUSTIT_PRIJEM;
        EXPECT_EQ(std::count(prikazy.begin(), prikazy.end(), p.prikaz), bezPravidla ? 0 : 1)
            << "case " << i;
    }
}

} // namespace
