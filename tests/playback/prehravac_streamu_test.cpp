// The stream engine end to end (se_serverem_a_zvukem.sh): a radio server of the test's own
// (server_icy.py) sends the 440 Hz tone as MP3 or AAC with in-band titles, and the null sink's
// monitor hears what the engine plays. The play states arrive on this thread through its
// messages, so every wait pumps them.
#include "playback/PrehravacStreamu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "playback/MotorTestu.h"
#include "playback/Nahravka.h"
#include "playback/ServerIcy.h"
#include "support/Cekani.h"
#include "support/ZarizeniMonitoru.h"

namespace Vrbatec::Testy {
namespace {

// The tone round and round at its own rate (128 kb/s), a title every `metaint` bytes.
std::wstring AdresaTonu(const std::string& cesta = "/icy", const std::string& dotaz = "") {
    return AdresaNaServeru(
        cesta + "?rychlost=16000&soubor=" + ZakodovatProServer(ZV_TON_MP3_CESTA) + dotaz);
}

// The AAC tone, faster than its rate (about 16.4 kB/s): the engine's writes hold it back.
std::wstring AdresaTonuAac(const std::string& dotaz) {
    return AdresaNaServeru("/icy?rychlost=20000&typ=audio/aacp&soubor=" +
                           ZakodovatProServer(ZV_TON_AAC_CESTA) + dotaz);
}

class PrehravacStreamuTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(PortServeruIcy().empty()) << "no radio server (ZV_SERVER_ICY_PORT)";
        LimityStreamu limity;
        limity.pripojeniMs = 3000;
        limity.cteniMs = 3000;
        limity.prvniOdkladMs = 200;
        prehravac_ =
            VytvoritPrehravacStreamu(::GetModuleHandleW(nullptr), nullptr, posluchac_, limity);
        ASSERT_EQ(S_OK, prehravac_->NastavitHlasitost(100));
    }

    // As the program starts a source: stop, open, play.
    void Spustit(const std::wstring& url) {
        ASSERT_EQ(S_OK, prehravac_->Zastavit());
        posluchac_.stavy.clear();
        ASSERT_EQ(S_OK, prehravac_->OtevritUrl(url));
        ASSERT_EQ(S_OK, prehravac_->Prehrat());
    }

    bool CekatNaStav(std::int32_t stav, DWORD milisekund = 8000) {
        return CekatNa([&] { return posluchac_.Prislo(stav); }, milisekund);
    }

    // Whether Prehrava follows the first ZnovuPripojovani, within 8 s.
    bool HrajeZnovu() {
        // An index, not an iterator: the list grows while waiting.
        const auto& s = posluchac_.stavy;
        const auto znovu = std::find(s.begin(), s.end(), kZnovu) - s.begin();
        return CekatNa([&] { return std::find(s.begin() + znovu, s.end(), kPrehrava) != s.end(); },
                       8000);
    }

    PosluchacMotoru posluchac_;
    std::unique_ptr<Prehravac> prehravac_;
};

TEST_F(PrehravacStreamuTest, ConnectsFillsAndPlaysTheToneInOrder) {
    ASSERT_FALSE(ZarizeniMonitoru().empty()) << "no monitor of the null sink to record";
    Spustit(AdresaTonu());
    ASSERT_TRUE(CekatNaStav(kPrehrava)) << "never played";
    const auto& s = posluchac_.stavy;
    const auto prechod = std::find(s.begin(), s.end(), kPrechod);
    const auto nacitani = std::find(s.begin(), s.end(), kNacitani);
    const auto hraje = std::find(s.begin(), s.end(), kPrehrava);
    EXPECT_TRUE(prechod < nacitani && nacitani < hraje) << "9, then 6, then 3";
    EXPECT_FALSE(posluchac_.Prislo(kPripraven));

    Nahravka nahravka(1500);
    ASSERT_TRUE(nahravka.Nahrat()) << "the recording device failed";
    EXPECT_GT(nahravka.NejvyssiUroven(), 8000.0);
    EXPECT_NEAR(440.0, nahravka.Kmitocet(), 5.0);
}

TEST_F(PrehravacStreamuTest, AnAacStreamIsHeardAsTheToneWithTheServersBitRate) {
    Spustit(AdresaTonuAac("&br=128"));
    ASSERT_TRUE(CekatNaStav(kPrehrava))
        << "never played: " << testing::PrintToString(prehravac_->DuvodSelhani());
    Nahravka nahravka(1500);
    ASSERT_TRUE(nahravka.Nahrat()) << "the recording device failed";
    EXPECT_GT(nahravka.NejvyssiUroven(), 8000.0);
    EXPECT_NEAR(440.0, nahravka.Kmitocet(), 5.0);
    EXPECT_EQ(L"128000", Informace(*prehravac_, L"Bitrate"));

    // ADTS headers carry no bit rate: without the server's it stays unknown.
    Spustit(AdresaTonuAac("&br=0"));
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    EXPECT_EQ(L"", Informace(*prehravac_, L"Bitrate"));
    EXPECT_FALSE(posluchac_.Prislo(kPripraven));
}

TEST_F(PrehravacStreamuTest, AnAacStreamWithoutADecoderEndsUnsupported) {
    // Run alone by a test entry that turns Wine's AAC decoder off.
    if (::GetEnvironmentVariableW(L"ZV_BEZ_DEKODERU_AAC", nullptr, 0) == 0) {
        GTEST_SKIP() << "the system's AAC decoder is there";
    }
    const std::wstring adresa = AdresaTonuAac("&br=128");
    Spustit(adresa);
    ASSERT_TRUE(CekatNaStav(kPripraven));
    EXPECT_FALSE(posluchac_.Prislo(kPrehrava));
    // Offered to another player first; nobody here takes it.
    EXPECT_EQ(std::vector<std::wstring>{adresa}, posluchac_.prevzate);
    EXPECT_EQ(L"Tento formát není podporován.", prehravac_->DuvodSelhani());
}

TEST_F(PrehravacStreamuTest, MutedPlaysSilence) {
    ASSERT_EQ(S_OK, prehravac_->NastavitZtlumeni(true));
    bool ztlumeno = false;
    ASSERT_EQ(S_OK, prehravac_->Ztlumeno(ztlumeno));
    EXPECT_TRUE(ztlumeno);
    Spustit(AdresaTonu());
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    Nahravka nahravka(800);
    ASSERT_TRUE(nahravka.Nahrat());
    EXPECT_LT(nahravka.NejvyssiUroven(), 20.0);
}

TEST_F(PrehravacStreamuTest, TheVolumeFollowsTheCurveWhilePlaying) {
    Spustit(AdresaTonu());
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    Nahravka plna(800);
    ASSERT_TRUE(plna.Nahrat());
    ASSERT_GT(plna.NejvyssiUroven(), 8000.0);
    // Half the volume is about -18 dB; heard once the queued buffers have played.
    ASSERT_EQ(S_OK, prehravac_->NastavitHlasitost(50));
    Pumpovat(800);
    Nahravka polovicni(800);
    ASSERT_TRUE(polovicni.Nahrat());
    const double podil = polovicni.NejvyssiUroven() / plna.NejvyssiUroven();
    EXPECT_GT(podil, 0.08);
    EXPECT_LT(podil, 0.2);
    EXPECT_EQ(E_INVALIDARG, prehravac_->NastavitHlasitost(101));
}

TEST_F(PrehravacStreamuTest, TitleNameAndBitRateOfAUtf8Stream) {
    Spustit(
        AdresaTonu("/icy", "&metaint=4000&titul=" + ZakodovatProServer("Žluťoučký kůň – úpěl")));
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    EXPECT_TRUE(
        CekatNa([&] { return Informace(*prehravac_, L"Title") == L"Žluťoučký kůň – úpěl"; }, 3000))
        << "title: " << Informace(*prehravac_, L"Title").size() << " characters";
    // The station repeats its title every quarter of a second; the listener hears it once.
    Pumpovat(1000);
    EXPECT_EQ(1, posluchac_.zmenTitulu);
    EXPECT_EQ(L"128000", Informace(*prehravac_, L"Bitrate"));
    std::wstring nazev;
    ASSERT_EQ(S_OK, prehravac_->NazevMedia(nazev));
    EXPECT_EQ(L"Zkušební stanice", nazev);
}

TEST_F(PrehravacStreamuTest, TitleInWindows1250) {
    Spustit(AdresaTonu("/http", "&metaint=4000&kodovani=cp1250&titul=" +
                                    ZakodovatProServer("Příliš žluťoučký kůň")));
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    EXPECT_TRUE(
        CekatNa([&] { return Informace(*prehravac_, L"Title") == L"Příliš žluťoučký kůň"; }, 3000));
}

TEST_F(PrehravacStreamuTest, StopSilencesAndReportsStoppedAtOnce) {
    Spustit(AdresaTonu());
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    Pumpovat(300);
    const ULONGLONG pred = ::GetTickCount64();
    ASSERT_EQ(S_OK, prehravac_->Zastavit());
    EXPECT_LT(::GetTickCount64() - pred, 1000u) << "stopping waited";
    ASSERT_FALSE(posluchac_.stavy.empty());
    EXPECT_EQ(kZastaveno, posluchac_.stavy.back());
    // States the worker posted before the stop must not follow the stop.
    Pumpovat(300);
    EXPECT_EQ(kZastaveno, posluchac_.stavy.back());
    // The monitor yields nothing while nothing plays; whatever it yields must be silence.
    Nahravka nahravka(600);
    if (nahravka.Nahrat()) {
        EXPECT_LT(nahravka.NejvyssiUroven(), 20.0);
    }
}

TEST_F(PrehravacStreamuTest, StatesPostedBeforeAStopAreDropped) {
    Spustit(AdresaTonu());
    // Not pumped: the worker's first states wait in this thread's queue.
    ::Sleep(300);
    ASSERT_EQ(S_OK, prehravac_->Zastavit());
    Pumpovat(300);
    EXPECT_EQ(std::vector<std::int32_t>{kZastaveno}, posluchac_.stavy);
}

TEST_F(PrehravacStreamuTest, AWebPageEndsReadyWithItsReason) {
    Spustit(AdresaNaServeru("/stranka"));
    ASSERT_TRUE(CekatNaStav(kPripraven));
    EXPECT_EQ(kPrechod, posluchac_.stavy.front());
    EXPECT_FALSE(posluchac_.Prislo(kPrehrava));
    EXPECT_EQ(L"Server poslal webovou stránku místo zvuku.", prehravac_->DuvodSelhani());
}

TEST_F(PrehravacStreamuTest, PlayAfterAFailureTriesAgain) {
    Spustit(AdresaNaServeru("/stranka"));
    ASSERT_TRUE(CekatNaStav(kPripraven));
    posluchac_.stavy.clear();
    ASSERT_EQ(S_OK, prehravac_->Prehrat());
    ASSERT_TRUE(CekatNaStav(kPripraven));
    EXPECT_EQ(kPrechod, posluchac_.stavy.front());
}

TEST_F(PrehravacStreamuTest, ARedirectToAPlaylistOfNoSoundIsUnsupported) {
    // The playlist names /icy without a file: bytes that are no MP3 at all.
    Spustit(AdresaNaServeru("/presmeruj?kam=/seznam.pls"));
    ASSERT_TRUE(CekatNaStav(kPripraven, 15000));
    EXPECT_EQ(L"Tento formát není podporován.", prehravac_->DuvodSelhani());
}

// Content of another codec goes to whoever takes it, as the user opened it; nobody taking it
// is the unsupported format.
TEST_F(PrehravacStreamuTest, OtherContentIsOfferedAsOpened) {
    for (const bool prevzit : {true, false}) {
        SCOPED_TRACE(prevzit ? "taken" : "refused");
        posluchac_.prevzit = prevzit;
        posluchac_.prevzate.clear();
        const std::wstring adresa = AdresaNaServeru("/presmeruj?kam=/icy%3Ftyp%3Dvideo/x-ms-asf");
        Spustit(adresa);
        ASSERT_TRUE(CekatNa([&] { return !posluchac_.prevzate.empty(); }, 8000));
        EXPECT_EQ(std::vector<std::wstring>{adresa}, posluchac_.prevzate);
        Pumpovat(200);
        EXPECT_EQ(!prevzit, posluchac_.Prislo(kPripraven));
        EXPECT_FALSE(posluchac_.Prislo(kPrehrava));
        EXPECT_EQ(prevzit ? L"" : L"Tento formát není podporován.", prehravac_->DuvodSelhani());
    }
}

TEST_F(PrehravacStreamuTest, ARefusedPortIsUnreachable) {
    Spustit(L"http://127.0.0.1:1/");
    ASSERT_TRUE(CekatNaStav(kPripraven));
    EXPECT_EQ(L"Server není dostupný.", prehravac_->DuvodSelhani());
}

TEST_F(PrehravacStreamuTest, ADropIsFollowedByReconnectingAndPlayingAgain) {
    // Two seconds of the tone per connection, then the server hangs up.
    Spustit(AdresaTonu("/prerusit", "&po=32000"));
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    ASSERT_TRUE(CekatNaStav(kZnovu, 8000)) << "the drop went unnoticed";
    EXPECT_TRUE(HrajeZnovu()) << "did not play on after reconnecting";
    EXPECT_FALSE(posluchac_.Prislo(kPripraven));
}

TEST_F(PrehravacStreamuTest, AStallIsFollowedByReconnectingAndPlayingAgain) {
    // Two seconds of the tone, then silence on an open connection: the read limit (3 s)
    // tells the engine the server has stalled.
    Spustit(AdresaTonu("/zaseknout", "&po=32000"));
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    ASSERT_TRUE(CekatNaStav(kZnovu, 10000)) << "the stall went unnoticed";
    EXPECT_TRUE(HrajeZnovu()) << "did not play on after reconnecting";
    // Stopping a reconnected playback is as prompt as any other.
    const ULONGLONG pred = ::GetTickCount64();
    ASSERT_EQ(S_OK, prehravac_->Zastavit());
    EXPECT_LT(::GetTickCount64() - pred, 1000u);
}

TEST_F(PrehravacStreamuTest, PlayAfterStopOpensTheAddressAgain) {
    Spustit(AdresaTonu());
    ASSERT_TRUE(CekatNaStav(kPrehrava));
    ASSERT_EQ(S_OK, prehravac_->Zastavit());
    posluchac_.stavy.clear();
    ASSERT_EQ(S_OK, prehravac_->Prehrat());
    EXPECT_TRUE(CekatNaStav(kPrehrava));
}

} // namespace
} // namespace Vrbatec::Testy
