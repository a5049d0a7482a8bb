// The settings store against the real registry, each test under a root of its own.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>

#include "config/HorkaKlavesa.h"
#include "config/PopisNastaveni.h"
#include "config/TestovaciKoren.h"
#include "config/UlozisteNastaveni.h"

namespace {

using namespace Vrbatec;
using Testy::BajtyTextu;
using Testy::TestovaciKoren;
using Bajty = std::vector<std::uint8_t>;

std::wstring Dokumenty() {
    wchar_t* cesta = nullptr;
    EXPECT_EQ(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &cesta), S_OK);
    std::wstring vysledek = cesta != nullptr ? cesta : L"";
    CoTaskMemFree(cesta);
    return vysledek;
}

std::vector<HorkaKlavesa> Klavesy(const Nastaveni& n) {
    return {n.horkeKlavesy.Zaznamy().begin(), n.horkeKlavesy.Zaznamy().end()};
}

// Every field away from its default, and some hotkeys bound.
void Zmenit(Nastaveni& n) {
    n.ikona = 2;
    n.processPriority = 16384;
    n.pruhUloh = false;
    n.spustitDoIkony = true;
    n.userTask = false;
    n.zdrojePopupMenu = false;
    n.vlastniVzhled = false;
    n.zvuk = false;
    n.leve = 40001;
    n.ctrlLeve = 40003;
    n.ctrlShiftLeve = 40004;
    n.shiftLeve = 40005;
    n.rCtrlLeve = 40008;
    n.rCtrlRShiftLeve = 40009;
    n.rShiftLeve = 40010;
    n.stredni = 0;
    n.zobrKlavesy = false;
    n.pocetKlaves = 12;
    n.skrytDoIkony = true;
    n.spustitPrijem = true;
    n.sekundBufferu = 60;
    n.hlasitost = 100;
    n.krokZmenyHlasitosti = 10;
    n.spustitZmenouCB = false;
    n.prehravanyIndex = 3;
    n.profil = Guid{0x7EA3126D, 0xE1BA, 0x4716, {0x89, 0xAF, 0xF6, 0x5C, 0xEE, 0x0C, 0x0C, 0x67}};
    n.slozka = L"D:\\Nahrávky";
    n.priSpusteni = 2;
    n.friendlyName = L"Mikrofon (USB) #2";
    n.devicePath = L"\\\\?\\usb#vid_0d8c";
    n.soubor = L"D:\\Stanice ČR.xml";
    n.ulozitPosledni = false;
    n.cbSeznamZdroju = false;
    n.toolBar = 2;
    n.toolBarHlavni = false;
    n.ovladaciPanel = false;
    n.horkeKlavesy.Zaznamy()[0] = {MOD_CONTROL | MOD_ALT, 'P', 40006, 0};
    n.horkeKlavesy.Zaznamy()[9].klavesa = VK_F12;
    n.horkeKlavesy.Pridat(40032, 0);
}

class UlozisteTest : public testing::Test {
protected:
    UlozisteTest() { uloziste.NastavitVychozi(std::nullopt); }

    // A second store over the same root, as the next start of the program sees it.
    Nastaveni Nacteno(int ocekavanyVysledek = 0) {
        UlozisteNastaveni dalsi(koren.Cesta());
        dalsi.NastavitVychozi(std::nullopt);
        EXPECT_EQ(dalsi.Nacist(), ocekavanyVysledek);
        return dalsi.Hodnoty();
    }

    Nastaveni Vychozi() {
        Nastaveni n;
        NastavitVychozi(n, Dokumenty(), std::nullopt);
        return n;
    }

    TestovaciKoren koren;
    UlozisteNastaveni uloziste{koren.Cesta()};
};

TEST_F(UlozisteTest, DefaultsUseTheDocumentsFolder) {
    const std::wstring dokumenty = Dokumenty();
    ASSERT_FALSE(dokumenty.empty());
    EXPECT_EQ(uloziste.Hodnoty().slozka, dokumenty);
    EXPECT_EQ(uloziste.Hodnoty().soubor, dokumenty + L"\\Zvukolet.xml");
    EXPECT_EQ(uloziste.Hodnoty().friendlyName, L"");

    uloziste.NastavitVychozi(VychoziZarizeni{L"Monitor of testsink", L"", L"cesta"});
    EXPECT_EQ(uloziste.Hodnoty().friendlyName, L"Monitor of testsink");
    EXPECT_EQ(uloziste.Hodnoty().devicePath, L"cesta");
}

TEST_F(UlozisteTest, FirstRunKeepsTheDefaultsAndCreatesNothing) {
    uloziste.NastavitVychozi(VychoziZarizeni{L"Linka", L"popis", L"cesta"});
    const Nastaveni pred = uloziste.Hodnoty();
    EXPECT_EQ(uloziste.Nacist(), 1);
    EXPECT_EQ(uloziste.Hodnoty(), pred);
    EXPECT_FALSE(koren.Existuje());
}

TEST_F(UlozisteTest, EveryValueRoundTrips) {
    Zmenit(uloziste.Hodnoty());
    ASSERT_EQ(uloziste.UlozitVse(), S_OK);

    Nastaveni ocekavane = uloziste.Hodnoty();
    ocekavane.popisZarizeni.clear(); // not stored
    const Nastaveni nacteno = Nacteno();
    EXPECT_EQ(nacteno, ocekavane);
    EXPECT_EQ(Klavesy(nacteno), Klavesy(ocekavane));
}

TEST_F(UlozisteTest, SaveWritesTheDocumentedTypesAndSizes) {
    Zmenit(uloziste.Hodnoty());
    ASSERT_EQ(uloziste.UlozitVse(), S_OK);
    const Nastaveni& n = uloziste.Hodnoty();

    std::size_t pocet = 0;
    for (const SkupinaHodnot& skupina : HodnotyNastaveni()) {
        std::vector<std::wstring> ocekavane;
        for (const PopisHodnoty& h : skupina.hodnoty) {
            ocekavane.push_back(h.nazev);
            const auto ulozena = koren.Cist(skupina.klic, h.nazev);
            ASSERT_TRUE(ulozena) << testing::PrintToString(std::wstring(h.nazev));
            if (std::holds_alternative<std::wstring Nastaveni::*>(h.pole)) {
                const std::wstring& text = n.*std::get<std::wstring Nastaveni::*>(h.pole);
                EXPECT_EQ(ulozena->typ, static_cast<DWORD>(REG_SZ));
                EXPECT_EQ(ulozena->data, BajtyTextu(text, true));
            } else if (std::holds_alternative<Guid Nastaveni::*>(h.pole)) {
                EXPECT_EQ(ulozena->typ, static_cast<DWORD>(REG_BINARY));
                const BajtyGuid bajty = NaBajty(n.profil);
                EXPECT_EQ(ulozena->data, Bajty(bajty.begin(), bajty.end()));
            } else {
                EXPECT_EQ(ulozena->typ, static_cast<DWORD>(REG_DWORD));
                EXPECT_EQ(ulozena->data.size(), 4u);
            }
            ++pocet;
        }
        // Nothing but the described values.
        std::vector<std::wstring> nazvy = koren.NazvyHodnot(skupina.klic);
        std::sort(nazvy.begin(), nazvy.end());
        std::sort(ocekavane.begin(), ocekavane.end());
        EXPECT_EQ(nazvy, ocekavane);
    }
    EXPECT_EQ(pocet, 36u);

    // Hotkeys: 16 bytes each, exactly the record as it is held.
    const std::vector<std::wstring> nazvy = koren.NazvyHodnot(kKlicHorkychKlaves);
    EXPECT_EQ(nazvy.size(), n.horkeKlavesy.Pocet());
    const auto prvni = koren.Cist(kKlicHorkychKlaves, L"40006");
    ASSERT_TRUE(prvni);
    EXPECT_EQ(prvni->typ, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(prvni->data, (Bajty{3, 0, 0, 0, 'P', 0, 0, 0, 0x46, 0x9C, 0, 0, 0, 0, 0, 0}));
    const auto nastaveni = koren.Cist(kKlicHorkychKlaves, L"40002");
    ASSERT_TRUE(nastaveni);
    EXPECT_EQ(nastaveni->data,
              (Bajty{0, 0, 0, 0, VK_F12, 0, 0, 0, 0x42, 0x9C, 0, 0, 0x24, 0x4E, 0, 0}));
}

TEST_F(UlozisteTest, NoPlayingIndexIsStoredAsAllOnesAndReadBack) {
    uloziste.Hodnoty().prehravanyIndex = -1;
    ASSERT_EQ(uloziste.UlozitVse(), S_OK);
    EXPECT_EQ(koren.Cist(L"Stav aplikace", L"prehravanyIndex")->data,
              (Bajty{0xFF, 0xFF, 0xFF, 0xFF}));
    koren.ZapsatDword(L"Stav aplikace", L"prehravanyIndex", 0xFFFFFFFF);
    koren.ZapsatDword(L"Zobrazit", L"toolBar", 7);
    koren.ZapsatDword(L"Mediaplayer", L"hlasitost", 250);
    const Nastaveni n = Nacteno();
    EXPECT_EQ(n.prehravanyIndex, -1);
    // Nothing is checked on reading: the main window corrects the bar size later.
    EXPECT_EQ(n.toolBar, 7u);
    EXPECT_EQ(n.hlasitost, 250u);
}

TEST_F(UlozisteTest, ValuesOfTheWrongTypeOrSizeKeepTheirDefaults) {
    koren.Zapsat(L"Zaznam", L"slozka", REG_EXPAND_SZ, BajtyTextu(L"%USERPROFILE%\\Hudba", true));
    koren.Zapsat(L"Zdroje", L"soubor", REG_BINARY, BajtyTextu(L"X:\\a.xml", true));
    koren.Zapsat(L"Mediaplayer", L"hlasitost", REG_BINARY, {80, 0});
    koren.Zapsat(L"Mediaplayer", L"sekundBufferu", REG_QWORD, {9, 0, 0, 0, 0, 0, 0, 0});
    koren.Zapsat(L"Zaznam", L"profil", REG_BINARY, Bajty(17, 0xAB));
    koren.Zapsat(L"", L"pruhUloh", REG_DWORD, {0, 0});
    // Next to them, values that are read.
    koren.Zapsat(L"Zaznam", L"friendlyName", REG_SZ, BajtyTextu(L"Linka", false));
    koren.ZapsatDword(L"Mediaplayer", L"krokZmenyHlasitosti", 4);
    koren.ZapsatDword(L"", L"zvuk", 0);
    koren.ZapsatDword(L"", L"userTask", 0x100); // any non-zero DWORD means yes

    Nastaveni ocekavane = Vychozi();
    ocekavane.friendlyName = L"Linka";
    ocekavane.krokZmenyHlasitosti = 4;
    ocekavane.zvuk = false;
    EXPECT_EQ(Nacteno(), ocekavane);
}

TEST_F(UlozisteTest, AShortProfileReplacesOnlyItsOwnBytes) {
    koren.Zapsat(L"Zaznam", L"profil", REG_BINARY, {0x11, 0x22, 0x33, 0x44});
    Guid ocekavany = kVychoziProfil;
    ocekavany.data1 = 0x44332211;
    EXPECT_EQ(Nacteno().profil, ocekavany);
}

TEST_F(UlozisteTest, MissingGroupKeysKeepTheirDefaults) {
    koren.ZapsatDword(L"", L"ikona", 0);
    koren.ZapsatDword(L"Zobrazit", L"toolBarHlavni", 0);

    Nastaveni ocekavane = Vychozi();
    ocekavane.ikona = 0;
    ocekavane.toolBarHlavni = false;
    EXPECT_EQ(Nacteno(), ocekavane);
}

TEST_F(UlozisteTest, SavingTheViewStateWritesOnlyItsFiveValues) {
    Zmenit(uloziste.Hodnoty());
    ASSERT_EQ(uloziste.UlozitStavZobrazeni(), S_OK);

    std::vector<std::wstring> klice = koren.NazvyPodklicu(L"");
    std::sort(klice.begin(), klice.end());
    EXPECT_EQ(klice, (std::vector<std::wstring>{L"Stav aplikace", L"Zobrazit"}));
    EXPECT_TRUE(koren.NazvyHodnot(L"").empty());
    EXPECT_EQ(koren.NazvyHodnot(L"Stav aplikace").size(), 1u);
    EXPECT_EQ(koren.NazvyHodnot(L"Zobrazit").size(), 4u);

    Nastaveni ocekavane = Vychozi();
    ocekavane.prehravanyIndex = 3;
    ocekavane.cbSeznamZdroju = false;
    ocekavane.ovladaciPanel = false;
    ocekavane.toolBar = 2;
    ocekavane.toolBarHlavni = false;
    EXPECT_EQ(Nacteno(), ocekavane);
}

TEST_F(UlozisteTest, HotkeyValuesAddCommandsAndShortValuesLeaveZeros) {
    koren.Zapsat(kKlicHorkychKlaves, L"40032", REG_BINARY,
                 Bajty{4, 0, 0, 0, 'R', 0, 0, 0, 0, 0, 0, 0, 0x24, 0x4E, 0, 0});
    // Modifiers and the low half of the key only.
    koren.Zapsat(kKlicHorkychKlaves, L"40007", REG_BINARY, {2, 0, 0, 0, 'S', 0});
    // The stored command does not move the record; only the name counts.
    koren.Zapsat(kKlicHorkychKlaves, L"40013", REG_BINARY,
                 Bajty{1, 0, 0, 0, 'M', 0, 0, 0, 0x99, 0x99, 0, 0, 0, 0, 0, 0});

    Nastaveni ocekavane = Vychozi();
    ocekavane.horkeKlavesy.Zaznamy()[1] = {MOD_CONTROL, 'S', 40007, 0};
    ocekavane.horkeKlavesy.Zaznamy()[2] = {MOD_ALT, 'M', 40013, 0};
    ocekavane.horkeKlavesy.Pridat(40032, 0);
    ocekavane.horkeKlavesy.Zaznamy()[10] = {MOD_SHIFT, 'R', 40032, kSkupinaVseobecne};
    EXPECT_EQ(Klavesy(Nacteno()), Klavesy(ocekavane));
}

TEST_F(UlozisteTest, HotkeyNamesAreReadAsNumbersLikeTheShellDoes) {
    const Bajty klavesaK{0, 0, 0, 0, 'K', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    koren.Zapsat(kKlicHorkychKlaves, L"40003x", REG_BINARY, klavesaK);
    koren.Zapsat(kKlicHorkychKlaves, L"40006", REG_BINARY, klavesaK);
    koren.Zapsat(kKlicHorkychKlaves, L"-5", REG_BINARY, klavesaK);
    koren.Zapsat(kKlicHorkychKlaves, L"", REG_BINARY, klavesaK); // an empty name adds nothing

    const std::vector<HorkaKlavesa> klavesy = Klavesy(Nacteno());
    ASSERT_EQ(klavesy.size(), 12u);
    // The values are listed in the registry's order, not in the order they were written.
    std::vector<std::uint32_t> pridane{klavesy[10].prikaz, klavesy[11].prikaz};
    std::sort(pridane.begin(), pridane.end());
    EXPECT_EQ(pridane, (std::vector<std::uint32_t>{40003, 0xFFFFFFFBu}));
    EXPECT_EQ(klavesy[0], (HorkaKlavesa{0, 'K', 40006, 0}));
    // "40003x" names command 40003, whose own value "40003" does not exist.
    const auto it = std::find_if(klavesy.begin(), klavesy.end(),
                                 [](const HorkaKlavesa& k) { return k.prikaz == 40003; });
    EXPECT_EQ(it->klavesa, 0u);
    const auto minus = std::find_if(klavesy.begin(), klavesy.end(),
                                    [](const HorkaKlavesa& k) { return k.prikaz == 0xFFFFFFFBu; });
    EXPECT_EQ(minus->klavesa, static_cast<std::uint32_t>('K'));
}

TEST_F(UlozisteTest, SavingRemovesHotkeyValuesOfCommandsNoLongerInTheTable) {
    koren.Zapsat(kKlicHorkychKlaves, L"40099", REG_BINARY, Bajty(16, 0));
    koren.Zapsat(kKlicHorkychKlaves, L"stary", REG_SZ, BajtyTextu(L"x", true));
    koren.Zapsat(kKlicHorkychKlaves + std::wstring(L"\\Podklic"), L"a", REG_BINARY, {1});
    ASSERT_EQ(uloziste.UlozitVse(), S_OK);

    std::vector<std::wstring> nazvy = koren.NazvyHodnot(kKlicHorkychKlaves);
    std::sort(nazvy.begin(), nazvy.end());
    EXPECT_EQ(nazvy, (std::vector<std::wstring>{L"40001", L"40002", L"40006", L"40007", L"40013",
                                                L"40014", L"40020", L"40021", L"40030", L"40031"}));
    EXPECT_TRUE(koren.NazvyPodklicu(kKlicHorkychKlaves).empty());
}

TEST_F(UlozisteTest, AFailingKeyEndsTheSaveThere) {
    // Wine and Windows refuse a lasting key below a volatile one, so "Ikona\Hlavni\Akce"
    // cannot be created.
    HKEY ikona = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, koren.Cesta(L"Ikona").c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &ikona, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(ikona);

    EXPECT_EQ(uloziste.UlozitVse(), HRESULT_FROM_WIN32(ERROR_CHILD_MUST_BE_VOLATILE));
    EXPECT_EQ(koren.NazvyHodnot(L"").size(), 8u); // the root values went first
    EXPECT_FALSE(koren.Existuje(L"Ikona\\Hlavni\\Akce"));
    EXPECT_FALSE(koren.Existuje(L"Zobrazit"));
    EXPECT_FALSE(koren.Existuje(kKlicHorkychKlaves));
}

TEST_F(UlozisteTest, HotkeyReloadWithoutStoredKeysKeepsTheTable) {
    uloziste.Hodnoty().horkeKlavesy.Zaznamy()[3].klavesa = VK_UP;
    const std::vector<HorkaKlavesa> pred = Klavesy(uloziste.Hodnoty());
    EXPECT_EQ(uloziste.NacistHorkeKlavesy(), 1);
    EXPECT_EQ(Klavesy(uloziste.Hodnoty()), pred);

    ASSERT_EQ(uloziste.UlozitVse(), S_OK);
    uloziste.Hodnoty().horkeKlavesy.Zaznamy()[3].klavesa = VK_DOWN;
    EXPECT_EQ(uloziste.NacistHorkeKlavesy(), S_OK);
    EXPECT_EQ(uloziste.Hodnoty().horkeKlavesy.Zaznamy()[3].klavesa,
              static_cast<std::uint32_t>(VK_UP));
}

} // namespace
