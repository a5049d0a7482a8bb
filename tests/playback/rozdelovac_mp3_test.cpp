// Cutting an MP3 stream into whole frames whatever the pieces it arrives in.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "playback/RozdelovacMp3.h"

namespace Vrbatec::Stream {
namespace {

using Bajty = std::vector<std::uint8_t>;

// A Layer III frame of MPEG-1 at 128 kb/s: 417 bytes, 418 with padding; the body is the
// frame's number so that frames can be told apart.
Bajty Ramec(std::uint8_t cislo, bool vypln, std::uint8_t kmitocet = 0 /* 44.1 kHz */) {
    const std::uint8_t treti = static_cast<std::uint8_t>(0x90 | (kmitocet << 2) | (vypln ? 2 : 0));
    const HlavickaMp3 h = *CistHlavickuMp3(Bajty{0xFF, 0xFB, treti, 0x64});
    Bajty ramec(h.delkaRamce, cislo);
    ramec[0] = 0xFF;
    ramec[1] = 0xFB;
    ramec[2] = treti;
    ramec[3] = 0x64;
    return ramec;
}

HlavickaMp3 Format() {
    return *CistHlavickuMp3(Ramec(0, false));
}

Bajty Spojit(const std::vector<Bajty>& kusy) {
    Bajty vse;
    for (const Bajty& k : kusy) {
        vse.insert(vse.end(), k.begin(), k.end());
    }
    return vse;
}

// The frames that come out when `data` is fed in pieces of the sizes given in turn (over and
// over), each frame taken as soon as it is whole.
std::vector<Bajty> Rozdelit(const Bajty& data, const std::vector<std::size_t>& kusy,
                            std::uint64_t* preskoceno = nullptr) {
    RozdelovacMp3 r(Format());
    std::vector<Bajty> ramce;
    std::size_t kde = 0;
    for (std::size_t i = 0; kde < data.size(); ++i) {
        const std::size_t kus = std::min(kusy[i % kusy.size()], data.size() - kde);
        r.Pridat(std::span(data).subspan(kde, kus));
        kde += kus;
        for (auto ramec = r.DalsiRamec(); !ramec.empty(); ramec = r.DalsiRamec()) {
            ramce.emplace_back(ramec.begin(), ramec.end());
        }
    }
    if (preskoceno != nullptr) {
        *preskoceno = r.Preskoceno();
    }
    return ramce;
}

TEST(RozdelovacMp3, AnyPiecesGiveTheSameFrames) {
    const std::vector<Bajty> ramce{Ramec(1, false), Ramec(2, true), Ramec(3, false),
                                   Ramec(4, true),  Ramec(5, true), Ramec(6, false)};
    const Bajty proud = Spojit(ramce);
    const std::vector<std::vector<std::size_t>> deleni{
        {proud.size()}, {1}, {3}, {4}, {5, 412}, {417}, {418}, {419}, {1000}, {7, 1, 833, 2}};
    for (const auto& kusy : deleni) {
        SCOPED_TRACE(testing::Message() << "first piece " << kusy[0]);
        EXPECT_EQ(ramce, Rozdelit(proud, kusy));
    }
}

TEST(RozdelovacMp3, AFrameCutByTheEndWaitsForItsRest) {
    const Bajty ramec = Ramec(7, false);
    RozdelovacMp3 r(Format());
    r.Pridat(std::span(ramec).first(200));
    EXPECT_TRUE(r.DalsiRamec().empty());
    EXPECT_EQ(200u, r.Cekajicich());
    r.Pridat(std::span(ramec).subspan(200));
    const auto cely = r.DalsiRamec();
    EXPECT_EQ(ramec, Bajty(cely.begin(), cely.end()));
    EXPECT_TRUE(r.DalsiRamec().empty());
    EXPECT_EQ(0u, r.Cekajicich());
}

TEST(RozdelovacMp3, WhatIsNotAFrameOfTheStreamIsSkipped) {
    struct Pripad {
        const char* co;
        Bajty vlozeno;
    };
    const Pripad pripady[] = {
        {"zeros", Bajty(33, 0)},
        {"a broken header", Bajty{0xFF, 0xFB, 0xF0, 0x64, 0, 0}},
        {"a frame of another sample rate", Ramec(9, false, 1)},
        {"a lone sync byte", Bajty{0xFF}},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.co);
        const std::vector<Bajty> ramce{Ramec(1, false), Ramec(2, true), Ramec(3, false)};
        const Bajty proud = Spojit({p.vlozeno, ramce[0], p.vlozeno, ramce[1], ramce[2]});
        for (const std::size_t kus : {proud.size(), std::size_t{5}}) {
            std::uint64_t preskoceno = 0;
            EXPECT_EQ(ramce, Rozdelit(proud, {kus}, &preskoceno));
            EXPECT_EQ(2 * p.vlozeno.size(), preskoceno);
        }
    }
}

TEST(RozdelovacMp3, EmptyingForgetsAHalfFrame) {
    const Bajty a = Ramec(1, false);
    const Bajty b = Ramec(2, false);
    RozdelovacMp3 r(Format());
    r.Pridat(std::span(a).first(100));
    r.Vyprazdnit();
    EXPECT_EQ(0u, r.Cekajicich());
    r.Pridat(b);
    const auto ramec = r.DalsiRamec();
    EXPECT_EQ(b, Bajty(ramec.begin(), ramec.end()));
}

} // namespace
} // namespace Vrbatec::Stream
