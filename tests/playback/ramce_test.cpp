// Frame headers of MP3 and ADTS read field by field, synchronisation that needs three chained
// frames, and the decoder's configuration derived from an ADTS header.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <cstdint>
#include <optional>
#include <vector>

#include "playback/RamceAdts.h"
#include "playback/RamceMp3.h"

namespace {

using namespace Vrbatec::Stream;
using Bajty = std::vector<std::uint8_t>;

struct Mp3 {
    const char* popis;
    Bajty hlavicka;
    std::optional<HlavickaMp3> ocekavana;
};

HlavickaMp3 H(VerzeMpeg verze, std::uint32_t tok, std::uint32_t kmitocet, bool vypln, bool crc,
              int kanaly, std::size_t delka) {
    return {verze, tok, kmitocet, vypln, crc, kanaly, delka};
}

TEST(RamceMp3, HeaderFieldsAndFrameLength) {
    using enum VerzeMpeg;
    const std::vector<Mp3> pripady{
        {"128 kb/s 44.1 kHz joint stereo",
         {0xFF, 0xFB, 0x90, 0x64},
         H(Mpeg1, 128, 44100, false, false, 2, 417)},
        {"the same padded", {0xFF, 0xFB, 0x92, 0x64}, H(Mpeg1, 128, 44100, true, false, 2, 418)},
        {"320 kb/s 48 kHz mono with CRC",
         {0xFF, 0xFA, 0xE4, 0xC0},
         H(Mpeg1, 320, 48000, false, true, 1, 960)},
        {"32 kb/s 32 kHz", {0xFF, 0xFB, 0x18, 0x00}, H(Mpeg1, 32, 32000, false, false, 2, 144)},
        {"MPEG-2 64 kb/s 22.05 kHz",
         {0xFF, 0xF3, 0x80, 0x00},
         H(Mpeg2, 64, 22050, false, false, 2, 208)},
        {"MPEG-2 160 kb/s 16 kHz padded",
         {0xFF, 0xF3, 0xEA, 0x00},
         H(Mpeg2, 160, 16000, true, false, 2, 721)},
        {"MPEG-2.5 8 kb/s 8 kHz mono",
         {0xFF, 0xE3, 0x18, 0xC0},
         H(Mpeg25, 8, 8000, false, false, 1, 72)},
        {"MPEG-2.5 11.025 kHz",
         {0xFF, 0xE3, 0x80, 0x00},
         H(Mpeg25, 64, 11025, false, false, 2, 417)},
        {"free format", {0xFF, 0xFB, 0x00, 0x64}, std::nullopt},
        {"bit-rate index 15", {0xFF, 0xFB, 0xF0, 0x64}, std::nullopt},
        {"sample-rate index 3", {0xFF, 0xFB, 0x9C, 0x64}, std::nullopt},
        {"reserved version", {0xFF, 0xEB, 0x90, 0x64}, std::nullopt},
        {"Layer II", {0xFF, 0xFD, 0x90, 0x64}, std::nullopt},
        {"Layer I", {0xFF, 0xFF, 0x90, 0x64}, std::nullopt},
        {"reserved layer", {0xFF, 0xF9, 0x90, 0x64}, std::nullopt},
        {"reserved emphasis", {0xFF, 0xFB, 0x90, 0x66}, std::nullopt},
        {"eleven sync bits missing one", {0xFF, 0xDB, 0x90, 0x64}, std::nullopt},
        {"three bytes", {0xFF, 0xFB, 0x90}, std::nullopt},
    };
    for (const Mp3& p : pripady) {
        SCOPED_TRACE(p.popis);
        EXPECT_EQ(CistHlavickuMp3(p.hlavicka), p.ocekavana);
    }
}

// `pocet` frames of the header's own length, their bodies zero.
Bajty Ramce(const Bajty& hlavicka, std::size_t delka, int pocet) {
    Bajty data;
    for (int i = 0; i < pocet; ++i) {
        Bajty ramec(delka, 0);
        std::copy(hlavicka.begin(), hlavicka.end(), ramec.begin());
        data.insert(data.end(), ramec.begin(), ramec.end());
    }
    return data;
}

Bajty Spojit(std::initializer_list<Bajty> casti) {
    Bajty data;
    for (const Bajty& cast : casti) {
        data.insert(data.end(), cast.begin(), cast.end());
    }
    return data;
}

TEST(RamceMp3, SyncNeedsThreeChainedFramesOfOneStream) {
    const Bajty h128{0xFF, 0xFB, 0x90, 0x64};
    const Bajty h128vypln{0xFF, 0xFB, 0x92, 0x64};
    const Bajty h48k{0xFF, 0xFB, 0x94, 0x64}; // 128 kb/s at 48 kHz: 384 bytes
    const Bajty smeti(300, 0x5A);
    struct Pripad {
        const char* popis;
        Bajty data;
        std::optional<std::size_t> posun;
    };
    const std::vector<Pripad> pripady{
        {"three frames at the start", Ramce(h128, 417, 3), 0},
        {"after junk, with a padded frame between",
         Spojit({smeti, Ramce(h128, 417, 1), Ramce(h128vypln, 418, 1), Ramce(h128, 417, 1)}),
         smeti.size()},
        {"a false header in the junk before the frames",
         Spojit({Bajty{1, 0xFF, 0xFB, 0x90, 0x64, 2}, Ramce(h128, 417, 3)}), 6},
        {"one valid header then junk", Spojit({Ramce(h128, 417, 1), Bajty(2000, 0x5A)}),
         std::nullopt},
        {"two frames then junk", Spojit({Ramce(h128, 417, 2), Bajty(2000, 0x5A)}), std::nullopt},
        {"third frame's header cut short", Spojit({Ramce(h128, 417, 2), Bajty{0xFF, 0xFB, 0x90}}),
         std::nullopt},
        {"sample rate changes in the chain",
         Spojit({Ramce(h128, 417, 2), Ramce(h48k, 384, 1), Bajty(1000, 0)}), std::nullopt},
        {"nothing", Bajty{}, std::nullopt},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.popis);
        const auto sync = SynchronizovatMp3(p.data);
        ASSERT_EQ(sync.has_value(), p.posun.has_value());
        if (sync) {
            EXPECT_EQ(sync->posun, *p.posun);
            EXPECT_EQ(sync->hlavicka.vzorkovaciKmitocet, 44100u);
            EXPECT_EQ(sync->hlavicka.kanaly, 2);
            EXPECT_EQ(sync->hlavicka.datovyTok, 128u);
        }
    }
}

// An ADTS header of the given fields, without CRC.
Bajty Adts(unsigned profil, unsigned indexKmitoctu, unsigned kanaly, std::size_t delka) {
    return {0xFF,
            0xF1,
            static_cast<std::uint8_t>((profil << 6) | (indexKmitoctu << 2) | (kanaly >> 2)),
            static_cast<std::uint8_t>(((kanaly & 3u) << 6) | (delka >> 11)),
            static_cast<std::uint8_t>((delka >> 3) & 0xFF),
            static_cast<std::uint8_t>(((delka & 7u) << 5) | 0x1F),
            0xFC};
}

TEST(RamceAdts, HeaderFieldsAndTheDecodersConfiguration) {
    struct Pripad {
        const char* popis;
        Bajty hlavicka;
        std::optional<HlavickaAdts> ocekavana;
        std::array<std::uint8_t, 2> konfigurace{};
    };
    const std::vector<Pripad> pripady{
        {"LC 44.1 kHz stereo",
         {0xFF, 0xF1, 0x50, 0x80, 0x2E, 0x7F, 0xFC},
         HlavickaAdts{false, true, 1, 4, 44100, 2, 371, 1},
         {0x12, 0x10}},
        {"LC 48 kHz stereo",
         Adts(1, 3, 2, 768),
         HlavickaAdts{false, true, 1, 3, 48000, 2, 768, 1},
         {0x11, 0x90}},
        {"HE source at 24 kHz mono",
         Adts(1, 6, 1, 200),
         HlavickaAdts{false, true, 1, 6, 24000, 1, 200, 1},
         {0x13, 0x08}},
        {"Main 96 kHz 5.1, longest frame",
         Adts(0, 0, 6, 8191),
         HlavickaAdts{false, true, 0, 0, 96000, 6, 8191, 1},
         {0x08, 0x30}},
        {"MPEG-2 id, CRC, four blocks",
         {0xFF, 0xF8, 0x98, 0x40, 0x01, 0x40, 0x03},
         HlavickaAdts{true, false, 2, 6, 24000, 1, 10, 4},
         {0x1B, 0x08}},
        {"7.35 kHz",
         Adts(1, 12, 2, 100),
         HlavickaAdts{false, true, 1, 12, 7350, 2, 100, 1},
         {0x16, 0x10}},
        {"frequency index 13", Adts(1, 13, 2, 100), std::nullopt},
        {"channel configuration 0", Adts(1, 4, 0, 100), std::nullopt},
        {"frame no longer than its header", Adts(1, 4, 2, 7), std::nullopt},
        {"layer not zero", {0xFF, 0xF3, 0x50, 0x80, 0x2E, 0x7F, 0xFC}, std::nullopt},
        {"sync word short", {0xFF, 0xE1, 0x50, 0x80, 0x2E, 0x7F, 0xFC}, std::nullopt},
        {"six bytes", {0xFF, 0xF1, 0x50, 0x80, 0x2E, 0x7F}, std::nullopt},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.popis);
        const std::optional<HlavickaAdts> h = CistHlavickuAdts(p.hlavicka);
        EXPECT_EQ(h, p.ocekavana);
        if (h) {
            EXPECT_EQ(KonfiguraceDekoderu(*h), p.konfigurace);
        }
    }
}

TEST(RamceAdts, TheDecodersDescriptionIsTheWaveInfoTailAndTheConfiguration) {
    const HlavickaAdts lc = *CistHlavickuAdts(Adts(1, 4, 2, 371));
    EXPECT_EQ((std::array<std::uint8_t, kDelkaPopisuAac>{1, 0, 0xFE, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                         0x12, 0x10}),
              PopisProDekoderAac(lc));
    const HlavickaAdts mono = *CistHlavickuAdts(Adts(1, 7, 1, 200));
    EXPECT_EQ(0x13, PopisProDekoderAac(mono)[12]);
    EXPECT_EQ(0x88, PopisProDekoderAac(mono)[13]);
}

TEST(RamceAdts, SyncNeedsThreeChainedFramesOfOneStream) {
    const Bajty stereo = Adts(1, 4, 2, 300);
    const Bajty mono = Adts(1, 4, 1, 300);
    struct Pripad {
        const char* popis;
        Bajty data;
        std::optional<std::size_t> posun;
    };
    const std::vector<Pripad> pripady{
        {"three frames", Ramce(stereo, 300, 3), 0},
        {"after junk", Spojit({Bajty(5, 0xFF), Ramce(stereo, 300, 3)}), 5},
        {"one header then junk", Spojit({Ramce(stereo, 300, 1), Bajty(1000, 1)}), std::nullopt},
        {"channels change in the chain",
         Spojit({Ramce(stereo, 300, 2), Ramce(mono, 300, 1), Bajty(10, 0)}), std::nullopt},
        {"an MP3 stream is no ADTS", Ramce({0xFF, 0xFB, 0x90, 0x64}, 417, 3), std::nullopt},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(p.popis);
        const auto sync = SynchronizovatAdts(p.data);
        ASSERT_EQ(sync.has_value(), p.posun.has_value());
        if (sync) {
            EXPECT_EQ(sync->posun, *p.posun);
            EXPECT_EQ(sync->hlavicka.kanaly, 2u);
        }
    }
}

} // namespace
