// The WAV header: its bytes for a known recording, the sizes at the 32-bit limit of RIFF and
// the formats it refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "recording/HlavickaWav.h"

namespace hw = Vrbatec::HlavickaWav;

namespace {

std::uint32_t Cist32(const hw::Bajty& b, std::size_t od) {
    return b[od] | (b[od + 1] << 8) | (b[od + 2] << 16) | (std::uint32_t{b[od + 3]} << 24);
}

// One second of 44.1 kHz stereo: 44100 frames of 4 bytes = 176400 = 0x2B110 bytes of sound,
// RIFF size 176436 = 0x2B134.
TEST(HlavickaWav, OneSecondOfCdStereoHasTheseBytes) {
    const hw::Bajty cekano = {
        'R',  'I',  'F',  'F',  0x34, 0xB1, 0x02, 0x00, 'W',  'A',  'V',  'E',  'f',  'm',  't',
        ' ',  0x10, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x10, 0xB1,
        0x02, 0x00, 0x04, 0x00, 0x10, 0x00, 'd',  'a',  't',  'a',  0x10, 0xB1, 0x02, 0x00,
    };
    EXPECT_EQ(hw::Sestavit({.vzorkovani = 44100, .kanalu = 2}, 176400), cekano);
}

TEST(HlavickaWav, SizesCountWholeFramesAndStopAtTheLargestThatRiffCanHold) {
    struct Pripad {
        std::uint16_t kanalu;
        std::uint64_t delkaDat;
        std::uint32_t cekanaData;
    };
    // A partial frame at the end is not declared; 0xFFFFFFFF - 36 = 4294967259 is rounded down
    // to frames of 4 and 10 bytes.
    const Pripad pripady[] = {
        {2, 7, 4},
        {2, 4294967259u, 4294967256u},
        {5, UINT64_MAX, 4294967250u},
    };
    for (const Pripad& p : pripady) {
        const std::optional<hw::Bajty> hlavicka =
            hw::Sestavit({.vzorkovani = 44100, .kanalu = p.kanalu}, p.delkaDat);
        ASSERT_TRUE(hlavicka.has_value());
        EXPECT_EQ(Cist32(*hlavicka, 40), p.cekanaData) << p.delkaDat;
        EXPECT_EQ(Cist32(*hlavicka, 4), p.cekanaData + 36) << p.delkaDat;
    }
    EXPECT_EQ(hw::NejvetsiDelkaDat({.vzorkovani = 44100, .kanalu = 2}), 4294967256u);
}

TEST(HlavickaWav, FormatsWhoseFieldsWouldOverflowAreRefused) {
    // A frame of 65536 bytes does not fit the 16-bit block size; 2-byte frames at 2147483648 Hz
    // do not fit the 32-bit byte rate.
    for (const hw::FormatPcm format : {hw::FormatPcm{.vzorkovani = 44100, .kanalu = 0},
                                       hw::FormatPcm{.vzorkovani = 0, .kanalu = 2},
                                       hw::FormatPcm{.vzorkovani = 1, .kanalu = 32768},
                                       hw::FormatPcm{.vzorkovani = 2147483648u, .kanalu = 1}}) {
        EXPECT_FALSE(hw::Sestavit(format, 0).has_value()) << format.vzorkovani;
        EXPECT_EQ(hw::NejvetsiDelkaDat(format), 0u);
    }
    EXPECT_TRUE(hw::Sestavit({.vzorkovani = 1, .kanalu = 32767}, 0).has_value());
    EXPECT_TRUE(hw::Sestavit({.vzorkovani = 2147483647, .kanalu = 1}, 0).has_value());
}

} // namespace
