#include "ui/PravidlaPrikazu.h"

#include <iterator>

#include "res/resource.h"

namespace Vrbatec::Ui::PravidlaPrikazu {

namespace {

struct Pravidlo {
    std::uint32_t prikaz;
    Povrch povrch;
    StavPolozky (*urcit)(const Stav&);
};

constexpr StavPolozky Povolit(bool povoleno) {
    return {.povoleno = povoleno};
}
constexpr StavPolozky Zobrazit(bool viditelne) {
    return {.viditelne = viditelne};
}
constexpr StavPolozky TlacitkoNahledu(bool povoleno, std::wstring_view tip) {
    return {.povoleno = povoleno, .maTip = true, .tip = povoleno ? tip : std::wstring_view{}};
}

// The jump list offers stop instead of start while something plays, and the same for
// recording; its closed form, left behind at the end, offers only what starts the program's
// work again.
constexpr bool SkokHraje(const Stav& s) {
    return !s.ukonceni && Prehravani(s);
}
constexpr bool SkokNahrava(const Stav& s) {
    return !s.ukonceni && s.nahravani;
}

constexpr Pravidlo kPravidla[] = {
    // Menu bar.
    {ID_SPUSTIT_PRIJEM, Povrch::Menu, [](const Stav& s) { return Povolit(PlatnyVyber(s)); }},
    {ID_NASTAVENI, Povrch::Menu, [](const Stav& s) { return Povolit(!s.nahravani); }},
    {ID_SPUSTIT_ZAZNAM, Povrch::Menu, [](const Stav& s) { return Povolit(!s.nahravani); }},
    {ID_UKONCIT_ZAZNAM, Povrch::Menu, [](const Stav& s) { return Povolit(s.nahravani); }},
    {ID_VLASTNOSTI_ZDROJE, Povrch::Menu, [](const Stav& s) { return Povolit(Prehravani(s)); }},
    {ID_ZASTAVIT_PRIJEM, Povrch::Menu, [](const Stav& s) { return Povolit(Prehravani(s)); }},
    {ID_SEZNAM_ZDROJU, Povrch::Menu,
     [](const Stav& s) { return StavPolozky{.zaskrtnuto = s.seznamZobrazen}; }},

    // Toolbar: start and stop of recording take turns in one place.
    {ID_SPUSTIT_ZAZNAM, Povrch::PanelNastroju,
     [](const Stav& s) { return Zobrazit(!s.nahravani); }},
    {ID_UKONCIT_ZAZNAM, Povrch::PanelNastroju, [](const Stav& s) { return Zobrazit(s.nahravani); }},
    {ID_NASTAVENI, Povrch::PanelNastroju, [](const Stav& s) { return Povolit(!s.nahravani); }},

    // Thumbnail buttons.
    {ID_SPUSTIT_PRIJEM, Povrch::TlacitkaNahledu,
     [](const Stav& s) {
         return TlacitkoNahledu(PlatnyVyber(s) && !Prehravani(s), L"Spustit příjem zvuku");
     }},
    {ID_ZASTAVIT_PRIJEM, Povrch::TlacitkaNahledu,
     [](const Stav& s) { return TlacitkoNahledu(Prehravani(s), L"Zastavit příjem zvuku"); }},
    {ID_ZTLUMIT, Povrch::TlacitkaNahledu,
     [](const Stav& s) {
         return StavPolozky{.obrazek = s.ztlumeno ? 17 : 9,
                            .maTip = true,
                            .tip = s.ztlumeno ? L"Zapnout ztlumený zvuk" : L"Ztlumit zvuk"};
     }},

    // Jump-list tasks.
    {ID_ZVYSIT_HLASITOST, Povrch::SeznamSkoku, [](const Stav& s) { return Zobrazit(!s.ukonceni); }},
    {ID_SNIZIT_HLASITOST, Povrch::SeznamSkoku, [](const Stav& s) { return Zobrazit(!s.ukonceni); }},
    {ID_ZTLUMIT, Povrch::SeznamSkoku, [](const Stav& s) { return Zobrazit(!s.ukonceni); }},
    {ID_ZASTAVIT_PRIJEM, Povrch::SeznamSkoku, [](const Stav& s) { return Zobrazit(SkokHraje(s)); }},
    {ID_SPUSTIT_PRIJEM, Povrch::SeznamSkoku, [](const Stav& s) { return Zobrazit(!SkokHraje(s)); }},
    {ID_UKONCIT_ZAZNAM, Povrch::SeznamSkoku,
     [](const Stav& s) { return Zobrazit(SkokNahrava(s)); }},
    {ID_SPUSTIT_ZAZNAM, Povrch::SeznamSkoku,
     [](const Stav& s) { return Zobrazit(!SkokNahrava(s)); }},
    {ID_NASTAVENI, Povrch::SeznamSkoku, [](const Stav& s) { return Zobrazit(!SkokNahrava(s)); }},

    // The notification icon's menu: start and stop stay enabled whatever plays.
    {ID_ZTLUMIT, Povrch::NabidkaIkony,
     [](const Stav& s) { return StavPolozky{.zaskrtnuto = s.ztlumeno}; }},
};

} // namespace

StavPolozky Urcit(std::uint32_t prikaz, const Stav& stav, Povrch povrch) {
    for (const Pravidlo& pravidlo : kPravidla) {
        if (pravidlo.prikaz == prikaz && pravidlo.povrch == povrch) {
            return pravidlo.urcit(stav);
        }
    }
    return {};
}

std::vector<std::uint32_t> PrikazySPravidlem(Povrch povrch) {
    std::vector<std::uint32_t> prikazy;
    for (const Pravidlo& pravidlo : kPravidla) {
        if (pravidlo.povrch == povrch) {
            prikazy.push_back(pravidlo.prikaz);
        }
    }
    return prikazy;
}

} // namespace Vrbatec::Ui::PravidlaPrikazu
