#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "winapi/Diagnostika.h"
#include "playback/Prehravani.h"
#include "playback/SkriptovanyPrehravac.h"
#include "support/ZaznamHlaseni.h"
#include "ui/PravidlaNabidek.h"

namespace Vrbatec {
namespace {

using Testy::SkriptovanyPrehravac;
using Texty = std::vector<std::wstring>;

// The main window as a record of what it was told.
struct ZaznamOkoli final : Prehravani::Okoli {
    HWND HlavniOkno() const override { return ::GetDesktopWindow(); }
    int VybranyIndex() const override { return vybrany; }
    void VybratIndex(int index) override { vybrany = index; }
    void AktualizovatStavPrikazu() override { ++aktualizaci; }
    void NastavitTitulek(const std::wstring& text) override { titulek = text; }
    void NastavitIkonuPrehravani(bool prehrava) override { ikonaPrehravani = prehrava; }
    void NastavitTextStavu(const std::wstring& text) override { texty.push_back(text); }
    void ZnovuZobrazitTextStavu() override { texty.push_back(texty.empty() ? L"" : texty.back()); }
    void NastavitTextZtlumeni(bool z) override {
        textZtlumeni = Ui::PravidlaNabidek::TextZtlumeni(z);
    }
    void UkazatHlasitostNaPanelu(std::uint32_t h) override { panelHlasitost = h; }
    void UkazatZtlumeniNaPanelu(bool z) override { panelZtlumeni = z; }
    void NastavitTipIkony(const std::wstring& tip) override { tipIkony = tip; }

    int vybrany = -1, aktualizaci = 0;
    std::wstring titulek, textZtlumeni, tipIkony;
    std::optional<bool> ikonaPrehravani, panelZtlumeni;
    std::optional<std::uint32_t> panelHlasitost;
    Texty texty;
};

class PrehravaniTest : public ::testing::Test {
protected:
    void Pridat(const wchar_t* nazev, std::int32_t hlasitost) {
        zdroje.Pridat(nazev, std::wstring(L"http://") + nazev, false);
        zdroje.NastavitHlasitost(zdroje.Pocet() - 1, hlasitost);
    }
    void Spustit(int vybrany) {
        okoli.vybrany = vybrany;
        prehravani.Spustit();
    }
    // The player's calls since the last look.
    Texty Volani() { return prehravac ? std::exchange(prehravac->volani, {}) : Texty{}; }

    Testy::ZaznamHlaseni hlaseni;
    SeznamZdroju zdroje{[](std::int32_t) { throw std::logic_error("index outside the list"); }};
    Nastaveni nastaveni;
    std::vector<std::int32_t> ulozeno; // "prehravanyIndex" at each save
    SkriptovanyPrehravac::Skript skript;
    HRESULT chybaTovarny = S_OK;
    int vytvoreno = 0;
    SkriptovanyPrehravac* prehravac = nullptr;
    ZaznamOkoli okoli;
    Prehravani prehravani{okoli,
                          [this](HWND, PosluchacPrehravace& posluchac) {
                              ++vytvoreno;
                              if (FAILED(chybaTovarny)) {
                                  VyhoditHResult(chybaTovarny);
                              }
                              auto novy = std::make_unique<SkriptovanyPrehravac>(posluchac, skript);
                              prehravac = novy.get();
                              return std::unique_ptr<Prehravac>(std::move(novy));
                          },
                          {.zdroje = zdroje,
                           .nastaveni = nastaveni,
                           .ulozitStavZobrazeni =
                               [this] {
                                   ulozeno.push_back(nastaveni.prehravanyIndex);
                                   return S_OK;
                               },
                           .nazevAplikace = L"Zvukolet"}};
};

TEST_F(PrehravaniTest, StartWithoutAValidSelectionOnlyShowsTheIndexMessage) {
    Pridat(L"Vltava", 0);
    Spustit(1);
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_EQ(hlaseni.okna[0].text, L"Index položky je mimo rozsah pole");
    EXPECT_EQ(vytvoreno + ulozeno.size() + okoli.aktualizaci, 0u);
}

TEST_F(PrehravaniTest, StartPlaysTheSourceWithItsOwnVolumeAndRemembersItUntilStopped) {
    nastaveni.sekundBufferu = 60;
    Pridat(L"Bez", 0);
    Pridat(L"Vltava", 75);
    Spustit(1);
    EXPECT_EQ(Volani(), (Texty{L"buffer 60000", L"volume 50", L"stop", L"url http://Vltava",
                               L"volume 75", L"play"}));
    EXPECT_EQ(nastaveni.hlasitost, 75u);
    EXPECT_EQ(okoli.panelHlasitost, 75u);
    EXPECT_EQ(ulozeno, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(okoli.tipIkony, L"Zvukolet\nVltava");
    EXPECT_TRUE(okoli.ikonaPrehravani.value_or(false) && okoli.aktualizaci == 1);

    Spustit(0); // volume 0 is none of its own
    EXPECT_EQ(Volani(), (Texty{L"stop", L"url http://Bez", L"play"}));
    EXPECT_EQ(nastaveni.hlasitost, 75u);
    prehravani.Zastavit();
    EXPECT_EQ(Volani(), (Texty{L"stop"}));
    EXPECT_EQ(prehravani.PrehravanyIndex(), -1);
    EXPECT_TRUE(prehravani.PrehravanyNazev().empty() && okoli.titulek == L"Zvukolet");
    EXPECT_EQ(okoli.ikonaPrehravani, false);
}

TEST_F(PrehravaniTest, TheSubmenuAndAnOpenedAddressAreNotRemembered) {
    Pridat(L"Bez", 0);
    Pridat(L"Vltava", 0);
    Spustit(0);
    Volani();
    EXPECT_EQ(prehravani.PrehratZdroj(1), S_OK);
    EXPECT_EQ(Volani(), (Texty{L"stop", L"url http://Vltava", L"play"}));
    EXPECT_EQ(prehravani.PrehravanyIndex(), 1);
    EXPECT_EQ(prehravani.PrehravanyNazev(), L"Bez");
    EXPECT_EQ(prehravani.PrehratZdroj(2), E_INVALIDARG);

    prehravani.PrehratAdresu(L"C:\\a.mp3");
    EXPECT_EQ(Volani(), (Texty{L"stop", L"url C:\\a.mp3", L"play"}));
    EXPECT_EQ(prehravani.PrehravanyIndex(), -1);
    EXPECT_EQ(okoli.titulek, L"C:\\a.mp3 - Zvukolet");
    EXPECT_EQ(prehravani.TipIkony(), L"Zvukolet\nVltava");
    EXPECT_EQ(ulozeno.size(), 1u);
}

TEST_F(PrehravaniTest, MuteToggledTwiceComesBackAlsoWhenTheControlCannotTell) {
    const int aktualizaciPred = okoli.aktualizaci;
    for (const HRESULT cteni : {S_OK, E_NOTIMPL}) {
        skript.cteniZtlumeni = cteni;
        prehravani.ZrusitPrehravac();
        prehravani.VytvoritPrehravac();
        Volani();
        prehravani.PrepnoutZtlumeni();
        EXPECT_TRUE(prehravani.Ztlumeno());
        prehravani.PrepnoutZtlumeni();
        EXPECT_FALSE(prehravani.Ztlumeno());
        EXPECT_EQ(okoli.textZtlumeni, L"Ztlumit zvuk");
        EXPECT_EQ(okoli.panelZtlumeni, false);
        EXPECT_EQ(Volani(), (Texty{L"mute on", L"mute off"}));
    }
    // Every change of mute refreshes the command states (the thumbnail's mute button with them).
    EXPECT_EQ(okoli.aktualizaci - aktualizaciPred, 4);
}

TEST_F(PrehravaniTest, VolumeStepsStopAtTheEndsOfTheRangeAndReachThePlayer) {
    prehravani.VytvoritPrehravac();
    nastaveni.hlasitost = 99;
    prehravani.ZvysitHlasitost();
    nastaveni.hlasitost = 1;
    prehravani.SnizitHlasitost();
    nastaveni.krokZmenyHlasitosti = 0;
    prehravani.ZvysitHlasitost();
    EXPECT_EQ(Volani(), (Texty{L"buffer 5000", L"volume 50", L"volume 100", L"volume 0"}));
    EXPECT_EQ(okoli.panelHlasitost, 0u);
}

TEST_F(PrehravaniTest, PlayStatesSetTheirTextsAndTheBitRateNamesWhatPlays) {
    Pridat(L"Vltava", 0);
    skript.bitovaRychlost = L"128000";
    Spustit(0);
    for (const std::int32_t stav : {6, 3, 11, 4, 0, 12, 2, 7, 8, 9, 10, 1}) {
        prehravac->Oznamit(stav);
    }
    const std::wstring tok = L"Přehrávání - 128 kb/s - Vltava",
                       znovu = L"Znovu připojuji k vysílání";
    EXPECT_EQ(okoli.texty, (Texty{L"Načítání do bufferu...", tok, znovu, znovu, znovu, znovu,
                                  L"Přerušeno", L"Čekání", L"Konec vysílání", L"Připravuji data",
                                  L"Připraven k přehrávání", L"Zastaveno"}));

    prehravani.PrehratAdresu(L"http://jinde");
    prehravac->Oznamit(3);
    EXPECT_EQ(okoli.texty.back(), L"Přehrávání - 128 kb/s - http://jinde");
}

// A stream's title joins what the status bar and the icon say while it plays, and goes when
// playback ends; a failure the player can explain is shown with its reason.
TEST_F(PrehravaniTest, AStreamsTitleAndAFailuresReasonAreShown) {
    Pridat(L"Vltava", 0);
    skript.bitovaRychlost = L"128000";
    Spustit(0);
    prehravac->Oznamit(3);
    EXPECT_EQ(okoli.texty.back(), L"Přehrávání - 128 kb/s - Vltava");
    prehravac->skript.titul = L"Píseň";
    prehravac->Posluchac().PriZmeneTitulu();
    EXPECT_EQ(okoli.texty.back(), L"Přehrávání - 128 kb/s - Vltava – Píseň");
    EXPECT_EQ(okoli.tipIkony, L"Zvukolet\nVltava – Píseň");

    // While reconnecting the state's text stays; the tooltip follows the title.
    prehravac->Oznamit(11);
    prehravac->skript.titul = L"Jiná";
    prehravac->Posluchac().PriZmeneTitulu();
    EXPECT_EQ(okoli.texty.back(), L"Znovu připojuji k vysílání");
    EXPECT_EQ(okoli.tipIkony, L"Zvukolet\nVltava – Jiná");
    prehravac->Oznamit(3);
    EXPECT_EQ(okoli.texty.back(), L"Přehrávání - 128 kb/s - Vltava – Jiná");

    prehravac->Oznamit(1);
    EXPECT_EQ(okoli.tipIkony, L"Zvukolet\nVltava");
    prehravac->Oznamit(3);
    EXPECT_EQ(okoli.texty.back(), L"Přehrávání - 128 kb/s - Vltava");

    prehravac->skript.duvodSelhani = L"Server není dostupný.";
    prehravac->Oznamit(10);
    EXPECT_EQ(okoli.texty.back(), L"Server není dostupný.");
}

TEST_F(PrehravaniTest, NoControlEndsTheProgramOtherFailuresAreShownAndChangeNothing) {
    Pridat(L"Vltava", 0);
    Spustit(0);
    prehravac->skript.vyjimkaPriZastaveni = E_UNEXPECTED;
    prehravani.Zastavit();
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_NE(hlaseni.okna[0].text.find(PopisHResult(E_UNEXPECTED)), std::wstring::npos);
    EXPECT_EQ(prehravani.PrehravanyIndex(), 0);

    prehravani.ZrusitPrehravac();
    chybaTovarny = REGDB_E_CLASSNOTREG;
    EXPECT_THROW(Spustit(0), Testy::UkonceniProcesu);
    ASSERT_EQ(hlaseni.okna.size(), 2u);
    EXPECT_NE(hlaseni.okna[1].text.find(PopisHResult(REGDB_E_CLASSNOTREG)), std::wstring::npos);
}

} // namespace
} // namespace Vrbatec
