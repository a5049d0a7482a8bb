#include "config/PravidlaNastaveni.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace Vrbatec::PravidlaNastaveni {

namespace {

// The priority classes the system knows, from idle to real time.
constexpr std::array<std::uint32_t, 6> kTridyPriority = {64, 16384, 32, 32768, 128, 256};

bool JeCislemPrikazu(std::uint32_t prikaz) {
    return prikaz == 0 || (prikaz >= 40001 && prikaz <= 40032);
}

struct Pravidlo {
    // Whether the value changed, and whether the new one is valid.
    bool (*zmeneno)(const Nastaveni& a, const Nastaveni& b);
    bool (*platne)(const Nastaveni& n);
    std::wstring_view zprava;
};

template <auto Pole>
bool Zmeneno(const Nastaveni& a, const Nastaveni& b) {
    return a.*Pole != b.*Pole;
}

bool ZmenenaAkceIkony(const Nastaveni& a, const Nastaveni& b) {
    return a.leve != b.leve || a.ctrlLeve != b.ctrlLeve || a.ctrlShiftLeve != b.ctrlShiftLeve ||
           a.shiftLeve != b.shiftLeve || a.stredni != b.stredni || a.rCtrlLeve != b.rCtrlLeve ||
           a.rCtrlRShiftLeve != b.rCtrlRShiftLeve || a.rShiftLeve != b.rShiftLeve;
}

constexpr Pravidlo kPravidla[] = {
    {&Zmeneno<&Nastaveni::ikona>, [](const Nastaveni& n) { return n.ikona <= kIkonaVzdy; },
     L"Neznámé nastavení ikony v oznamovací oblasti."},
    {&Zmeneno<&Nastaveni::processPriority>,
     [](const Nastaveni& n) {
         return std::find(kTridyPriority.begin(), kTridyPriority.end(), n.processPriority) !=
                kTridyPriority.end();
     },
     L"Neznámá priorita procesu."},
    {&ZmenenaAkceIkony,
     [](const Nastaveni& n) {
         return JeCislemPrikazu(n.leve) && JeCislemPrikazu(n.ctrlLeve) &&
                JeCislemPrikazu(n.ctrlShiftLeve) && JeCislemPrikazu(n.shiftLeve) &&
                JeCislemPrikazu(n.stredni) && JeCislemPrikazu(n.rCtrlLeve) &&
                JeCislemPrikazu(n.rCtrlRShiftLeve) && JeCislemPrikazu(n.rShiftLeve);
     },
     L"Akce ikony musí být jedním z příkazů aplikace."},
    {&Zmeneno<&Nastaveni::hlasitost>, [](const Nastaveni& n) { return n.hlasitost <= 100; },
     L"Hlasitost musí být v rozsahu 0 až 100."},
    {&Zmeneno<&Nastaveni::krokZmenyHlasitosti>,
     [](const Nastaveni& n) { return n.krokZmenyHlasitosti >= 1 && n.krokZmenyHlasitosti <= 10; },
     L"Krok změny hlasitosti musí být v rozsahu 1 až 10."},
    {&Zmeneno<&Nastaveni::sekundBufferu>, [](const Nastaveni& n) { return n.sekundBufferu <= 60; },
     L"Velikost vyrovnávací paměti musí být v rozsahu 0 až 60 sekund."},
    {&Zmeneno<&Nastaveni::priSpusteni>,
     [](const Nastaveni& n) { return n.priSpusteni <= kZaznamJenPriPrehravani; },
     L"Neznámé nastavení spuštění záznamu."},
    {&Zmeneno<&Nastaveni::slozka>, [](const Nastaveni& n) { return !n.slozka.empty(); },
     L"Složka pro záznamy musí být zadána."},
    {&Zmeneno<&Nastaveni::soubor>, [](const Nastaveni& n) { return !n.soubor.empty(); },
     L"Soubor se seznamem zdrojů musí být zadán."},
    {&Zmeneno<&Nastaveni::toolBar>,
     [](const Nastaveni& n) {
         return n.toolBar == kPanelMaleIkony || n.toolBar == kPanelVelkeIkony;
     },
     L"Neznámá velikost ikon panelu nástrojů."},
};

} // namespace

std::optional<std::wstring_view> PrvniChyba(const Nastaveni& kopie, const Nastaveni& puvodni) {
    for (const Pravidlo& pravidlo : kPravidla) {
        if (pravidlo.zmeneno(kopie, puvodni) && !pravidlo.platne(kopie)) {
            return pravidlo.zprava;
        }
    }
    return std::nullopt;
}

} // namespace Vrbatec::PravidlaNastaveni
