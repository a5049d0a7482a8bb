// The rules of every surface, as one table: the states that decide a command and what each
// surface must show in them. How the menu bar and the toolbar follow them is checked on the
// program's own menu and toolbar.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "res/resource.h"
#include "ui/PravidlaPrikazu.h"

namespace pp = Vrbatec::Ui::PravidlaPrikazu;

namespace {

using pp::Povrch;

constexpr pp::Stav kVyber{.vybranyIndex = 2, .pocetZdroju = 3};
constexpr pp::Stav kHraje{.vybranyIndex = 2, .pocetZdroju = 3, .prehravanyIndex = 1};
constexpr pp::Stav kNahrava{.vybranyIndex = 0, .pocetZdroju = 1, .nahravani = true};
constexpr pp::Stav kZaVyberem{.vybranyIndex = 3, .pocetZdroju = 3};
constexpr pp::Stav kZtlumeno{.ztlumeno = true};
constexpr pp::Stav kKonecPriHrani{
    .vybranyIndex = 0, .pocetZdroju = 1, .prehravanyIndex = 0, .nahravani = true, .ukonceni = true};
constexpr pp::Stav kBezSeznamu{.seznamZobrazen = false};

struct Pripad {
    const char* nazev;
    pp::Stav stav;
    Povrch povrch;
    std::uint32_t prikaz;
    pp::StavPolozky cekano;
};

pp::StavPolozky Povoleno(bool ano) {
    return {.povoleno = ano};
}
pp::StavPolozky Viditelne(bool ano) {
    return {.viditelne = ano};
}

TEST(PravidlaPrikazu, EachSurfaceShowsWhatItsStateAllows) {
    const Pripad pripady[] = {
        {"menu start needs a selection inside the list", kVyber, Povrch::Menu, ID_SPUSTIT_PRIJEM,
         Povoleno(true)},
        {"menu start past the end", kZaVyberem, Povrch::Menu, ID_SPUSTIT_PRIJEM, Povoleno(false)},
        {"menu start on an empty list", pp::Stav{.vybranyIndex = 0}, Povrch::Menu,
         ID_SPUSTIT_PRIJEM, Povoleno(false)},
        {"menu stop only while playing", kVyber, Povrch::Menu, ID_ZASTAVIT_PRIJEM, Povoleno(false)},
        {"menu properties while playing", kHraje, Povrch::Menu, ID_VLASTNOSTI_ZDROJE,
         Povoleno(true)},
        {"menu settings locked while recording", kNahrava, Povrch::Menu, ID_NASTAVENI,
         Povoleno(false)},
        {"menu stop recording while recording", kNahrava, Povrch::Menu, ID_UKONCIT_ZAZNAM,
         Povoleno(true)},
        {"menu start recording while recording", kNahrava, Povrch::Menu, ID_SPUSTIT_ZAZNAM,
         Povoleno(false)},
        {"menu list item unchecked with the panel",
         kBezSeznamu,
         Povrch::Menu,
         ID_SEZNAM_ZDROJU,
         {}},
        {"menu list item checked with the list",
         kVyber,
         Povrch::Menu,
         ID_SEZNAM_ZDROJU,
         {.zaskrtnuto = true}},
        {"menu without a rule", kNahrava, Povrch::Menu, ID_OTEVRIT_URL, {}},

        {"toolbar start recording hidden while recording", kNahrava, Povrch::PanelNastroju,
         ID_SPUSTIT_ZAZNAM, Viditelne(false)},
        {"toolbar stop recording shown while recording", kNahrava, Povrch::PanelNastroju,
         ID_UKONCIT_ZAZNAM, Viditelne(true)},
        {"toolbar stop recording hidden otherwise", kVyber, Povrch::PanelNastroju,
         ID_UKONCIT_ZAZNAM, Viditelne(false)},
        {"toolbar settings locked while recording", kNahrava, Povrch::PanelNastroju, ID_NASTAVENI,
         Povoleno(false)},
        {"toolbar start is not the menu's",
         kZaVyberem,
         Povrch::PanelNastroju,
         ID_SPUSTIT_PRIJEM,
         {}},

        {"thumbnail start with a selection",
         kVyber,
         Povrch::TlacitkaNahledu,
         ID_SPUSTIT_PRIJEM,
         {.maTip = true, .tip = L"Spustit příjem zvuku"}},
        {"thumbnail start while playing",
         kHraje,
         Povrch::TlacitkaNahledu,
         ID_SPUSTIT_PRIJEM,
         {.povoleno = false, .maTip = true}},
        {"thumbnail start past the end",
         kZaVyberem,
         Povrch::TlacitkaNahledu,
         ID_SPUSTIT_PRIJEM,
         {.povoleno = false, .maTip = true}},
        {"thumbnail stop while playing",
         kHraje,
         Povrch::TlacitkaNahledu,
         ID_ZASTAVIT_PRIJEM,
         {.maTip = true, .tip = L"Zastavit příjem zvuku"}},
        {"thumbnail stop otherwise",
         kVyber,
         Povrch::TlacitkaNahledu,
         ID_ZASTAVIT_PRIJEM,
         {.povoleno = false, .maTip = true}},
        {"thumbnail mute while muted",
         kZtlumeno,
         Povrch::TlacitkaNahledu,
         ID_ZTLUMIT,
         {.obrazek = 17, .maTip = true, .tip = L"Zapnout ztlumený zvuk"}},
        {"thumbnail mute otherwise",
         kVyber,
         Povrch::TlacitkaNahledu,
         ID_ZTLUMIT,
         {.obrazek = 9, .maTip = true, .tip = L"Ztlumit zvuk"}},

        {"jump list stop instead of start while playing", kHraje, Povrch::SeznamSkoku,
         ID_ZASTAVIT_PRIJEM, Viditelne(true)},
        {"jump list no start while playing", kHraje, Povrch::SeznamSkoku, ID_SPUSTIT_PRIJEM,
         Viditelne(false)},
        {"jump list no settings while recording", kNahrava, Povrch::SeznamSkoku, ID_NASTAVENI,
         Viditelne(false)},
        {"jump list stop recording while recording", kNahrava, Povrch::SeznamSkoku,
         ID_UKONCIT_ZAZNAM, Viditelne(true)},
        {"jump list volume in the normal form", kVyber, Povrch::SeznamSkoku, ID_SNIZIT_HLASITOST,
         Viditelne(true)},
        {"closed jump list: no volume", kKonecPriHrani, Povrch::SeznamSkoku, ID_ZVYSIT_HLASITOST,
         Viditelne(false)},
        {"closed jump list: start though playing", kKonecPriHrani, Povrch::SeznamSkoku,
         ID_SPUSTIT_PRIJEM, Viditelne(true)},
        {"closed jump list: start recording though recording", kKonecPriHrani, Povrch::SeznamSkoku,
         ID_SPUSTIT_ZAZNAM, Viditelne(true)},
        {"closed jump list: settings though recording", kKonecPriHrani, Povrch::SeznamSkoku,
         ID_NASTAVENI, Viditelne(true)},
        {"closed jump list: no stop", kKonecPriHrani, Povrch::SeznamSkoku, ID_ZASTAVIT_PRIJEM,
         Viditelne(false)},

        {"icon menu checks mute",
         kZtlumeno,
         Povrch::NabidkaIkony,
         ID_ZTLUMIT,
         {.zaskrtnuto = true}},
        {"icon menu start enabled while playing",
         kHraje,
         Povrch::NabidkaIkony,
         ID_SPUSTIT_PRIJEM,
         {}},
        {"icon menu stop enabled though nothing plays",
         kZaVyberem,
         Povrch::NabidkaIkony,
         ID_ZASTAVIT_PRIJEM,
         {}},
    };
    for (const Pripad& p : pripady) {
        const pp::StavPolozky skutecne = pp::Urcit(p.prikaz, p.stav, p.povrch);
        EXPECT_EQ(skutecne, p.cekano)
            << p.nazev << ": enabled " << skutecne.povoleno << " shown " << skutecne.viditelne
            << " checked " << skutecne.zaskrtnuto << " image " << skutecne.obrazek;
    }
}

// What a surface refreshes is exactly what has a rule there: a command missing from the list
// would keep a stale state on that surface.
TEST(PravidlaPrikazu, EverySurfaceRefreshesTheCommandsItHasRulesFor) {
    const auto ma = [](Povrch povrch, std::uint32_t prikaz) {
        const auto prikazy = pp::PrikazySPravidlem(povrch);
        return std::find(prikazy.begin(), prikazy.end(), prikaz) != prikazy.end();
    };
    for (const std::uint32_t prikaz :
         {ID_SPUSTIT_PRIJEM, ID_ZASTAVIT_PRIJEM, ID_VLASTNOSTI_ZDROJE, ID_NASTAVENI,
          ID_SPUSTIT_ZAZNAM, ID_UKONCIT_ZAZNAM, ID_SEZNAM_ZDROJU}) {
        EXPECT_TRUE(ma(Povrch::Menu, prikaz)) << prikaz;
    }
    EXPECT_EQ(pp::PrikazySPravidlem(Povrch::SeznamSkoku).size(), 8u);
    EXPECT_EQ(pp::PrikazySPravidlem(Povrch::PanelNastroju).size(), 3u);
    EXPECT_FALSE(ma(Povrch::NabidkaIkony, ID_SPUSTIT_PRIJEM));
}

} // namespace
