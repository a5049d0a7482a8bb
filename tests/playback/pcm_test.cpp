// The PCM arithmetic of the stream engine's output: buffer lengths, durations, the volume
// curve and the scaling of samples.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "playback/Pcm.h"

namespace Vrbatec::Stream {
namespace {

constexpr FormatPcm kCd{44100, 2};
constexpr FormatPcm kMono{44100, 1};

TEST(Pcm, BuffersHoldWholeFramesAndNeverNone) {
    struct Pripad {
        FormatPcm format;
        std::uint32_t milisekund;
        std::size_t bajtu;
        std::uint32_t hrajeMilisekund; // of those bytes
    };
    const Pripad pripady[] = {
        {kCd, 100, 17640, 100},
        {kMono, 100, 8820, 100},
        {{22050, 2}, 1, 88, 0}, // 22.05 frames: rounded down to whole ones, under 1 ms
        {{8000, 1}, 0, 2, 0},   // never an empty buffer
        {{48000, 2}, 60000, 11520000, 60000},
    };
    for (const Pripad& p : pripady) {
        SCOPED_TRACE(testing::Message() << p.format.vzorkovani << "/" << p.format.kanalu << " "
                                        << p.milisekund << " ms");
        EXPECT_EQ(p.bajtu, BajtuZaDobu(p.format, p.milisekund));
        EXPECT_EQ(0u, BajtuZaDobu(p.format, p.milisekund) % BajtuSnimku(p.format));
        EXPECT_EQ(p.hrajeMilisekund, MilisekundVBajtech(p.format, p.bajtu));
    }
}

TEST(Pcm, DurationOfBytesRoundsDownAndDoesNotOverflow) {
    EXPECT_EQ(99u, MilisekundVBajtech(kCd, 17639));
    EXPECT_EQ(200u, MilisekundVBajtech(kMono, 17640));
    EXPECT_EQ(0u, MilisekundVBajtech({0, 0}, 4000));
    EXPECT_EQ(108000000u, MilisekundVBajtech(kCd, std::uint64_t{176400} * 3600 * 30));
}

TEST(Pcm, VolumeCurveEndsExactlyAndRisesAtEveryStep) {
    EXPECT_EQ(0u, ZesileniHlasitosti(0));
    EXPECT_EQ(kPlneZesileni, ZesileniHlasitosti(100));
    EXPECT_EQ(kPlneZesileni, ZesileniHlasitosti(101));
    EXPECT_EQ(kPlneZesileni, ZesileniHlasitosti(0xFFFFFFFFu));
    for (std::uint32_t h = 1; h <= 100; ++h) {
        EXPECT_GT(ZesileniHlasitosti(h), ZesileniHlasitosti(h - 1)) << h;
    }
}

TEST(Pcm, VolumeCurveIsPerceptualNotLinear) {
    // Cubic: half the slider is an eighth of the amplitude (about -18 dB), a tenth is -60 dB.
    struct Pripad {
        std::uint32_t hlasitost;
        double podil;
    };
    const Pripad pripady[] = {{50, 0.125}, {10, 0.001}, {80, 0.512}, {1, 0.000001}};
    for (const Pripad& p : pripady) {
        EXPECT_NEAR(p.podil, static_cast<double>(ZesileniHlasitosti(p.hlasitost)) / kPlneZesileni,
                    1.0 / kPlneZesileni)
            << p.hlasitost;
    }
}

TEST(Pcm, ScalingRoundsAndSaturates) {
    constexpr std::uint32_t kPul = kPlneZesileni / 2;
    constexpr std::uint32_t kDvakrat = kPlneZesileni * 2;
    struct Pripad {
        std::int16_t vzorek;
        std::uint32_t zesileni;
        std::int16_t vysledek;
    };
    const Pripad pripady[] = {
        {32767, kPlneZesileni, 32767},
        {-32768, kPlneZesileni, -32768},
        {1000, kPul, 500},
        {-1000, kPul, -500},
        {3, kPul, 2},   // 1.5 to the nearest, halves upwards
        {-3, kPul, -1}, // -1.5 likewise upwards, not away from zero
        {-32768, kPul, -16384},
        {20000, kDvakrat, 32767}, // saturates rather than wrapping to negative
        {-20000, kDvakrat, -32768},
        {10000, kDvakrat, 20000},
        {32767, 0, 0},
        {-32768, 0, 0},
        {1, 1, 0},
    };
    for (const Pripad& p : pripady) {
        std::vector<std::int16_t> vzorky{p.vzorek, p.vzorek};
        Zesilit(vzorky, p.zesileni);
        EXPECT_EQ(p.vysledek, vzorky[0]) << p.vzorek << " x " << p.zesileni;
        EXPECT_EQ(vzorky[0], vzorky[1]);
    }
}

TEST(Pcm, VolumeOfHalfSliderScalesATone) {
    std::vector<std::int16_t> vzorky{16000, -16000, 8000, -8000, 0};
    Zesilit(vzorky, ZesileniHlasitosti(50));
    EXPECT_EQ((std::vector<std::int16_t>{2000, -2000, 1000, -1000, 0}), vzorky);
}

} // namespace
} // namespace Vrbatec::Stream
