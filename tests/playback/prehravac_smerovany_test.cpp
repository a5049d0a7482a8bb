// The player the program plays with, over two scripted players: which one gets an address,
// whose news reach the program, and what the engine hands over.
#include "playback/PrehravacSmerovany.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "config/Nastaveni.h"
#include "playback/SkriptovanyPrehravac.h"

namespace Vrbatec {
namespace {

using Testy::SkriptovanyPrehravac;
using Texty = std::vector<std::wstring>;

struct Posluchac final : PosluchacPrehravace {
    void PriZmeneStavu(std::int32_t stav) override { stavy.push_back(stav); }
    void PriZmeneTitulu() override { ++titulu; }
    std::vector<std::int32_t> stavy;
    int titulu = 0;
};

class PrehravacSmerovanyTest : public ::testing::Test {
protected:
    void SetUp() override {
        TovarnyPrehravace tovarny{
            .ovladac = [this](PosluchacPrehravace& p) { return Vytvorit(p, ovladac); },
            .motor =
                [this](PosluchacPrehravace& p) {
                    ++motoru;
                    return Vytvorit(p, motor);
                },
            .volba = [this] { return volba; },
        };
        prehravac = VytvoritPrehravacSmerovany(std::move(tovarny), posluchac);
        ASSERT_NE(prehravac, nullptr);
        ASSERT_NE(ovladac, nullptr);
    }

    std::unique_ptr<Prehravac> Vytvorit(PosluchacPrehravace& p, SkriptovanyPrehravac*& kam) {
        auto novy = std::make_unique<SkriptovanyPrehravac>(p, SkriptovanyPrehravac::Skript{});
        kam = novy.get();
        return novy;
    }

    // As the program starts an address: stop, open, play.
    void Spustit(const std::wstring& url) {
        prehravac->Zastavit();
        prehravac->OtevritUrl(url);
        prehravac->Prehrat();
    }

    static Texty Volani(SkriptovanyPrehravac* p) {
        return p != nullptr ? std::exchange(p->volani, {}) : Texty{};
    }

    Posluchac posluchac;
    std::uint32_t volba = kStreamyVestavenym;
    int motoru = 0;
    SkriptovanyPrehravac* ovladac = nullptr;
    SkriptovanyPrehravac* motor = nullptr;
    std::unique_ptr<Prehravac> prehravac;
};

TEST_F(PrehravacSmerovanyTest, StreamsGoToTheEngineMadeOnFirstNeedWithWhatWasSetBefore) {
    prehravac->NastavitDobuBufferu(5000);
    prehravac->NastavitHlasitost(40);
    prehravac->NastavitZtlumeni(true);
    Spustit(L"C:\\Hudba\\ton.wav");
    EXPECT_EQ(0, motoru) << "a file needs no engine";
    EXPECT_EQ(Volani(ovladac), (Texty{L"buffer 5000", L"volume 40", L"mute on", L"stop",
                                      L"url C:\\Hudba\\ton.wav", L"play"}));

    Spustit(L"http://radio.example.cz/mp3");
    ASSERT_EQ(1, motoru);
    EXPECT_EQ(Volani(ovladac), Texty{L"stop"});
    EXPECT_EQ(Volani(motor), (Texty{L"volume 40", L"mute on", L"buffer 5000",
                                    L"url http://radio.example.cz/mp3", L"play"}));
    bool ztlumeno = false;
    ASSERT_EQ(S_OK, prehravac->Ztlumeno(ztlumeno));
    EXPECT_TRUE(ztlumeno);

    // Changes reach both, so the next switch keeps them.
    prehravac->NastavitHlasitost(70);
    EXPECT_EQ(Volani(ovladac), Texty{L"volume 70"});
    EXPECT_EQ(Volani(motor), Texty{L"volume 70"});

    Spustit(L"https://radio.example.cz/aac");
    EXPECT_EQ(1, motoru) << "one engine for every stream";

    volba = kStreamyOvladacem;
    Spustit(L"http://radio.example.cz/mp3");
    EXPECT_EQ(Volani(motor),
              (Texty{L"stop", L"url https://radio.example.cz/aac", L"play", L"stop"}));
    EXPECT_EQ(Volani(ovladac), (Texty{L"url http://radio.example.cz/mp3", L"play"}));
}

TEST_F(PrehravacSmerovanyTest, OnlyThePlayingPlayerIsHeard) {
    ovladac->skript.bitovaRychlost = L"1411000";
    Spustit(L"http://radio.example.cz/mp3");
    motor->skript.bitovaRychlost = L"128000";
    motor->skript.duvodSelhani = L"Server není dostupný.";
    motor->Oznamit(9);
    ovladac->Oznamit(1); // the control's own stop, late
    ovladac->Posluchac().PriZmeneTitulu();
    motor->Posluchac().PriZmeneTitulu();
    EXPECT_EQ(posluchac.stavy, std::vector<std::int32_t>{9});
    EXPECT_EQ(1, posluchac.titulu);
    std::wstring hodnota;
    ASSERT_EQ(S_OK, prehravac->InformaceMedia(L"Bitrate", hodnota));
    EXPECT_EQ(L"128000", hodnota);
    EXPECT_EQ(L"Server není dostupný.", prehravac->DuvodSelhani());

    Spustit(L"D:\\ton.wav");
    motor->Oznamit(10);
    ovladac->Oznamit(3);
    EXPECT_EQ(posluchac.stavy, (std::vector<std::int32_t>{9, 3}));
    ASSERT_EQ(S_OK, prehravac->InformaceMedia(L"Bitrate", hodnota));
    EXPECT_EQ(L"1411000", hodnota);
    EXPECT_EQ(L"", prehravac->DuvodSelhani());
}

TEST_F(PrehravacSmerovanyTest, WhatTheEngineOffersThePlayingControlTakes) {
    Spustit(L"http://radio.example.cz/wma");
    Volani(ovladac);
    ASSERT_TRUE(motor->Posluchac().PrevzitAdresu(L"http://radio.example.cz/wma"));
    EXPECT_EQ(Volani(ovladac), (Texty{L"url http://radio.example.cz/wma", L"play"}));
    // From now on the control is the one heard, and the one stopped.
    motor->Oznamit(10);
    ovladac->Oznamit(3);
    EXPECT_EQ(posluchac.stavy, std::vector<std::int32_t>{3});
    prehravac->Zastavit();
    EXPECT_EQ(Volani(ovladac), Texty{L"stop"});
    // An engine no longer playing has nothing to offer.
    EXPECT_FALSE(motor->Posluchac().PrevzitAdresu(L"http://jinde"));
    EXPECT_FALSE(ovladac->Posluchac().PrevzitAdresu(L"http://jinde"));
}

TEST(PrehravacSmerovany, NoControlMeansNoPlayerNoEngineLeavesStreamsToTheControl) {
    Posluchac posluchac;
    const auto nic = [](PosluchacPrehravace&) { return std::unique_ptr<Prehravac>(); };
    EXPECT_EQ(nullptr, VytvoritPrehravacSmerovany(
                           {.ovladac = nic, .motor = nic, .volba = [] { return 0u; }}, posluchac));

    SkriptovanyPrehravac* ovladac = nullptr;
    auto prehravac =
        VytvoritPrehravacSmerovany({.ovladac =
                                        [&](PosluchacPrehravace& p) {
                                            auto novy = std::make_unique<SkriptovanyPrehravac>(
                                                p, SkriptovanyPrehravac::Skript{});
                                            ovladac = novy.get();
                                            return std::unique_ptr<Prehravac>(std::move(novy));
                                        },
                                    .motor = nic,
                                    .volba = [] { return 0u; }},
                                   posluchac);
    ASSERT_NE(nullptr, prehravac);
    prehravac->OtevritUrl(L"http://radio.example.cz/");
    EXPECT_EQ(Texty{L"url http://radio.example.cz/"}, ovladac->volani);
}

} // namespace
} // namespace Vrbatec
