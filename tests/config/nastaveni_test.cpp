// The settings' defaults and their registry layout.
#include <gtest/gtest.h>

#include <string>
#include <variant>
#include <vector>

#include "config/Nastaveni.h"
#include "config/PopisNastaveni.h"

namespace {

using namespace Vrbatec;

// The default of one value, written so that its registry type shows: a plain number for a
// DWORD, "i" before a signed one, yes/no for a flag, braces for the Guid, quotes for text.
struct Popis {
    const Nastaveni& n;
    std::wstring operator()(std::uint32_t Nastaveni::*p) const { return std::to_wstring(n.*p); }
    std::wstring operator()(std::int32_t Nastaveni::*p) const {
        return L"i" + std::to_wstring(n.*p);
    }
    std::wstring operator()(bool Nastaveni::*p) const { return n.*p ? L"yes" : L"no"; }
    std::wstring operator()(Guid Nastaveni::*p) const {
        return n.*p == kVychoziProfil ? L"{default}" : L"{other}";
    }
    std::wstring operator()(std::wstring Nastaveni::*p) const { return L"'" + n.*p + L"'"; }
};

TEST(PopisNastaveni, EveryValueInSavingOrderWithTypeAndDefault) {
    Nastaveni n;
    NastavitVychozi(n, std::wstring(L"C:\\Dok"), VychoziZarizeni{L"Mikrofon", L"USB", L"\\\\?\\m"});
    std::vector<std::wstring> skupiny;
    for (const SkupinaHodnot& s : HodnotyNastaveni()) {
        std::wstring radek = std::wstring(s.klic) + L":";
        for (const PopisHodnoty& h : s.hodnoty) {
            radek += L" " + std::wstring(h.nazev) + L"=" + std::visit(Popis{n}, h.pole);
        }
        skupiny.push_back(radek);
    }
    const std::vector<std::wstring> ocekavane{
        L": ikona=1 processPriority=32 pruhUloh=yes spustitDoIkony=no userTask=yes "
        L"vlastniVzhled=yes zdrojePopupMenu=yes zvuk=yes",
        L"Ikona\\Hlavni\\Akce: ctrlLeve=40026 ctrlShiftLeve=40023 leve=40024 rCtrlLeve=40002 "
        L"rCtrlRShiftLeve=0 rShiftLeve=40002 shiftLeve=40025 stredni=40023",
        L"Ikona\\Hlavni: pocetKlaves=30 zobrKlavesy=yes",
        L"Po spusteni: skrytDoIkony=no spustitPrijem=no",
        L"Mediaplayer: hlasitost=50 krokZmenyHlasitosti=2 prehravacStreamu=0 sekundBufferu=5",
        L"Seznam zdroju: spustitZmenouCB=yes",
        L"Stav aplikace: prehravanyIndex=i-1",
        L"Zaznam: priSpusteni=1 profil={default} slozka='C:\\Dok' devicePath='\\\\?\\m' "
        L"friendlyName='Mikrofon'",
        L"Zdroje: soubor='C:\\Dok\\Zvukolet.xml' ulozitPosledni=yes",
        L"Zobrazit: cbSeznamZdroju=yes ovladaciPanel=yes toolBar=1 toolBarHlavni=yes",
    };
    EXPECT_EQ(skupiny, ocekavane);
    EXPECT_EQ(n.popisZarizeni, L"USB"); // known, though never stored
}

TEST(VychoziSouborZdroju, TheListFileJoinsItsFolderWithOneSeparator) {
    const struct {
        std::wstring slozka;
        std::wstring soubor;
    } pripady[] = {
        {L"C:\\Users\\Jana\\Documents", L"C:\\Users\\Jana\\Documents\\Zvukolet.xml"},
        {L"R:\\", L"R:\\Zvukolet.xml"}, // a program run from a stick's root
        {L"", L"\\Zvukolet.xml"},
    };
    for (const auto& pripad : pripady) {
        EXPECT_EQ(pripad.soubor, VychoziSouborZdroju(pripad.slozka));
    }
}

} // namespace
