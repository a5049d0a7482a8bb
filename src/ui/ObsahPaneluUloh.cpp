#include "ui/ObsahPaneluUloh.h"

#include <algorithm>

#include "res/resource.h"
#include "ui/PravidlaIkony.h"
#include "ui/PravidlaPrikazu.h"

namespace Vrbatec::Ui::ObsahPaneluUloh {

namespace {

namespace pp = PravidlaPrikazu;

struct RadekSkoku {
    // The command whose row of the jump-list rules decides whether the task is there; a
    // separator goes with the task after it.
    std::uint32_t prikaz;
    UlohaSkoku uloha;
};

constexpr UlohaSkoku Oddelovac() {
    return {.oddelovac = true};
}

constexpr RadekSkoku kRadkySkoku[] = {
    {ID_ZVYSIT_HLASITOST,
     {.prikaz = ID_ZVYSIT_HLASITOST,
      .nazev = L"Zvýšit hlasitost",
      .argument = L"hm",
      .popis = L"Zvýšit hlasitost zvuku",
      .ikona = IDI_SKOK_ZVYSIT_HLASITOST}},
    {ID_SNIZIT_HLASITOST,
     {.prikaz = ID_SNIZIT_HLASITOST,
      .nazev = L"Snížit hlasitost",
      .argument = L"hp",
      .popis = L"Snížit hlasitost zvuku",
      .ikona = IDI_SKOK_SNIZIT_HLASITOST}},
    {ID_ZTLUMIT,
     {.prikaz = ID_ZTLUMIT,
      .nazev = L"Ztlumit zvuk",
      .argument = L"z0",
      .popis = L"Ztlumit zvuk",
      .ikona = IDI_SKOK_ZTLUMIT}},
    {ID_ZTLUMIT, Oddelovac()},
    {ID_ZASTAVIT_PRIJEM,
     {.prikaz = ID_ZASTAVIT_PRIJEM,
      .nazev = L"Zastavit příjem",
      .argument = L"zp",
      .popis = L"Ukončit příjem vysílání",
      .ikona = IDI_SKOK_ZASTAVIT}},
    {ID_SPUSTIT_PRIJEM,
     {.prikaz = ID_SPUSTIT_PRIJEM,
      .nazev = L"Spustit příjem",
      .argument = L"sp",
      .popis = L"Spustit přehrávání",
      .ikona = IDI_SKOK_SPUSTIT_PRIJEM}},
    {ID_UKONCIT_ZAZNAM,
     {.prikaz = ID_UKONCIT_ZAZNAM,
      .nazev = L"Zastavit záznam",
      .argument = L"zz",
      .popis = L"Zastavit záznam zvuku",
      .ikona = IDI_SKOK_ZASTAVIT}},
    {ID_SPUSTIT_ZAZNAM,
     {.prikaz = ID_SPUSTIT_ZAZNAM,
      .nazev = L"Spustit nahrávání",
      .argument = L"sz",
      .popis = L"Spustit záznam zvuku",
      .ikona = IDI_SKOK_SPUSTIT_ZAZNAM}},
    {ID_NASTAVENI, Oddelovac()},
    {ID_NASTAVENI,
     {.prikaz = ID_NASTAVENI,
      .nazev = L"Nastavení",
      .argument = L"nast",
      .popis = L"Konfigurovat aplikaci",
      .ikona = IDI_SKOK_NASTAVENI}},
};

} // namespace

std::vector<TlacitkoNahledu> VychoziTlacitka() {
    return {
        {ID_SPUSTIT_PRIJEM, 30, L"Spustit příjem", true, false},
        {ID_ZASTAVIT_PRIJEM, 32, L"Zastavit příjem", true, false},
        {ID_SNIZIT_HLASITOST, 3, L"Snížit hlasitost", true, false},
        {ID_ZVYSIT_HLASITOST, 2, L"Zvýšit hlasitost", true, false},
        {ID_ZTLUMIT, 9, L"Ztlumit zvuk", true, false},
        {ID_NASTAVENI, 14, L"Předvolby", true, true},
        {ID_KONEC, 15, L"Ukončit aplikaci", true, true},
    };
}

void Obnovit(std::span<TlacitkoNahledu> tlacitka, const StavProgramu& stav) {
    for (const std::uint32_t prikaz : pp::PrikazySPravidlem(pp::Povrch::TlacitkaNahledu)) {
        const auto tlacitko = std::find_if(tlacitka.begin(), tlacitka.end(),
                                           [&](const auto& t) { return t.prikaz == prikaz; });
        if (tlacitko == tlacitka.end()) {
            continue;
        }
        const pp::StavPolozky polozka = pp::Urcit(prikaz, stav, pp::Povrch::TlacitkaNahledu);
        tlacitko->povoleno = polozka.povoleno;
        if (polozka.maTip) {
            tlacitko->tip = PravidlaIkony::Oriznout(polozka.tip, kPoleTipu);
        }
        if (polozka.obrazek >= 0) {
            tlacitko->obrazek = polozka.obrazek;
        }
    }
}

std::vector<UlohaSkoku> UlohySkoku(const StavProgramu& stav) {
    std::vector<UlohaSkoku> ulohy;
    for (const RadekSkoku& radek : kRadkySkoku) {
        if (pp::Urcit(radek.prikaz, stav, pp::Povrch::SeznamSkoku).viditelne) {
            ulohy.push_back(radek.uloha);
        }
    }
    return ulohy;
}

} // namespace Vrbatec::Ui::ObsahPaneluUloh
