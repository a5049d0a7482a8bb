// The rules an applied copy of the settings must keep, judged only on what the copy changes.
#include <gtest/gtest.h>

#include "config/PravidlaNastaveni.h"

namespace {

using namespace Vrbatec;

struct Pripad {
    const char* nazev;
    void (*zmenit)(Nastaveni&);
    bool prijato;
};

TEST(PravidlaNastaveni, ChangedValuesOutsideTheirRangesAreRefusedWithAMessage) {
    const Pripad pripady[] = {
        {"icon never", [](Nastaveni& n) { n.ikona = kIkonaNikdy; }, true},
        {"icon 3", [](Nastaveni& n) { n.ikona = 3; }, false},
        {"priority below normal", [](Nastaveni& n) { n.processPriority = 16384; }, true},
        {"priority unknown", [](Nastaveni& n) { n.processPriority = 33; }, false},
        {"icon action none", [](Nastaveni& n) { n.stredni = 0; }, true},
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
        {"a bar hidden", [](Nastaveni& n) { n.ovladaciPanel = false; }, true},
    };
    Nastaveni puvodni;
    puvodni.slozka = L"C:\\Záznamy";
    puvodni.soubor = L"C:\\Zvukolet.xml";
    for (const Pripad& p : pripady) {
        Nastaveni kopie = puvodni;
        p.zmenit(kopie);
        const auto chyba = PravidlaNastaveni::PrvniChyba(kopie, puvodni);
        EXPECT_EQ(!chyba.has_value(), p.prijato) << p.nazev;
        if (chyba) {
            EXPECT_FALSE(chyba->empty()) << p.nazev;
        }
    }
}

TEST(PravidlaNastaveni, AnOddStoredValueDoesNotBlockAnotherChangeButIsJudgedOnceChanged) {
    Nastaveni ulozene;
    ulozene.krokZmenyHlasitosti = 0; // written by hand or by an older version
    ulozene.toolBar = 7;
    Nastaveni kopie = ulozene;
    kopie.cbSeznamZdroju = false;
    EXPECT_FALSE(PravidlaNastaveni::PrvniChyba(kopie, ulozene).has_value());
    kopie.krokZmenyHlasitosti = 20;
    EXPECT_EQ(PravidlaNastaveni::PrvniChyba(kopie, ulozene),
              std::wstring_view(L"Krok změny hlasitosti musí být v rozsahu 1 až 10."));
}

} // namespace
