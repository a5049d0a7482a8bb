// Cutting an MP3 or ADTS stream into whole frames whatever the pieces it arrives in.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "playback/RozdelovacRamcu.h"

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

// An ADTS frame of `delka` bytes with the frame's number as its body; with CRC the header
// is two bytes longer.
Bajty RamecAdts(std::uint8_t cislo, std::size_t delka, bool crc = false, unsigned index = 4,
                unsigned kanaly = 2) {
    Bajty ramec(delka, cislo);
    const Bajty hlavicka{0xFF,
                         static_cast<std::uint8_t>(crc ? 0xF0 : 0xF1),
                         static_cast<std::uint8_t>((1u << 6) | (index << 2) | (kanaly >> 2)),
                         static_cast<std::uint8_t>(((kanaly & 3u) << 6) | (delka >> 11)),
                         static_cast<std::uint8_t>((delka >> 3) & 0xFF),
                         static_cast<std::uint8_t>(((delka & 7u) << 5) | 0x1F),
                         0xFC};
    std::copy(hlavicka.begin(), hlavicka.end(), ramec.begin());
    return ramec;
}

// ADTS frames differ in length frame by frame, one may carry a CRC, and the sync word is
// only 12 bits: each of these has broken a cutter that assumed otherwise.
TEST(RozdelovacAdts, FramesOfEveryLengthComeOutWholeAndForeignOnesAreSkipped) {
    const std::vector<Bajty> ramce{RamecAdts(1, 371), RamecAdts(2, 10, true), RamecAdts(3, 8),
                                   RamecAdts(4, 1500), RamecAdts(5, 372, true)};
    struct Pripad {
        const char* co;
        Bajty vlozeno;
    };
    const Pripad pripady[] = {
        {"nothing", {}},
        {"zeros", Bajty(20, 0)},
        {"a frame of another sample rate", RamecAdts(9, 300, false, 3)},
        {"a mono frame", RamecAdts(9, 300, false, 4, 1)},
        {"an MP3 frame", Ramec(9, false)},
        {"half a header", Bajty{0xFF, 0xF1, 0x50}},
    };
    const HlavickaAdts format = *CistHlavickuAdts(ramce[0]);
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.co);
        const Bajty proud =
            Spojit({p.vlozeno, ramce[0], ramce[1], p.vlozeno, ramce[2], ramce[3], ramce[4]});
        for (const std::size_t kus :
             {proud.size(), std::size_t{1}, std::size_t{7}, std::size_t{373}}) {
            SCOPED_TRACE(testing::Message() << "pieces of " << kus);
            RozdelovacAdts r(format);
            std::vector<Bajty> vyslo;
            for (std::size_t kde = 0; kde < proud.size(); kde += kus) {
                r.Pridat(std::span(proud).subspan(kde, std::min(kus, proud.size() - kde)));
                for (auto ramec = r.DalsiRamec(); !ramec.empty(); ramec = r.DalsiRamec()) {
                    vyslo.emplace_back(ramec.begin(), ramec.end());
                }
            }
            EXPECT_EQ(ramce, vyslo);
            EXPECT_EQ(2 * p.vlozeno.size(), r.Preskoceno());
            EXPECT_EQ(0u, r.Cekajicich());
        }
    }
}

} // namespace
} // namespace Vrbatec::Stream
