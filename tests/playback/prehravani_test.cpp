#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Diagnostika.h"
#include "playback/Prehravani.h"
#include "playback/SkriptovanyPrehravac.h"
#include "support/ZaznamHlaseni.h"
#include "ui/PravidlaNabidek.h"

namespace Vrbatec {
namespace {

using Testy::SkriptovanyPrehravac;
using Volani = std::vector<std::wstring>;

// The main window as a list of what it was told.
class ZaznamOkoli final : public Prehravani::Okoli {
public:
    HWND HlavniOkno() const override { return okno; }
    int VybranyIndex() const override { return vybrany; }
    void VybratIndex(int index) override {
        vybrany = index;
        ++vyberu;
    }
    void AktualizovatStavPrikazu() override { ++aktualizaci; }
    void NastavitTitulek(const std::wstring& text) override { titulek = text; }
    void NastavitIkonuPrehravani(bool prehrava) override { ikonaPrehravani = prehrava; }
    void NastavitTextStavu(const std::wstring& text) override {
        textStavu = text;
        zobrazeneTexty.push_back(text);
    }
    void ZnovuZobrazitTextStavu() override { zobrazeneTexty.push_back(textStavu); }
    void NastavitTextZtlumeni(bool ztlumeno) override {
        textZtlumeni = Ui::PravidlaNabidek::TextZtlumeni(ztlumeno);
    }
    void NastavitTipIkony(const std::wstring& tip) override { tipIkony = tip; }
    void ObnovitTlacitkaNahledu() override { ++obnoveniNahledu; }
    void UkazatHlasitostNaPanelu(std::uint32_t hlasitost) override { panelHlasitost = hlasitost; }
    void UkazatZtlumeniNaPanelu(bool ztlumeno) override { panelZtlumeni = ztlumeno; }

    HWND okno = ::GetDesktopWindow();
    int vybrany = -1;
    int vyberu = 0;
    int aktualizaci = 0;
    int obnoveniNahledu = 0;
    std::wstring titulek;
    std::optional<bool> ikonaPrehravani;
    std::wstring textStavu = L"Zvukolet - připraven";
    std::vector<std::wstring> zobrazeneTexty;
    std::wstring textZtlumeni = L"Ztlumit zvuk";
    std::wstring tipIkony;
    std::optional<std::uint32_t> panelHlasitost;
    std::optional<bool> panelZtlumeni;
};

class PrehravaniTest : public ::testing::Test {
protected:
    void PridatZdroj(const wchar_t* nazev, const wchar_t* url, std::int32_t hlasitost) {
        zdroje.Pridat(nazev, url, false);
        zdroje.NastavitHlasitost(zdroje.Pocet() - 1, hlasitost);
    }
    // The player calls since the last look.
    Volani NovaVolani() {
        if (prehravac == nullptr) {
            return {};
        }
        Volani nova(prehravac->volani.begin() + static_cast<std::ptrdiff_t>(videnychVolani),
                    prehravac->volani.end());
        videnychVolani = prehravac->volani.size();
        return nova;
    }
    void SpustitVybrany(int index) {
        okoli.vybrany = index;
        prehravani.Spustit();
    }

    Testy::ZaznamHlaseni hlaseni;
    SeznamZdroju zdroje{[](std::int32_t) { throw std::logic_error("index outside the list"); }};
    Nastaveni nastaveni;
    // "prehravanyIndex" as each save found it.
    std::vector<std::int32_t> ulozeneIndexy;
    HRESULT vysledekUlozeni = S_OK;
    SkriptovanyPrehravac::Skript skript;
    HRESULT chybaTovarny = S_OK;
    bool tovarnaNemaPrehravac = false;
    int vytvoreno = 0;
    HWND rodicPrehravace = nullptr;
    SkriptovanyPrehravac* prehravac = nullptr;
    std::size_t videnychVolani = 0;
    ZaznamOkoli okoli;
    Prehravani prehravani{
        okoli,
        [this](HWND rodic, PosluchacPrehravace& posluchac) -> std::unique_ptr<Prehravac> {
            ++vytvoreno;
            rodicPrehravace = rodic;
            if (FAILED(chybaTovarny)) {
                VyhoditHResult(chybaTovarny);
            }
            if (tovarnaNemaPrehravac) {
                return nullptr;
            }
            auto novy = std::make_unique<SkriptovanyPrehravac>(posluchac, skript);
            prehravac = novy.get();
            videnychVolani = 0;
            return novy;
        },
        {.zdroje = zdroje,
         .nastaveni = nastaveni,
         .ulozitStavZobrazeni =
             [this] {
                 ulozeneIndexy.push_back(nastaveni.prehravanyIndex);
                 return vysledekUlozeni;
             },
         .nazevAplikace = L"Zvukolet"}};
};

TEST_F(PrehravaniTest, StartWithoutAValidSelectionOnlyShowsTheIndexMessage) {
    prehravani.Spustit();
    PridatZdroj(L"Vltava", L"http://vltava", 0);
    SpustitVybrany(1);

    ASSERT_EQ(hlaseni.okna.size(), 2u);
    for (const auto& okno : hlaseni.okna) {
        EXPECT_EQ(okno.text, L"Index položky je mimo rozsah pole");
        EXPECT_NE(okno.typ & MB_ICONERROR, 0u);
    }
    EXPECT_EQ(vytvoreno, 0);
    EXPECT_TRUE(ulozeneIndexy.empty());
    EXPECT_EQ(prehravani.PrehravanyIndex(), -1);
    EXPECT_EQ(okoli.aktualizaci, 0);
    EXPECT_TRUE(okoli.titulek.empty());
}

TEST_F(PrehravaniTest, StartCreatesThePlayerPlaysTheSourceAndRemembersIt) {
    nastaveni.sekundBufferu = 60;
    PridatZdroj(L"Radiožurnál", L"http://rz", 0);
    PridatZdroj(L"Vltava", L"http://vltava", 75);
    SpustitVybrany(1);

    EXPECT_EQ(rodicPrehravace, okoli.okno);
    EXPECT_EQ(NovaVolani(), (Volani{L"buffer 60000", L"volume 50", L"stop", L"url http://vltava",
                                    L"volume 75", L"play"}));
    EXPECT_EQ(nastaveni.hlasitost, 75u);
    EXPECT_EQ(okoli.panelHlasitost, 75u);
    EXPECT_EQ(prehravani.PrehravanyIndex(), 1);
    EXPECT_EQ(prehravani.PrehravanyNazev(), L"Vltava");
    EXPECT_EQ(ulozeneIndexy, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(okoli.titulek, L"Vltava - Zvukolet");
    EXPECT_EQ(okoli.tipIkony, L"Zvukolet\nVltava");
    EXPECT_EQ(okoli.ikonaPrehravani, true);
    EXPECT_EQ(okoli.aktualizaci, 1);
    EXPECT_TRUE(hlaseni.okna.empty());

    // The second source keeps the volume it found; the player is not made again.
    SpustitVybrany(0);
    EXPECT_EQ(vytvoreno, 1);
    EXPECT_EQ(NovaVolani(), (Volani{L"stop", L"url http://rz", L"play"}));
    EXPECT_EQ(nastaveni.hlasitost, 75u);
    EXPECT_EQ(ulozeneIndexy, (std::vector<std::int32_t>{1, 0}));
}

TEST_F(PrehravaniTest, OnlyASourceVolumeFromOneToAHundredIsApplied) {
    for (const std::int32_t hlasitost : {0, -1, 101}) {
        PridatZdroj(L"Bez", L"http://bez", hlasitost);
    }
    PridatZdroj(L"Nahlas", L"http://nahlas", 100);
    for (int index = 0; index < 3; ++index) {
        SpustitVybrany(index);
        EXPECT_EQ(NovaVolani().size(), index == 0 ? 5u : 3u) << index; // no volume call
        EXPECT_EQ(nastaveni.hlasitost, 50u);
        EXPECT_FALSE(okoli.panelHlasitost.has_value());
    }
    SpustitVybrany(3);
    EXPECT_EQ(nastaveni.hlasitost, 100u);
    EXPECT_EQ(okoli.panelHlasitost, 100u);
}

TEST_F(PrehravaniTest, PlayingFromTheSubmenuSelectsTheSourceButIsNotRemembered) {
    PridatZdroj(L"Radiožurnál", L"http://rz", 0);
    PridatZdroj(L"Vltava", L"http://vltava", 0);
    SpustitVybrany(0);
    ulozeneIndexy.clear();
    NovaVolani();

    EXPECT_EQ(prehravani.PrehratZdroj(1), S_OK);
    EXPECT_EQ(NovaVolani(), (Volani{L"stop", L"url http://vltava", L"play"}));
    EXPECT_EQ(okoli.vybrany, 1);
    EXPECT_EQ(prehravani.PrehravanyIndex(), 1);
    EXPECT_TRUE(ulozeneIndexy.empty());
    EXPECT_EQ(nastaveni.prehravanyIndex, 0);
    EXPECT_EQ(prehravani.PrehravanyNazev(), L"Radiožurnál");
    EXPECT_EQ(okoli.titulek, L"Vltava - Zvukolet");
    EXPECT_EQ(okoli.tipIkony, L"Zvukolet\nVltava");

    const int vyberu = okoli.vyberu;
    for (const int mimo : {-1, 2, 1000}) {
        EXPECT_EQ(prehravani.PrehratZdroj(mimo), E_INVALIDARG) << mimo;
    }
    EXPECT_TRUE(NovaVolani().empty());
    EXPECT_EQ(okoli.vyberu, vyberu);
    EXPECT_EQ(prehravani.PrehravanyIndex(), 1);
    EXPECT_TRUE(hlaseni.okna.empty());
}

TEST_F(PrehravaniTest, AnOpenedAddressPlaysOutsideTheListAndNamesTheBitRateText) {
    PridatZdroj(L"Vltava", L"http://vltava", 0);
    SpustitVybrany(0);
    okoli.tipIkony.clear();
    skript.bitovaRychlost = L"128000";
    prehravac = nullptr;
    prehravani.ZrusitPrehravac();

    prehravani.PrehratAdresu(L"http://jinde/stream");
    EXPECT_EQ(vytvoreno, 2);
    EXPECT_EQ(NovaVolani(),
              (Volani{L"buffer 5000", L"volume 50", L"stop", L"url http://jinde/stream", L"play"}));
    EXPECT_EQ(prehravani.PrehravanyIndex(), -1);
    EXPECT_EQ(prehravani.OtevrenaAdresa(), L"http://jinde/stream");
    EXPECT_EQ(okoli.titulek, L"http://jinde/stream - Zvukolet");
    EXPECT_EQ(okoli.ikonaPrehravani, true);
    EXPECT_TRUE(okoli.tipIkony.empty());

    prehravac->Oznamit(3);
    EXPECT_EQ(okoli.textStavu, L"Přehrávání - 128 kb/s - http://jinde/stream");
    prehravac->Oznamit(10);
    EXPECT_TRUE(prehravani.OtevrenaAdresa().empty());
    prehravac->Oznamit(3);
    EXPECT_EQ(okoli.textStavu, L"Přehrávání - 128 kb/s - Vltava");
}

TEST_F(PrehravaniTest, ReopeningTheSameAddressSurvivesTheStoppedStateFiredByStop) {
    skript.stavPriZastaveni = true;
    prehravani.PrehratAdresu(L"C:\\hudba.mp3");
    prehravani.PrehratAdresu(prehravani.OtevrenaAdresa());
    EXPECT_EQ(prehravac->volani.back(), L"play");
    EXPECT_EQ(prehravac->volani[prehravac->volani.size() - 2], L"url C:\\hudba.mp3");
    EXPECT_EQ(prehravani.OtevrenaAdresa(), L"C:\\hudba.mp3");
}

TEST_F(PrehravaniTest, StopEndsPlaybackButTheControlsOwnEndDoesNot) {
    prehravani.Zastavit();
    EXPECT_EQ(vytvoreno, 0);
    EXPECT_TRUE(okoli.titulek.empty());

    PridatZdroj(L"Vltava", L"http://vltava", 0);
    SpustitVybrany(0);
    prehravac->Oznamit(8);
    EXPECT_EQ(prehravani.PrehravanyIndex(), 0);
    EXPECT_EQ(prehravani.PrehravanyNazev(), L"Vltava");
    NovaVolani();

    const int aktualizaci = okoli.aktualizaci;
    prehravani.Zastavit();
    EXPECT_EQ(NovaVolani(), (Volani{L"stop"}));
    EXPECT_EQ(prehravani.PrehravanyIndex(), -1);
    EXPECT_TRUE(prehravani.PrehravanyNazev().empty());
    EXPECT_EQ(okoli.titulek, L"Zvukolet");
    EXPECT_EQ(okoli.ikonaPrehravani, false);
    EXPECT_EQ(okoli.aktualizaci, aktualizaci + 1);
}

TEST_F(PrehravaniTest, MuteToggledTwiceComesBackToTheFirstState) {
    EXPECT_FALSE(prehravani.Ztlumeno());
    prehravani.PrepnoutZtlumeni(); // no player yet: nothing to mute
    EXPECT_EQ(vytvoreno, 0);
    EXPECT_EQ(okoli.obnoveniNahledu, 0);

    prehravani.VytvoritPrehravac();
    NovaVolani();
    prehravani.PrepnoutZtlumeni();
    EXPECT_TRUE(prehravani.Ztlumeno());
    EXPECT_EQ(okoli.textZtlumeni, L"Zapnout zvuk");
    EXPECT_EQ(okoli.panelZtlumeni, true);
    prehravani.PrepnoutZtlumeni();
    EXPECT_FALSE(prehravani.Ztlumeno());
    EXPECT_EQ(okoli.textZtlumeni, L"Ztlumit zvuk");
    EXPECT_EQ(okoli.panelZtlumeni, false);
    EXPECT_EQ(okoli.obnoveniNahledu, 2);
    EXPECT_EQ(NovaVolani(), (Volani{L"mute on", L"mute off"}));
}

TEST_F(PrehravaniTest, MuteStillTogglesWhenTheControlCannotTellItsState) {
    skript.cteniZtlumeni = E_NOTIMPL;
    prehravani.VytvoritPrehravac();
    NovaVolani();
    prehravani.PrepnoutZtlumeni();
    prehravani.PrepnoutZtlumeni();
    prehravani.PrepnoutZtlumeni();
    EXPECT_EQ(NovaVolani(), (Volani{L"mute on", L"mute off", L"mute on"}));
    EXPECT_TRUE(prehravani.Ztlumeno());

    // A new control starts unmuted.
    prehravani.ZrusitPrehravac();
    EXPECT_FALSE(prehravani.Ztlumeno());
    prehravani.VytvoritPrehravac();
    EXPECT_FALSE(prehravani.Ztlumeno());
}

TEST_F(PrehravaniTest, VolumeStepsStopAtTheEndsAndAZeroStepDoesNothing) {
    prehravani.VytvoritPrehravac();
    NovaVolani();
    nastaveni.hlasitost = 99;
    prehravani.ZvysitHlasitost();
    EXPECT_EQ(nastaveni.hlasitost, 100u);
    EXPECT_EQ(okoli.panelHlasitost, 100u);
    nastaveni.hlasitost = 1;
    prehravani.SnizitHlasitost();
    EXPECT_EQ(nastaveni.hlasitost, 0u);
    EXPECT_EQ(NovaVolani(), (Volani{L"volume 100", L"volume 0"}));

    okoli.panelHlasitost.reset();
    for (const std::uint32_t krok : {0u, 101u}) {
        nastaveni.krokZmenyHlasitosti = krok;
        prehravani.ZvysitHlasitost();
        prehravani.SnizitHlasitost();
    }
    EXPECT_EQ(nastaveni.hlasitost, 0u);
    EXPECT_TRUE(NovaVolani().empty());
    EXPECT_FALSE(okoli.panelHlasitost.has_value());
    EXPECT_FALSE(prehravani.Ztlumeno());
}

TEST_F(PrehravaniTest, WithoutSettingsOrNetworkObjectsThoseStepsAreSkipped) {
    skript.maNastaveni = false;
    skript.maSit = false;
    nastaveni.hlasitost = 40;
    PridatZdroj(L"Vltava", L"http://vltava", 75);
    SpustitVybrany(0);
    EXPECT_EQ(NovaVolani(), (Volani{L"stop", L"url http://vltava", L"play"}));
    EXPECT_EQ(nastaveni.hlasitost, 40u);
    EXPECT_FALSE(okoli.panelHlasitost.has_value());
    EXPECT_EQ(prehravani.PrehravanyIndex(), 0);

    // The volume commands still move the current volume and the panel.
    prehravani.ZvysitHlasitost();
    EXPECT_EQ(nastaveni.hlasitost, 42u);
    EXPECT_EQ(okoli.panelHlasitost, 42u);
    prehravani.PrepnoutZtlumeni();
    EXPECT_TRUE(NovaVolani().empty());
    EXPECT_EQ(okoli.obnoveniNahledu, 0);
}

TEST_F(PrehravaniTest, EachPlayStateSetsItsTextOrShowsThePreviousOneAgain) {
    PridatZdroj(L"Vltava", L"http://vltava", 0);
    skript.bitovaRychlost = L"128000";
    SpustitVybrany(0);
    for (const std::int32_t stav : {6, 3, 11, 6, 3, 4, 5, 0, 12, -1, 2, 7, 8, 9, 10, 1}) {
        prehravac->Oznamit(stav);
    }
    const std::wstring tok = L"Přehrávání - 128 kb/s - Vltava";
    EXPECT_EQ(okoli.zobrazeneTexty,
              (std::vector<std::wstring>{
                  L"Načítání do bufferu...", tok, L"Znovu připojuji k vysílání",
                  L"Načítání do bufferu...", tok, tok, tok, tok, tok, tok, L"Přerušeno", L"Čekání",
                  L"Konec vysílání", L"Připravuji data", L"Připraven k přehrávání", L"Zastaveno"}));
    EXPECT_TRUE(prehravani.PrehravanyNazev().empty());
    EXPECT_EQ(prehravani.PrehravanyIndex(), 0);
}

TEST_F(PrehravaniTest, TheBitRateTextTakesTheLeadingDigitsAndFallsBackToPlainPlaying) {
    PridatZdroj(L"Vltava", L"http://vltava", 0);
    struct Pripad {
        const wchar_t* bitovaRychlost;
        HRESULT vysledek;
        int vybrany;
        const wchar_t* text;
    };
    for (const Pripad p : {Pripad{L"64999", S_OK, 0, L"Přehrávání - 64 kb/s - Vltava"},
                           Pripad{L"", S_OK, 0, L"Přehrávání - 0 kb/s - Vltava"},
                           Pripad{L"0", S_OK, 0, L"Přehrávání - 0 kb/s - Vltava"},
                           Pripad{L"128000", S_OK, 1, L"Přehrávání - 128 kb/s - "},
                           Pripad{L"128000", S_OK, -1, L"Přehrávání - 128 kb/s - "},
                           Pripad{L"128000", E_FAIL, 0, L"Přehrávání"}}) {
        skript.bitovaRychlost = p.bitovaRychlost;
        skript.informaceMedia = p.vysledek;
        prehravani.ZrusitPrehravac();
        prehravani.VytvoritPrehravac();
        okoli.vybrany = p.vybrany;
        prehravac->Oznamit(3);
        EXPECT_EQ(okoli.textStavu, p.text) << p.bitovaRychlost << " " << p.vybrany;
    }
}

TEST_F(PrehravaniTest, APlayerThatCannotBeMadeEndsTheProgramAndAMissingOneStopsTheCommand) {
    PridatZdroj(L"Vltava", L"http://vltava", 0);
    tovarnaNemaPrehravac = true;
    SpustitVybrany(0);
    EXPECT_EQ(vytvoreno, 1);
    EXPECT_EQ(prehravani.PrehravanyIndex(), -1);
    EXPECT_TRUE(ulozeneIndexy.empty());
    EXPECT_EQ(prehravani.AktualniPrehravac(), nullptr);

    chybaTovarny = REGDB_E_CLASSNOTREG;
    try {
        SpustitVybrany(0);
        ADD_FAILURE() << "the program went on without its player";
    } catch (const Testy::UkonceniProcesu& konec) {
        EXPECT_EQ(konec.kod, static_cast<UINT>(-1));
    }
    ASSERT_EQ(hlaseni.okna.size(), 1u);
    EXPECT_NE(hlaseni.okna[0].text.find(PopisHResult(REGDB_E_CLASSNOTREG)), std::wstring::npos);
}

TEST_F(PrehravaniTest, AFailureInsideACommandIsShownAndLeavesThePlaybackAsItWas) {
    PridatZdroj(L"Vltava", L"http://vltava", 0);
    SpustitVybrany(0);
    ulozeneIndexy.clear();
    prehravani.ZrusitPrehravac();
    skript.vyjimkaPriZastaveni = E_UNEXPECTED;
    prehravani.VytvoritPrehravac();

    prehravani.Zastavit();
    SpustitVybrany(0);
    ASSERT_EQ(hlaseni.okna.size(), 2u);
    EXPECT_NE(hlaseni.okna[0].text.find(PopisHResult(E_UNEXPECTED)), std::wstring::npos);
    EXPECT_EQ(prehravani.PrehravanyIndex(), 0);
    EXPECT_EQ(prehravani.PrehravanyNazev(), L"Vltava");
    EXPECT_TRUE(ulozeneIndexy.empty());

    // A failed save is shown, and playback goes on.
    skript.vyjimkaPriZastaveni = S_OK;
    prehravani.ZrusitPrehravac();
    vysledekUlozeni = E_ACCESSDENIED;
    SpustitVybrany(0);
    ASSERT_EQ(hlaseni.okna.size(), 3u);
    EXPECT_NE(hlaseni.okna[2].text.find(PopisHResult(E_ACCESSDENIED)), std::wstring::npos);
    EXPECT_EQ(prehravani.PrehravanyIndex(), 0);
    EXPECT_EQ(okoli.ikonaPrehravani, true);
}

} // namespace
} // namespace Vrbatec
