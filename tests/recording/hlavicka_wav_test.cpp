// The WAV header: its bytes for a known recording, the sizes at the 32-bit limit of RIFF and
// the formats it refuses.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "recording/HlavickaWav.h"

namespace hw = Vrbatec::HlavickaWav;

namespace {

std::uint32_t Cist16(const hw::Bajty& b, std::size_t od) {
    return b[od] | (b[od + 1] << 8);
}

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
        hw::FormatPcm format;
        std::uint64_t delkaDat;
        std::uint32_t cekanaData;
    };
    constexpr std::uint64_t k4GiB = 0x100000000;
    const Pripad pripady[] = {
        {{.vzorkovani = 8000, .kanalu = 1}, 0, 0},
        // A partial frame at the end is not declared.
        {{.vzorkovani = 44100, .kanalu = 2}, 7, 4},
        {{.vzorkovani = 48000, .kanalu = 6}, 12 * 1000 + 11, 12 * 1000},
        // 0xFFFFFFFF - 36 = 4294967259, rounded down to frames of 2, 4 and 10 bytes.
        {{.vzorkovani = 44100, .kanalu = 1}, k4GiB, 4294967258u},
        {{.vzorkovani = 44100, .kanalu = 2}, 4294967259u, 4294967256u},
        {{.vzorkovani = 44100, .kanalu = 2}, k4GiB * 3 + 100, 4294967256u},
        {{.vzorkovani = 44100, .kanalu = 5}, UINT64_MAX, 4294967250u},
    };
    for (const Pripad& p : pripady) {
        const std::optional<hw::Bajty> hlavicka = hw::Sestavit(p.format, p.delkaDat);
        ASSERT_TRUE(hlavicka.has_value());
        EXPECT_EQ(Cist32(*hlavicka, 40), p.cekanaData) << p.delkaDat;
        EXPECT_EQ(Cist32(*hlavicka, 4), p.cekanaData + 36) << p.delkaDat;
    }
    EXPECT_EQ(hw::NejvetsiDelkaDat({.vzorkovani = 44100, .kanalu = 2}), 4294967256u);
}

TEST(HlavickaWav, FormatsWhoseFieldsWouldOverflowAreRefused) {
    struct Pripad {
        hw::FormatPcm format;
        bool platny;
    };
    const Pripad pripady[] = {
        {{.vzorkovani = 44100, .kanalu = 0}, false},
        {{.vzorkovani = 0, .kanalu = 2}, false},
        // A frame of 65536 bytes does not fit the 16-bit block size.
        {{.vzorkovani = 1, .kanalu = 32768}, false},
        {{.vzorkovani = 1, .kanalu = 32767}, true},
        // 2 bytes a frame: the byte rate 4294967294 still fits, 4294967296 does not.
        {{.vzorkovani = 2147483647, .kanalu = 1}, true},
        {{.vzorkovani = 2147483648u, .kanalu = 1}, false},
    };
    for (const Pripad& p : pripady) {
        const std::optional<hw::Bajty> hlavicka = hw::Sestavit(p.format, 0);
        EXPECT_EQ(hlavicka.has_value(), p.platny)
            << p.format.vzorkovani << " Hz, " << p.format.kanalu << " channels";
        if (hlavicka) {
            EXPECT_EQ(Cist16(*hlavicka, 22), p.format.kanalu);
            EXPECT_EQ(Cist32(*hlavicka, 24), p.format.vzorkovani);
            EXPECT_EQ(Cist32(*hlavicka, 28), p.format.vzorkovani * p.format.kanalu * 2u);
            EXPECT_EQ(Cist16(*hlavicka, 32), p.format.kanalu * 2u);
        } else {
            EXPECT_EQ(hw::NejvetsiDelkaDat(p.format), 0u);
        }
    }
}

} // namespace
