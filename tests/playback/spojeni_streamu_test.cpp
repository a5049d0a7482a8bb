// Both connections against a radio server of the test's own (server_icy.py, started by
// se_serverem_icy.sh, port in ZV_SERVER_ICY_PORT): the answer as the engine parses it, the
// request headers as the server receives them, and a silent server, a dropped connection, a
// cancel, a refused port and an unknown host each giving their own result in time. WinHTTP is
// reached over plain http; https itself needs a TLS server.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "playback/DemultiplexorIcy.h"
#include "playback/OdpovedHttp.h"
#include "playback/SpojeniStreamu.h"
#include "playback/ServerIcy.h"
#include "playback/TitulStreamu.h"
#include "res/resource.h"
#include "support/ServerHttp.h"

namespace {

using namespace Vrbatec::Stream;
using Hodiny = std::chrono::steady_clock;

std::uint16_t PortServeru() {
    char port[16] = {};
    const DWORD delka = ::GetEnvironmentVariableA("ZV_SERVER_ICY_PORT", port, sizeof(port));
    return delka == 0 || delka >= sizeof(port) ? 0 : static_cast<std::uint16_t>(std::atoi(port));
}

PozadavekStreamu Pozadavek(const std::string& url, DWORD limitCteniMs = 5000) {
    PozadavekStreamu pozadavek;
    pozadavek.adresa = RozdelitUrl(url).value();
    pozadavek.hlavicky = HlavickyPrehravace();
    pozadavek.limitPripojeniMs = 5000;
    pozadavek.limitCteniMs = limitCteniMs;
    return pozadavek;
}

PozadavekStreamu NaServeru(const std::string& cesta, DWORD limitCteniMs = 5000) {
    return Pozadavek("http://127.0.0.1:" + std::to_string(PortServeru()) + cesta, limitCteniMs);
}

long long Milisekund(Hodiny::duration d) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
}

// The answer read as the engine reads it: the head through the parser, the rest as body,
// until `nejvic` bytes of body, the end or a failure.
struct Odpoved {
    OdpovedHttp hlava;
    std::vector<std::uint8_t> telo;
    HRESULT konec = S_OK; // the result of the last read
    Hodiny::duration posledniCteni{};
};

Odpoved Precist(SpojeniStreamu& spojeni, std::size_t nejvic) {
    Odpoved o;
    std::vector<std::uint8_t> kus(1500);
    while (o.telo.size() < nejvic) {
        std::size_t n = 0;
        const auto zacatek = Hodiny::now();
        o.konec = spojeni.Cist(kus, n);
        o.posledniCteni = Hodiny::now() - zacatek;
        if (o.konec != S_OK) {
            break;
        }
        std::span<const std::uint8_t> prislo(kus.data(), n);
        if (o.hlava.Stav() == StavOdpovedi::ChybiBajty) {
            if (o.hlava.Pridat(prislo) != StavOdpovedi::Hotovo) {
                continue;
            }
            prislo = prislo.subspan(o.hlava.PouzitoZPosledni());
        }
        o.telo.insert(o.telo.end(), prislo.begin(), prislo.end());
    }
    return o;
}

// The n-th byte of the server's generated sound is n % 251.
testing::AssertionResult ZvukVPoradi(const std::vector<std::uint8_t>& zvuk) {
    for (std::size_t i = 0; i < zvuk.size(); ++i) {
        if (zvuk[i] != i % 251) {
            return testing::AssertionFailure() << "byte " << i << " is " << int{zvuk[i]};
        }
    }
    return testing::AssertionSuccess();
}

struct Druh {
    const char* nazev;
    std::function<std::unique_ptr<SpojeniStreamu>()> vytvorit;
};

void PrintTo(const Druh& druh, std::ostream* os) {
    *os << druh.nazev;
}

class SpojeniTest : public testing::TestWithParam<Druh> {
protected:
    void SetUp() override { ASSERT_NE(PortServeru(), 0) << "run through se_serverem_icy.sh"; }

    std::unique_ptr<SpojeniStreamu> Otevrene(const PozadavekStreamu& pozadavek) {
        auto spojeni = GetParam().vytvorit();
        const HRESULT hr = spojeni->Otevrit(pozadavek);
        EXPECT_EQ(hr, S_OK) << std::hex << hr;
        return spojeni;
    }
};

struct Odpovedi {
    const char* cesta;
    bool icy;
};

TEST_P(SpojeniTest, BothStatusLinesGiveAParsedHeadAndTheBodyInOrder) {
    const Odpovedi tabulka[] = {
        {"/icy?metaint=0&delka=20000&rychlost=400000", true},
        {"/http?metaint=0&delka=20000&rychlost=400000", false},
    };
    for (const auto& r : tabulka) {
        SCOPED_TRACE(r.cesta);
        auto spojeni = Otevrene(NaServeru(r.cesta));
        const Odpoved o = Precist(*spojeni, SIZE_MAX);
        ASSERT_EQ(o.hlava.Stav(), StavOdpovedi::Hotovo);
        const UdajeOdpovedi& u = o.hlava.Udaje();
        EXPECT_EQ(u.kod, 200);
        EXPECT_EQ(u.typObsahu, "audio/mpeg");
        EXPECT_EQ(u.nazevStanice, "Zku\xc5\xa1"
                                  "ebn\xc3\xad stanice");
        EXPECT_EQ(u.datovyTok, 128u);
        EXPECT_EQ(u.metaint, 0u);
        EXPECT_EQ(u.icy, r.icy);
        EXPECT_EQ(o.konec, S_FALSE);
        EXPECT_EQ(o.telo.size(), 20000u);
        EXPECT_TRUE(ZvukVPoradi(o.telo));
    }
}

struct Kodovani {
    const char* cesta;
};

TEST_P(SpojeniTest, TitlesInEitherEncodingComeBetweenTheSoundInOrder) {
    const Kodovani tabulka[] = {
        {"/icy?metaint=1000&delka=5000&rychlost=400000&kodovani=utf-8"},
        {"/http?metaint=1000&delka=5000&rychlost=400000&kodovani=cp1250"},
        {"/icy?metaint=7&delka=100&rychlost=400000&kodovani=cp1250"},
    };
    for (const auto& r : tabulka) {
        SCOPED_TRACE(r.cesta);
        auto spojeni = Otevrene(NaServeru(r.cesta));
        const Odpoved o = Precist(*spojeni, SIZE_MAX);
        ASSERT_EQ(o.hlava.Stav(), StavOdpovedi::Hotovo);
        ASSERT_NE(o.hlava.Udaje().metaint, 0u);
        DemultiplexorIcy demultiplexor(o.hlava.Udaje().metaint);
        CastStreamu cast;
        demultiplexor.Pridat(o.telo, cast);
        EXPECT_TRUE(ZvukVPoradi(cast.zvuk));
        ASSERT_FALSE(cast.bloky.empty());
        for (const auto& blok : cast.bloky) {
            EXPECT_EQ(TitulStreamu(blok),
                      std::wstring(L"Zku\u0161ebn\u00ed skladba \u2013 "
                                   L"\u017dlu\u0165ou\u010dk\u00fd k\u016f\u0148"));
        }
    }
}

TEST_P(SpojeniTest, TheServerReceivesTheProgramsRequestHeaders) {
    auto spojeni = Otevrene(NaServeru("/ozvena"));
    const Odpoved o = Precist(*spojeni, SIZE_MAX);
    ASSERT_EQ(o.hlava.Stav(), StavOdpovedi::Hotovo);
    EXPECT_EQ(o.hlava.Udaje().kod, 200);
    const std::string prijato(o.telo.begin(), o.telo.end());
    EXPECT_EQ(prijato.rfind("GET /ozvena HTTP/1.", 0), 0u) << prijato;
    EXPECT_NE(prijato.find("\r\nUser-Agent: Zvukolet/" ZV_VERZE_TEXT "\r\n"), std::string::npos)
        << prijato;
    EXPECT_NE(prijato.find("\r\nIcy-MetaData: 1\r\n"), std::string::npos) << prijato;
    EXPECT_NE(prijato.find("\r\nHost: 127.0.0.1:" + std::to_string(PortServeru()) + "\r\n"),
              std::string::npos)
        << prijato;
}

// The server listens on IPv4 alone; "localhost" may name ::1 first, and the next address
// must then be tried.
TEST_P(SpojeniTest, AHostNameIsLookedUp) {
    auto spojeni = Otevrene(
        Pozadavek("http://localhost:" + std::to_string(PortServeru()) + "/http?delka=100"));
    const Odpoved o = Precist(*spojeni, SIZE_MAX);
    ASSERT_EQ(o.hlava.Stav(), StavOdpovedi::Hotovo);
    EXPECT_EQ(o.hlava.Udaje().kod, 200);
    EXPECT_EQ(o.konec, S_FALSE);
}

TEST_P(SpojeniTest, RedirectsPagesAndPlaylistsAreHandedOverNotFollowed) {
    struct Radek {
        const char* cesta;
        int kod;
        const char* typ;
    };
    const Radek tabulka[] = {
        {"/presmeruj?kam=/http", 302, ""},
        {"/seznam.pls", 200, "audio/x-scpls"},
        {"/stranka", 200, "text/html"},
        {"/nic", 404, "text/plain"},
    };
    for (const auto& r : tabulka) {
        SCOPED_TRACE(r.cesta);
        auto spojeni = Otevrene(NaServeru(r.cesta));
        const Odpoved o = Precist(*spojeni, SIZE_MAX);
        ASSERT_EQ(o.hlava.Stav(), StavOdpovedi::Hotovo);
        EXPECT_EQ(o.hlava.Udaje().kod, r.kod);
        EXPECT_EQ(o.hlava.Udaje().typObsahu, r.typ);
        EXPECT_EQ(o.konec, S_FALSE);
        if (r.kod == 302) {
            EXPECT_EQ(o.hlava.Udaje().umisteni, "/http");
        }
        EXPECT_EQ(o.hlava.Udaje().delkaObsahu, o.telo.size());
    }
}

TEST_P(SpojeniTest, ASilentServerGivesTheTimeOutWithinTheTimeOut) {
    auto spojeni = Otevrene(NaServeru("/zaseknout?po=3000&metaint=0&rychlost=400000", 600));
    const Odpoved o = Precist(*spojeni, SIZE_MAX);
    EXPECT_EQ(o.konec, ChybaVyprselCas) << std::hex << o.konec;
    EXPECT_EQ(o.telo.size(), 3000u);
    EXPECT_GE(Milisekund(o.posledniCteni), 500);
    EXPECT_LT(Milisekund(o.posledniCteni), 1500);
}

TEST_P(SpojeniTest, ADroppedConnectionEndsAfterWhatWasSent) {
    auto spojeni = Otevrene(NaServeru("/prerusit?po=3000&metaint=0&rychlost=400000", 3000));
    const Odpoved o = Precist(*spojeni, SIZE_MAX);
    EXPECT_EQ(o.konec, S_FALSE) << std::hex << o.konec;
    EXPECT_EQ(o.telo.size(), 3000u);
    EXPECT_TRUE(ZvukVPoradi(o.telo));
    std::vector<std::uint8_t> kus(100);
    std::size_t n = 1;
    EXPECT_EQ(spojeni->Cist(kus, n), S_FALSE);
    EXPECT_EQ(n, 0u);
}

TEST_P(SpojeniTest, ACancelFromAnotherThreadEndsABlockedReadAtOnce) {
    auto spojeni = Otevrene(NaServeru("/zaseknout?po=10&metaint=0", 20000));
    Hodiny::time_point zruseno;
    std::thread rusitel([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        zruseno = Hodiny::now();
        spojeni->Zrusit();
    });
    const Odpoved o = Precist(*spojeni, SIZE_MAX);
    const auto skonceno = Hodiny::now();
    rusitel.join();
    EXPECT_EQ(o.konec, ChybaZruseno) << std::hex << o.konec;
    EXPECT_LT(Milisekund(skonceno - zruseno), 1000);
    std::vector<std::uint8_t> kus(100);
    std::size_t n = 0;
    EXPECT_EQ(spojeni->Cist(kus, n), ChybaZruseno);
}

// A server that takes the request and never answers: the wait for the head ends with the
// time-out or the cancel, whichever call (opening or the first read) does the waiting.
TEST_P(SpojeniTest, TheWaitForTheHeadEndsWithTheTimeOutOrTheCancel) {
    struct Radek {
        bool zrusit;
        HRESULT vysledek;
    };
    const Radek tabulka[] = {{false, ChybaVyprselCas}, {true, ChybaZruseno}};
    for (const auto& r : tabulka) {
        SCOPED_TRACE(r.zrusit ? "cancel" : "time-out");
        auto spojeni = GetParam().vytvorit();
        // Both limits: a library may count the wait for the head as part of the connecting.
        PozadavekStreamu pozadavek = NaServeru("/mlcet", r.zrusit ? 20000 : 600);
        pozadavek.limitPripojeniMs = pozadavek.limitCteniMs;
        std::thread rusitel([&] {
            if (r.zrusit) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                spojeni->Zrusit();
            }
        });
        const auto zacatek = Hodiny::now();
        HRESULT hr = spojeni->Otevrit(pozadavek);
        if (hr == S_OK) {
            hr = Precist(*spojeni, SIZE_MAX).konec;
        }
        const auto trvani = Milisekund(Hodiny::now() - zacatek);
        rusitel.join();
        EXPECT_EQ(hr, r.vysledek) << std::hex << hr;
        EXPECT_GE(trvani, r.zrusit ? 300 : 500);
        EXPECT_LT(trvani, r.zrusit ? 1300 : 1500);
    }
}

TEST_P(SpojeniTest, ACancelledConnectionDoesNotOpen) {
    auto spojeni = GetParam().vytvorit();
    spojeni->Zrusit();
    EXPECT_EQ(spojeni->Otevrit(NaServeru("/icy")), ChybaZruseno);
}

TEST_P(SpojeniTest, ARefusedPortAndAnUnknownHostFailOnTheirOwn) {
    const std::string tabulka[] = {
        "http://127.0.0.1:" + std::to_string(Vrbatec::Testy::ServerHttp::VolnyPort()) + "/icy",
        "http://neexistuje.invalid/icy",
    };
    for (const auto& url : tabulka) {
        SCOPED_TRACE(url);
        auto spojeni = GetParam().vytvorit();
        const auto zacatek = Hodiny::now();
        const HRESULT hr = spojeni->Otevrit(Pozadavek(url));
        EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
        EXPECT_NE(hr, ChybaVyprselCas);
        EXPECT_NE(hr, ChybaZruseno);
        EXPECT_LT(Milisekund(Hodiny::now() - zacatek), 5000);
    }
}

INSTANTIATE_TEST_SUITE_P(Druhy, SpojeniTest,
                         testing::Values(Druh{"Winsock", VytvoritSpojeniWinsock},
                                         Druh{"WinHttp", VytvoritSpojeniWinHttp}),
                         [](const testing::TestParamInfo<Druh>& i) { return i.param.nazev; });

TEST(VytvoritSpojeni, PlainHttpGoesOverTheRawSocket) {
    ASSERT_NE(PortServeru(), 0);
    const PozadavekStreamu pozadavek = NaServeru("/ozvena");
    auto spojeni = VytvoritSpojeni(pozadavek.adresa);
    ASSERT_EQ(spojeni->Otevrit(pozadavek), S_OK);
    const Odpoved o = Precist(*spojeni, SIZE_MAX);
    const std::string prijato(o.telo.begin(), o.telo.end());
    // Only the socket sends HTTP/1.0, which keeps the body free of chunks.
    EXPECT_EQ(prijato.rfind("GET /ozvena HTTP/1.0\r\n", 0), 0u) << prijato;
}

// https goes through WinHTTP: a trusted server's stream comes as over http, and a name the
// certificate does not carry is refused at once.
TEST(SpojeniTls, ATrustedServerIsHeardUnderItsOwnNameOnly) {
    const std::string port = Vrbatec::Testy::PortServeruIcyTls();
    ASSERT_FALSE(port.empty()) << "run through se_serverem_icy.sh";
    const Vrbatec::Testy::DuveryhodnyCertifikat certifikat;
    ASSERT_TRUE(certifikat.Platny()) << "no certificate in ZV_SERVER_ICY_CERT";
    ASSERT_TRUE(certifikat.Duverovat());
    const std::string cesta =
        std::string(":") + port + "/icy?metaint=0&delka=20000&rychlost=400000";

    const PozadavekStreamu pozadavek = Pozadavek("https://127.0.0.1" + cesta);
    auto spojeni = VytvoritSpojeni(pozadavek.adresa);
    ASSERT_EQ(spojeni->Otevrit(pozadavek), S_OK);
    const Odpoved o = Precist(*spojeni, SIZE_MAX);
    ASSERT_EQ(o.hlava.Stav(), StavOdpovedi::Hotovo);
    EXPECT_TRUE(o.hlava.Udaje().icy);
    EXPECT_EQ(o.hlava.Udaje().datovyTok, 128u);
    EXPECT_EQ(o.konec, S_FALSE);
    EXPECT_EQ(o.telo.size(), 20000u);
    EXPECT_TRUE(ZvukVPoradi(o.telo));

    const PozadavekStreamu jinyNazev = Pozadavek("https://localhost" + cesta);
    auto odmitnute = VytvoritSpojeni(jinyNazev.adresa);
    const auto zacatek = Hodiny::now();
    const HRESULT hr = odmitnute->Otevrit(jinyNazev);
    EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
    EXPECT_NE(hr, ChybaVyprselCas);
    EXPECT_LT(Milisekund(Hodiny::now() - zacatek), 4000);
}

} // namespace
