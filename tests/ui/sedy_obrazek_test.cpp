#include "ui/SedyObrazek.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace Vrbatec::Ui {
namespace {

TEST(SedyObrazek, EachChannelHasItsOwnWeightTheDivisionTruncatesAndAlphaStays) {
    // B, G, R, A per pixel. Pure red 255 weighs 76.5, green 150.45, blue 28.05: rounding
    // would give 77, 150, 28, and swapped red and blue would give 28 for red.
    std::vector<std::uint8_t> pixely{
        0,   0,   255, 255, // red
        0,   255, 0,   0,   // green, transparent
        255, 0,   0,   128, // blue
        0,   0,   3,   255, // 30·3 = 90 is below 100: black, not 1
        255, 255, 255, 7,   // white stays white
        0,   0,   255,      // not a whole pixel
    };
    SedyObrazek::Prevest(pixely);
    const std::vector<std::uint8_t> ocekavano{
        76, 76, 76, 255, 150, 150, 150, 0, 28, 28, 28,  128,
        0,  0,  0,  255, 255, 255, 255, 7, 0,  0,  255,
    };
    EXPECT_EQ(ocekavano, pixely);
}

} // namespace
} // namespace Vrbatec::Ui
