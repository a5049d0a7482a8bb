// The settings store against the real registry, each test under a root of its own.
#include <gtest/gtest.h>

#include "config/HorkaKlavesa.h"
#include "config/PopisNastaveni.h"
#include "config/TestovaciKoren.h"
#include "config/UlozisteNastaveni.h"

namespace {

using namespace Vrbatec;
using namespace Vrbatec::Testy;

// Moves a value away from its default and tells the bytes it must be stored as.
struct Zmena {
    Nastaveni& n;
    DWORD& typ;
    Bajty operator()(std::uint32_t Nastaveni::*p) const { return Dword(n.*p += 3); }
    Bajty operator()(std::int32_t Nastaveni::*p) const {
        return Dword(static_cast<DWORD>(n.*p += 5));
    }
    Bajty operator()(bool Nastaveni::*p) const { return Dword((n.*p = !(n.*p)) ? 1 : 0); }
    Bajty operator()(Guid Nastaveni::*p) const {
        typ = REG_BINARY;
        (n.*p).data1 ^= 0x01020304;
        const BajtyGuid bajty = NaBajty(n.*p);
        return Bajty(bajty.begin(), bajty.end());
    }
    Bajty operator()(std::wstring Nastaveni::*p) const {
        typ = REG_SZ;
        return BajtyTextu(n.*p += L" Čž", true);
    }
    Bajty Dword(DWORD hodnota) const {
        typ = REG_DWORD;
        return BajtyDword(hodnota);
    }
};

class UlozisteTest : public testing::Test {
protected:
    // A second store over the same root, as the next start of the program sees it.
    Nastaveni Nacteno() {
        UlozisteNastaveni dalsi(koren.Cesta());
        dalsi.NastavitVychozi(std::nullopt);
        EXPECT_EQ(dalsi.Nacist(), 0);
        return dalsi.Hodnoty();
    }

    TestovaciKoren koren;
    UlozisteNastaveni uloziste{koren.Cesta()};
    const Nastaveni vychozi = [this] {
        uloziste.NastavitVychozi(std::nullopt);
        return uloziste.Hodnoty();
    }();
};

TEST_F(UlozisteTest, FirstRunKeepsTheDefaultsAndEveryValueIsSavedWithItsExactTypeAndReadsBack) {
    EXPECT_EQ(uloziste.Nacist(), 1);
    EXPECT_EQ(uloziste.Hodnoty(), vychozi);
    EXPECT_FALSE(koren.Existuje());

    Nastaveni& n = uloziste.Hodnoty();
    std::vector<std::pair<std::wstring, std::wstring>> nazvy;
    std::vector<std::pair<DWORD, Bajty>> ocekavane;
    for (const SkupinaHodnot& skupina : HodnotyNastaveni()) {
        for (const PopisHodnoty& h : skupina.hodnoty) {
            DWORD typ = REG_NONE;
            Bajty data = std::visit(Zmena{n, typ}, h.pole);
            nazvy.emplace_back(skupina.klic, h.nazev);
            ocekavane.emplace_back(typ, std::move(data));
        }
    }
    n.horkeKlavesy.Zaznamy()[0] = {MOD_CONTROL | MOD_ALT, 'P', 40006, 0};
    n.horkeKlavesy.Zaznamy()[9].klavesa = VK_F12;
    n.horkeKlavesy.Pridat(40032, 0);
    ASSERT_EQ(uloziste.UlozitVse(), S_OK);

    for (std::size_t i = 0; i < nazvy.size(); ++i) {
        const auto ulozena = koren.Cist(nazvy[i].first, nazvy[i].second.c_str());
        ASSERT_TRUE(ulozena) << testing::PrintToString(nazvy[i].second);
        EXPECT_EQ(ulozena->typ, ocekavane[i].first) << testing::PrintToString(nazvy[i].second);
        EXPECT_EQ(ulozena->data, ocekavane[i].second) << testing::PrintToString(nazvy[i].second);
    }
    EXPECT_EQ(koren.Nazvy(L"Zaznam").size(), 5u); // the device's description is not stored
    EXPECT_EQ(koren.Cist(kKlicHorkychKlaves, L"40002")->data,
              (Bajty{0, 0, 0, 0, VK_F12, 0, 0, 0, 0x42, 0x9C, 0, 0, 0x24, 0x4E, 0, 0}));

    Nastaveni bezPopisu = n;
    bezPopisu.popisZarizeni.clear();
    EXPECT_EQ(Nacteno(), bezPopisu);
}

TEST_F(UlozisteTest, ValuesOfTheWrongTypeOrSizeKeepTheirDefaults) {
    koren.Zapsat(L"Zaznam", L"slozka", REG_EXPAND_SZ, BajtyTextu(L"%USERPROFILE%\\Hudba", true));
    koren.Zapsat(L"Mediaplayer", L"hlasitost", REG_BINARY, {80, 0});
    koren.Zapsat(L"Zaznam", L"profil", REG_BINARY, Bajty(17, 0xAB));
    // Next to them, values that are read; a text ends at its first zero or at its end.
    koren.Zapsat(L"Zaznam", L"friendlyName", REG_SZ, BajtyTextu(L"Linka", false));
    Bajty sNulami = BajtyTextu(L"C:\\a.xml", true);
    sNulami.insert(sNulami.end(), {'z', 0, 0, 0});
    koren.Zapsat(L"Zdroje", L"soubor", REG_SZ, sNulami);
    koren.ZapsatDword(L"", L"zvuk", 0);
    koren.ZapsatDword(L"Zobrazit", L"toolBar", 7); // the main window corrects the bar size later

    Nastaveni ocekavane = vychozi;
    ocekavane.toolBar = 7;
    ocekavane.friendlyName = L"Linka";
    ocekavane.soubor = L"C:\\a.xml";
    ocekavane.zvuk = false;
    EXPECT_EQ(Nacteno(), ocekavane);
}

TEST_F(UlozisteTest, SavingTheViewStateWritesOnlyItsFiveValuesNoIndexAsAllOnes) {
    Nastaveni& n = uloziste.Hodnoty();
    n.prehravanyIndex = -1;
    n.toolBar = 2;
    n.ovladaciPanel = false;
    n.hlasitost = 90;
    ASSERT_EQ(uloziste.UlozitStavZobrazeni(), S_OK);

    EXPECT_EQ(koren.Nazvy(L"", true), (std::vector<std::wstring>{L"Stav aplikace", L"Zobrazit"}));
    EXPECT_TRUE(koren.Nazvy(L"").empty());
    EXPECT_EQ(koren.Nazvy(L"Zobrazit").size(), 4u);
    EXPECT_EQ(koren.Cist(L"Stav aplikace", L"prehravanyIndex").value().data,
              (Bajty{0xFF, 0xFF, 0xFF, 0xFF}));
    Nastaveni ocekavane = n;
    ocekavane.hlasitost = vychozi.hlasitost;
    EXPECT_EQ(Nacteno(), ocekavane);
}

TEST_F(UlozisteTest, HotkeyValuesAddCommandsAndSavingRemovesThoseNoLongerInTheTable) {
    koren.Zapsat(kKlicHorkychKlaves, L"40032", REG_BINARY,
                 Bajty{4, 0, 0, 0, 'R', 0, 0, 0, 0, 0, 0, 0, 0x24, 0x4E, 0, 0});
    // The stored command does not move the record; only the name counts.
    koren.Zapsat(kKlicHorkychKlaves, L"40013", REG_BINARY,
                 Bajty{1, 0, 0, 0, 'M', 0, 0, 0, 0x99, 0x99, 0, 0, 0, 0, 0, 0});

    TabulkaHorkychKlaves ocekavane = vychozi.horkeKlavesy;
    ocekavane.Zaznamy()[2] = {MOD_ALT, 'M', 40013, 0};
    ocekavane.Pridat(40032, 0);
    ocekavane.Zaznamy()[10] = {MOD_SHIFT, 'R', 40032, kSkupinaVseobecne};
    EXPECT_EQ(Nacteno().horkeKlavesy, ocekavane);

    // Saving keeps only the commands of the store's own table, which never read the values.
    koren.Zapsat(kKlicHorkychKlaves, L"stary", REG_SZ, BajtyTextu(L"x", true));
    koren.Zapsat(kKlicHorkychKlaves + std::wstring(L"\\Podklic"), L"a", REG_BINARY, {1});
    ASSERT_EQ(uloziste.UlozitVse(), S_OK);
    EXPECT_EQ(koren.Nazvy(kKlicHorkychKlaves),
              (std::vector<std::wstring>{L"40001", L"40002", L"40006", L"40007", L"40013", L"40014",
                                         L"40020", L"40021", L"40030", L"40031"}));
    EXPECT_TRUE(koren.Nazvy(kKlicHorkychKlaves, true).empty());
}

// The program lists the recording devices only when the device is first needed. Whatever is
// stored, the device it then holds must be the one that listing them before loading gave.
TEST(DoplneniZarizeni, GivesTheDeviceThatTheDefaultsBeforeLoadingGave) {
    const VychoziZarizeni mikrofon{L"Mikrofon", L"USB", L"\\\\?\\usb#m"};
    struct Pripad {
        const char* nazev;
        bool koren;
        std::optional<std::wstring> ulozenyNazev;
        std::optional<std::wstring> ulozenaCesta;
        std::wstring nazevPak;
        std::wstring cestaPak;
    };
    const Pripad pripady[] = {
        {"first run", false, {}, {}, L"Mikrofon", L"\\\\?\\usb#m"},
        {"nothing of the device stored", true, {}, {}, L"Mikrofon", L"\\\\?\\usb#m"},
        {"the name stored", true, L"Linka", {}, L"Linka", L"\\\\?\\usb#m"},
        {"both stored", true, L"Linka", L"\\\\?\\l", L"Linka", L"\\\\?\\l"},
        {"both stored empty", true, L"", L"", L"", L""},
    };
    for (const Pripad& pripad : pripady) {
        SCOPED_TRACE(pripad.nazev);
        TestovaciKoren koren;
        if (pripad.koren) {
            koren.ZapsatDword(L"", L"zvuk", 0);
        }
        if (pripad.ulozenyNazev) {
            koren.Zapsat(L"Zaznam", L"friendlyName", REG_SZ,
                         BajtyTextu(*pripad.ulozenyNazev, true));
        }
        if (pripad.ulozenaCesta) {
            koren.Zapsat(L"Zaznam", L"devicePath", REG_SZ, BajtyTextu(*pripad.ulozenaCesta, true));
        }
        UlozisteNastaveni predem(koren.Cesta());
        predem.NastavitVychozi(mikrofon);
        predem.Nacist();

        UlozisteNastaveni pozdeji(koren.Cesta());
        pozdeji.NastavitVychozi(std::nullopt);
        pozdeji.Nacist();
        EXPECT_FALSE(pozdeji.ZarizeniDoplneno());
        pozdeji.DoplnitZarizeni(mikrofon);
        EXPECT_TRUE(pozdeji.ZarizeniDoplneno());

        EXPECT_EQ(pozdeji.Hodnoty(), predem.Hodnoty());
        EXPECT_EQ(pozdeji.Hodnoty().friendlyName, pripad.nazevPak);
        EXPECT_EQ(pozdeji.Hodnoty().devicePath, pripad.cestaPak);
        EXPECT_EQ(pozdeji.Hodnoty().popisZarizeni, L"USB");

        // Without a device nothing changes, but the store is completed all the same.
        UlozisteNastaveni bezZarizeni(koren.Cesta());
        bezZarizeni.NastavitVychozi(std::nullopt);
        bezZarizeni.Nacist();
        const Nastaveni pred = bezZarizeni.Hodnoty();
        bezZarizeni.DoplnitZarizeni(std::nullopt);
        EXPECT_EQ(bezZarizeni.Hodnoty(), pred);
        EXPECT_TRUE(bezZarizeni.ZarizeniDoplneno());
    }
}

// A copy edited by a dialog or a command reaches the live settings only through Pouzit, and
// the registry only as far as the kind of apply says.
TEST_F(UlozisteTest, AnAppliedCopyIsJudgedWrittenAsToldAndOnlyThenPutInPlace) {
    Nastaveni kopie = uloziste.Kopie();
    kopie.toolBarHlavni = false;
    kopie.hlasitost = 77;

    // A view change: live at once, nothing written.
    EXPECT_EQ(uloziste.Pouzit(kopie, Ulozeni::Nic), S_OK);
    EXPECT_EQ(uloziste.Hodnoty(), kopie);
    EXPECT_FALSE(koren.Existuje());

    // The view state alone: the bars are written, the volume is not.
    EXPECT_EQ(uloziste.Pouzit(kopie, Ulozeni::StavZobrazeni), S_OK);
    EXPECT_FALSE(Nacteno().toolBarHlavni);
    EXPECT_EQ(Nacteno().hlasitost, vychozi.hlasitost);

    // Everything.
    EXPECT_EQ(uloziste.Pouzit(kopie, Ulozeni::Vse), S_OK);
    EXPECT_EQ(Nacteno().hlasitost, 77u);

    // A value that breaks its rule: refused with the user's message, nothing changes.
    Nastaveni chybna = uloziste.Kopie();
    chybna.krokZmenyHlasitosti = 0;
    chybna.hlasitost = 10;
    std::wstring chyba;
    EXPECT_EQ(uloziste.Pouzit(chybna, Ulozeni::Vse, &chyba), E_INVALIDARG);
    EXPECT_EQ(chyba, L"Krok změny hlasitosti musí být v rozsahu 1 až 10.");
    EXPECT_EQ(uloziste.Hodnoty(), kopie);
    EXPECT_EQ(Nacteno().hlasitost, 77u);

    // A copy that cannot be written leaves the live settings as they were. No key may have a name
    // this long, so nothing under it can be written.
    UlozisteNastaveni nezapisovatelne{koren.Cesta(std::wstring(300, L'k'))};
    nezapisovatelne.NastavitVychozi(std::nullopt);
    kopie = nezapisovatelne.Kopie();
    kopie.toolBar = kPanelVelkeIkony;
    EXPECT_TRUE(FAILED(nezapisovatelne.Pouzit(kopie, Ulozeni::StavZobrazeni)));
    EXPECT_EQ(nezapisovatelne.Hodnoty(), vychozi);
}

} // namespace
