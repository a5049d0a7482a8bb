// The settings' defaults, their registry layout and the hotkey table.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <variant>
#include <vector>

#include "config/Nastaveni.h"
#include "config/PopisNastaveni.h"
#include "config/TabulkaHorkychKlaves.h"

namespace {

using namespace Vrbatec;

// One value as the registry sees it: where, what type, and the default in words.
struct Radek {
    std::wstring klic;
    std::wstring nazev;
    std::wstring typ;
    std::wstring hodnota;

    friend bool operator==(const Radek&, const Radek&) = default;
    friend void PrintTo(const Radek& r, std::ostream* os) {
        *os << std::string(r.klic.begin(), r.klic.end()) << " / "
            << std::string(r.nazev.begin(), r.nazev.end()) << " "
            << std::string(r.typ.begin(), r.typ.end()) << " = "
            << std::string(r.hodnota.begin(), r.hodnota.end());
    }
};

std::wstring Text(const Nastaveni& n, const PoleNastaveni& pole, std::wstring& typ) {
    struct Navstevnik {
        const Nastaveni& n;
        std::wstring& typ;
        std::wstring operator()(std::uint32_t Nastaveni::*p) const {
            typ = L"dword";
            return std::to_wstring(n.*p);
        }
        std::wstring operator()(std::int32_t Nastaveni::*p) const {
            typ = L"signed";
            return std::to_wstring(n.*p);
        }
        std::wstring operator()(bool Nastaveni::*p) const {
            typ = L"bool";
            return n.*p ? L"yes" : L"no";
        }
        std::wstring operator()(Guid Nastaveni::*p) const {
            typ = L"binary16";
            return n.*p == kVychoziProfil ? L"default profile" : L"other profile";
        }
        std::wstring operator()(std::wstring Nastaveni::*p) const {
            typ = L"sz";
            return n.*p;
        }
    };
    return std::visit(Navstevnik{n, typ}, pole);
}

std::vector<Radek> Radky(const Nastaveni& n, std::span<const SkupinaHodnot> skupiny) {
    std::vector<Radek> radky;
    for (const SkupinaHodnot& s : skupiny) {
        for (const PopisHodnoty& h : s.hodnoty) {
            Radek r{s.klic, h.nazev, {}, {}};
            r.hodnota = Text(n, h.pole, r.typ);
            radky.push_back(r);
        }
    }
    return radky;
}

Nastaveni Vychozi() {
    Nastaveni n;
    NastavitVychozi(n, std::wstring(L"C:\\users\\ja\\Documents"),
                    VychoziZarizeni{L"Mikrofon", L"USB", L"\\\\?\\usb#mic"});
    return n;
}

TEST(PopisNastaveni, EveryValueInSavingOrderWithTypeAndDefault) {
    const std::wstring akce = L"Ikona\\Hlavni\\Akce";
    const std::vector<Radek> ocekavane{
        {L"", L"ikona", L"dword", L"1"},
        {L"", L"processPriority", L"dword", L"32"},
        {L"", L"pruhUloh", L"bool", L"yes"},
        {L"", L"spustitDoIkony", L"bool", L"no"},
        {L"", L"userTask", L"bool", L"yes"},
        {L"", L"vlastniVzhled", L"bool", L"yes"},
        {L"", L"zdrojePopupMenu", L"bool", L"yes"},
        {L"", L"zvuk", L"bool", L"yes"},
        {akce, L"ctrlLeve", L"dword", L"40026"},
        {akce, L"ctrlShiftLeve", L"dword", L"40023"},
        {akce, L"leve", L"dword", L"40024"},
        {akce, L"rCtrlLeve", L"dword", L"40002"},
        {akce, L"rCtrlRShiftLeve", L"dword", L"0"},
        {akce, L"rShiftLeve", L"dword", L"40002"},
        {akce, L"shiftLeve", L"dword", L"40025"},
        {akce, L"stredni", L"dword", L"40023"},
        {L"Ikona\\Hlavni", L"pocetKlaves", L"dword", L"30"},
        {L"Ikona\\Hlavni", L"zobrKlavesy", L"bool", L"yes"},
        {L"Po spusteni", L"skrytDoIkony", L"bool", L"no"},
        {L"Po spusteni", L"spustitPrijem", L"bool", L"no"},
        {L"Mediaplayer", L"hlasitost", L"dword", L"50"},
        {L"Mediaplayer", L"krokZmenyHlasitosti", L"dword", L"2"},
        {L"Mediaplayer", L"sekundBufferu", L"dword", L"5"},
        {L"Seznam zdroju", L"spustitZmenouCB", L"bool", L"yes"},
        {L"Stav aplikace", L"prehravanyIndex", L"signed", L"-1"},
        {L"Zaznam", L"priSpusteni", L"dword", L"1"},
        {L"Zaznam", L"profil", L"binary16", L"default profile"},
        {L"Zaznam", L"slozka", L"sz", L"C:\\users\\ja\\Documents"},
        {L"Zaznam", L"devicePath", L"sz", L"\\\\?\\usb#mic"},
        {L"Zaznam", L"friendlyName", L"sz", L"Mikrofon"},
        {L"Zdroje", L"soubor", L"sz", L"C:\\users\\ja\\Documents\\Zvukolet.xml"},
        {L"Zdroje", L"ulozitPosledni", L"bool", L"yes"},
        {L"Zobrazit", L"cbSeznamZdroju", L"bool", L"yes"},
        {L"Zobrazit", L"ovladaciPanel", L"bool", L"yes"},
        {L"Zobrazit", L"toolBar", L"dword", L"1"},
        {L"Zobrazit", L"toolBarHlavni", L"bool", L"yes"},
    };
    EXPECT_EQ(Radky(Vychozi(), HodnotyNastaveni()), ocekavane);
}

TEST(PopisNastaveni, EachFieldIsBoundToOneValueOnly) {
    std::vector<PoleNastaveni> pole;
    for (const SkupinaHodnot& s : HodnotyNastaveni()) {
        for (const PopisHodnoty& h : s.hodnoty) {
            for (const PoleNastaveni& jine : pole) {
                EXPECT_FALSE(jine == h.pole) << std::string(h.nazev, h.nazev + wcslen(h.nazev));
            }
            pole.push_back(h.pole);
        }
    }
}

TEST(PopisNastaveni, ViewStateIsThePlayingIndexAndTheBars) {
    Nastaveni n = Vychozi();
    n.prehravanyIndex = 4;
    n.toolBar = 2;
    n.ovladaciPanel = false;
    const std::vector<Radek> ocekavane{
        {L"Stav aplikace", L"prehravanyIndex", L"signed", L"4"},
        {L"Zobrazit", L"cbSeznamZdroju", L"bool", L"yes"},
        {L"Zobrazit", L"ovladaciPanel", L"bool", L"no"},
        {L"Zobrazit", L"toolBar", L"dword", L"2"},
        {L"Zobrazit", L"toolBarHlavni", L"bool", L"yes"},
    };
    EXPECT_EQ(Radky(n, HodnotyStavuZobrazeni()), ocekavane);
}

TEST(NastavitVychozi, ResetsEveryFieldAndTheHotkeys) {
    Nastaveni n = Vychozi();
    const Nastaveni vychozi = n;
    n.ikona = 2;
    n.zvuk = false;
    n.prehravanyIndex = 7;
    n.profil.data1 = 1;
    n.slozka = L"D:\\nahravky";
    n.horkeKlavesy.Zaznamy()[0].klavesa = 'P';
    n.horkeKlavesy.Pridat(40032, 0);

    NastavitVychozi(n, std::wstring(L"C:\\users\\ja\\Documents"),
                    VychoziZarizeni{L"Mikrofon", L"USB", L"\\\\?\\usb#mic"});
    EXPECT_EQ(n, vychozi);
    EXPECT_EQ(n.popisZarizeni, L"USB");
}

TEST(NastavitVychozi, WithoutDocumentsOrDeviceThosePathsStayAsTheyWere) {
    Nastaveni n;
    n.slozka = L"D:\\nahravky";
    n.soubor = L"D:\\zdroje.xml";
    n.friendlyName = L"Linka";
    n.devicePath = L"cesta";
    n.hlasitost = 99;
    NastavitVychozi(n, std::nullopt, std::nullopt);
    EXPECT_EQ(n.slozka, L"D:\\nahravky");
    EXPECT_EQ(n.soubor, L"D:\\zdroje.xml");
    EXPECT_EQ(n.friendlyName, L"Linka");
    EXPECT_EQ(n.devicePath, L"cesta");
    EXPECT_EQ(n.hlasitost, 50u);
    EXPECT_EQ(n.horkeKlavesy.Pocet(), 10u);
}

TEST(TabulkaHorkychKlaves, DefaultsAreTenUnboundCommandsInPageOrder) {
    TabulkaHorkychKlaves tabulka;
    tabulka.Pridat(40032, 0);
    tabulka.NastavitVychozi();
    const std::vector<HorkaKlavesa> ocekavane{
        {0, 0, 40006, 0},     {0, 0, 40007, 0},     {0, 0, 40013, 0}, {0, 0, 40020, 0},
        {0, 0, 40021, 0},     {0, 0, 40030, 0},     {0, 0, 40031, 0}, {0, 0, 40014, 20004},
        {0, 0, 40001, 20004}, {0, 0, 40002, 20004},
    };
    EXPECT_EQ(std::vector<HorkaKlavesa>(tabulka.Zaznamy().begin(), tabulka.Zaznamy().end()),
              ocekavane);
}

TEST(TabulkaHorkychKlaves, AddingAKnownCommandChangesNothing) {
    TabulkaHorkychKlaves tabulka;
    tabulka.NastavitVychozi();
    tabulka.Zaznamy()[8].klavesa = 'Q';
    const TabulkaHorkychKlaves pred = tabulka;

    EXPECT_FALSE(tabulka.Pridat(40001, 0));
    EXPECT_EQ(tabulka, pred);

    EXPECT_TRUE(tabulka.Pridat(40032, 0));
    ASSERT_EQ(tabulka.Pocet(), 11u);
    EXPECT_EQ(tabulka.Zaznamy()[10], (HorkaKlavesa{0, 0, 40032, 0}));
    EXPECT_TRUE(tabulka.Obsahuje(40032));
    EXPECT_FALSE(tabulka.Obsahuje(40033));
}

} // namespace
