// The recorder's start and stop against a graph double and a window side that records what it
// is told: the order of the graph's steps, what the user is shown, and that a failure anywhere
// leaves nothing running.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "recording/GrafZaznamuNahrada.h"
#include "config/Nastaveni.h"
#include "recording/Nahravac.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/Diagnostika.h"
#include "winapi/OknaTestu.h"

namespace {

using Vrbatec::Nahravac;
using Vrbatec::ZadaniZaznamu;
using Vrbatec::ProfilyZaznamu::Zapisovac;
using Vrbatec::Testy::GrafZaznamuNahrada;
using Vrbatec::Testy::ZaznamGrafu;
using Vrbatec::Testy::ZaznamHlaseni;

constexpr wchar_t kSlozka[] = L"C:\\Zaznamy";

class OkoliNahravace final : public Nahravac::Okoli {
public:
    HRESULT SpustitBlikani() override {
        ++spusteniBlikani;
        return chybaCasovace;
    }
    HRESULT UkoncitBlikani() override {
        ++ukonceniBlikani;
        return chybaCasovace;
    }
    void OznamitNaIkone(const std::wstring& bublina, const std::wstring& tip) override {
        bubliny.push_back(bublina);
        tipy.push_back(tip);
    }
    void ZmenilSeZaznam() override { ++zmen; }

    HRESULT chybaCasovace = S_OK;
    int spusteniBlikani = 0;
    int ukonceniBlikani = 0;
    int zmen = 0;
    std::vector<std::wstring> bubliny;
    std::vector<std::wstring> tipy;
};

class Nahravani : public testing::Test {
protected:
    static void SetUpTestSuite() { Vrbatec::Testy::PripravitProstredkyAplikace(); }

    void SetUp() override { nahravac_.Pripojit(&okoli_); }

    static ZadaniZaznamu Zadani(std::wstring nazev = L"Rádio Jih",
                                Vrbatec::Guid profil = Vrbatec::kVychoziProfil) {
        return {kSlozka, std::move(nazev), {L"Mikrofon", L"", L"\\\\?\\mik"}, profil};
    }

    ZaznamGrafu graf_;
    OkoliNahravace okoli_;
    ZaznamHlaseni hlaseni_;
    std::set<std::wstring> obsazene_;
    Nahravac nahravac_{GrafZaznamuNahrada::Tovarna(graf_),
                       [] {
                           return Vrbatec::NazevZaznamu::Okamzik{5, 12, 2026, 9, 7};
                       },
                       [this](const std::wstring& cesta) { return obsazene_.contains(cesta); }};
};

TEST_F(Nahravani, StartRunsTheGraphStepsInOrderAndShowsTheRecordingOnce) {
    ASSERT_EQ(nahravac_.Spustit(Zadani()), S_OK);

    const std::wstring soubor = L"C:\\Zaznamy\\Rádio Jih 5.12.2026 09-07.wma";
    EXPECT_TRUE(nahravac_.Bezi());
    EXPECT_EQ(nahravac_.Soubor(), soubor);
    EXPECT_EQ(graf_.kroky,
              (std::vector<std::wstring>{L"zarizeni:Mikrofon", L"vystup:" + soubor, L"spustit"}));
    EXPECT_EQ(graf_.vytvorene, std::vector<Zapisovac>{Zapisovac::WindowsMedia});
    EXPECT_EQ(okoli_.spusteniBlikani, 1);
    EXPECT_EQ(okoli_.zmen, 1);
    EXPECT_EQ(okoli_.bubliny,
              std::vector<std::wstring>{
                  L"Byl spuštěn záznam zvuku do souboru\nRádio Jih 5.12.2026 09-07.wma"});
    EXPECT_EQ(okoli_.tipy, std::vector<std::wstring>{
                               L"Probíhá záznam do souboru\nRádio Jih 5.12.2026 09-07.wma"});
    EXPECT_TRUE(hlaseni_.okna.empty());

    // A second start while recording does nothing at all.
    EXPECT_EQ(nahravac_.Spustit(Zadani(L"Jiná")), S_FALSE);
    EXPECT_EQ(graf_.kroky.size(), 3u);
    EXPECT_EQ(okoli_.spusteniBlikani, 1);
    EXPECT_EQ(nahravac_.Soubor(), soubor);
}

TEST_F(Nahravani, StopFinishesTheFileThenEndsTheSignsAndAStoppedRecorderIgnoresStop) {
    ASSERT_EQ(nahravac_.Spustit(Zadani(L"")), S_OK);
    EXPECT_EQ(nahravac_.Soubor(), L"C:\\Zaznamy\\Záznam 5.12.2026 09-07.wma");

    nahravac_.Ukoncit();
    EXPECT_FALSE(nahravac_.Bezi());
    EXPECT_EQ(std::vector<std::wstring>(graf_.kroky.end() - 2, graf_.kroky.end()),
              (std::vector<std::wstring>{L"zastavit", L"konec"}));
    EXPECT_EQ(okoli_.ukonceniBlikani, 1);
    EXPECT_EQ(okoli_.zmen, 2);
    EXPECT_EQ(okoli_.bubliny.back(),
              L"Byl ukončen záznam zvuku do souboru\nZáznam 5.12.2026 09-07.wma");
    EXPECT_EQ(okoli_.tipy.back(), L"") << "the tooltip goes back to the title";

    nahravac_.Ukoncit();
    EXPECT_EQ(okoli_.ukonceniBlikani, 1);
}

// A failure at any step is undone by the graph, shown with the path and the system's words, and
// leaves the recorder idle with no sign of recording; the next start tries afresh.
TEST_F(Nahravani, AFailedStepIsUndoneShownAndChangesNothing) {
    for (const wchar_t* krok : {L"zarizeni", L"vystup", L"spustit"}) {
        SCOPED_TRACE(krok);
        graf_ = {};
        graf_.selhat = krok;
        graf_.chyba = HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
        hlaseni_.okna.clear();

        EXPECT_EQ(nahravac_.Spustit(Zadani()), HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
        EXPECT_FALSE(nahravac_.Bezi());
        ASSERT_GE(graf_.kroky.size(), 2u);
        EXPECT_EQ(std::vector<std::wstring>(graf_.kroky.end() - 2, graf_.kroky.end()),
                  (std::vector<std::wstring>{L"zastavit", L"konec"}));
        ASSERT_EQ(hlaseni_.okna.size(), 1u);
        const std::wstring popis = Vrbatec::PopisHResult(graf_.chyba);
        ASSERT_FALSE(popis.empty());
        EXPECT_EQ(hlaseni_.okna[0].text, L"Došlo k chybě při pokusu o spuštění záznamu do souboru "
                                         L"\"C:\\Zaznamy\\Rádio Jih 5.12.2026 09-07.wma\"\n\n"
                                         L"Systémový popis chyby:\n" +
                                             popis);
    }
    EXPECT_EQ(okoli_.spusteniBlikani, 0);
    EXPECT_EQ(okoli_.zmen, 0);
    EXPECT_TRUE(okoli_.bubliny.empty());
}

// Two recordings of one station in the same minute, and the WAV profile's writer and extension.
TEST_F(Nahravani, ALaterRecordingInTheSameMinuteTakesTheNextFreeNameAndWavRecordsToWav) {
    obsazene_.insert(L"C:\\Zaznamy\\Rádio Jih 5.12.2026 09-07.wav");
    obsazene_.insert(L"C:\\Zaznamy\\Rádio Jih 5.12.2026 09-07 (2).wav");

    ASSERT_EQ(nahravac_.Spustit(Zadani(L"Rádio Jih", Vrbatec::ProfilyZaznamu::kProfilWav)), S_OK);
    EXPECT_EQ(nahravac_.Soubor(), L"C:\\Zaznamy\\Rádio Jih 5.12.2026 09-07 (3).wav");
    EXPECT_EQ(graf_.vytvorene, std::vector<Zapisovac>{Zapisovac::Wav});
}

// A timer that cannot be set is reported, yet the recording goes on and can be stopped; one that
// cannot be ended ends the program.
TEST_F(Nahravani, TimerFailuresReportOrEndTheProgramButTheRecordingStaysStoppable) {
    okoli_.chybaCasovace = HRESULT_FROM_WIN32(ERROR_NO_SYSTEM_RESOURCES);
    EXPECT_EQ(nahravac_.Spustit(Zadani()), HRESULT_FROM_WIN32(ERROR_NO_SYSTEM_RESOURCES));
    EXPECT_TRUE(nahravac_.Bezi());
    EXPECT_EQ(hlaseni_.okna.size(), 1u);
    EXPECT_TRUE(okoli_.bubliny.empty());
    EXPECT_EQ(okoli_.zmen, 1) << "the stop command must become available";

    EXPECT_THROW(nahravac_.Ukoncit(), Vrbatec::Testy::UkonceniProcesu);
    EXPECT_FALSE(nahravac_.Bezi()) << "the file is finished before the program ends";
}

// Without the window (it has closed) a recording still starts and stops, and the recorder's end
// finishes a running one.
TEST_F(Nahravani, WithoutTheWindowRecordingWorksSilentlyAndTheEndFinishesTheFile) {
    nahravac_.Pripojit(nullptr);
    ASSERT_EQ(nahravac_.Spustit(Zadani()), S_OK);
    nahravac_.Dokoncit();
    EXPECT_FALSE(nahravac_.Bezi());
    EXPECT_EQ(graf_.kroky.back(), L"konec");
    EXPECT_EQ(okoli_.spusteniBlikani + okoli_.ukonceniBlikani + okoli_.zmen, 0);

    {
        ZaznamGrafu jiny;
        {
            Nahravac docasny(GrafZaznamuNahrada::Tovarna(jiny));
            ASSERT_EQ(docasny.Spustit(Zadani()), S_OK);
        }
        EXPECT_EQ(std::vector<std::wstring>(jiny.kroky.end() - 2, jiny.kroky.end()),
                  (std::vector<std::wstring>{L"zastavit", L"konec"}));
    }
}

} // namespace
