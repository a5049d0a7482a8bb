// The rules an applied copy of the settings must keep, judged only on what the copy changes.
#include <gtest/gtest.h>

#include "config/PravidlaNastaveni.h"

namespace {

using namespace Vrbatec;

TEST(PravidlaNastaveni, OnlyChangedValuesAreJudgedAndThoseOutsideTheirRangesRefused) {
    const struct {
        const char* nazev;
        void (*zmenit)(Nastaveni&);
        bool prijato;
    } pripady[] = {
        {"icon 3", [](Nastaveni& n) { n.ikona = 3; }, false},
        {"priority below normal", [](Nastaveni& n) { n.processPriority = 16384; }, true},
        {"priority unknown", [](Nastaveni& n) { n.processPriority = 33; }, false},
        {"icon action last command", [](Nastaveni& n) { n.leve = 40032; }, true},
        {"icon action past the commands", [](Nastaveni& n) { n.shiftLeve = 40033; }, false},
        {"volume 100", [](Nastaveni& n) { n.hlasitost = 100; }, true},
        {"volume 101", [](Nastaveni& n) { n.hlasitost = 101; }, false},
        {"step 10", [](Nastaveni& n) { n.krokZmenyHlasitosti = 10; }, true},
        {"step 11", [](Nastaveni& n) { n.krokZmenyHlasitosti = 11; }, false},
        {"step 0", [](Nastaveni& n) { n.krokZmenyHlasitosti = 0; }, false},
        {"buffer 60 s", [](Nastaveni& n) { n.sekundBufferu = 60; }, true},
        {"buffer 61 s", [](Nastaveni& n) { n.sekundBufferu = 61; }, false},
        {"recording rule 3", [](Nastaveni& n) { n.priSpusteni = 3; }, false},
        {"no recordings folder", [](Nastaveni& n) { n.slozka.clear(); }, false},
        {"no list file", [](Nastaveni& n) { n.soubor.clear(); }, false},
        {"large icons", [](Nastaveni& n) { n.toolBar = kPanelVelkeIkony; }, true},
        {"icon size 0", [](Nastaveni& n) { n.toolBar = 0; }, false},
    };
    Nastaveni puvodni;
    // Stored by hand or by an older version: it does not block other changes.
    puvodni.toolBar = 7;
    puvodni.slozka = L"C:\\Záznamy";
    puvodni.soubor = L"C:\\Zvukolet.xml";
    for (const auto& p : pripady) {
        Nastaveni kopie = puvodni;
        p.zmenit(kopie);
        EXPECT_EQ(!PravidlaNastaveni::PrvniChyba(kopie, puvodni).has_value(), p.prijato) << p.nazev;
    }
}

} // namespace
