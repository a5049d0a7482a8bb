#include "ui/SedyObrazek.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace Vrbatec::Ui {
namespace {

using Pixel = std::array<std::uint8_t, 4>; // B, G, R, A

Pixel Sedy(Pixel p) {
    SedyObrazek::Prevest(p);
    return p;
}

TEST(SedyObrazek, EachChannelHasItsOwnWeightAndTheDivisionTruncates) {
    // Pure red 255 weighs 76.5, green 150.45, blue 28.05: rounding would give 77, 150, 28,
    // and a swapped red and blue would give 28 for red.
    EXPECT_EQ((Pixel{76, 76, 76, 255}), Sedy({0, 0, 255, 255}));
    EXPECT_EQ((Pixel{150, 150, 150, 255}), Sedy({0, 255, 0, 255}));
    EXPECT_EQ((Pixel{28, 28, 28, 255}), Sedy({255, 0, 0, 255}));
    // 30·3 = 90 is below 100: a dark red becomes black, not 1.
    EXPECT_EQ((Pixel{0, 0, 0, 255}), Sedy({0, 0, 3, 255}));
    // 30·10 + 59·20 + 11·40 = 1920 → 19.2 → 19.
    EXPECT_EQ((Pixel{19, 19, 19, 255}), Sedy({40, 20, 10, 255}));
}

TEST(SedyObrazek, WhiteAndGreyStayAsTheyAre) {
    EXPECT_EQ((Pixel{255, 255, 255, 255}), Sedy({255, 255, 255, 255}));
    EXPECT_EQ((Pixel{16, 16, 16, 200}), Sedy({16, 16, 16, 200}));
    EXPECT_EQ((Pixel{1, 1, 1, 1}), Sedy({1, 1, 1, 1}));
}

TEST(SedyObrazek, AlphaIsKeptIncludingTransparentPixels) {
    EXPECT_EQ((Pixel{0, 0, 0, 0}), Sedy({0, 0, 0, 0}));
    EXPECT_EQ((Pixel{76, 76, 76, 0x80}), Sedy({0, 0, 255, 0x80}));
    EXPECT_EQ((Pixel{28, 28, 28, 7}), Sedy({255, 0, 0, 7}));
}

TEST(SedyObrazek, EveryPixelOfABufferIsConvertedOnItsOwn) {
    std::vector<std::uint8_t> pixely{
        0,   0,   255, 255, // red
        255, 0,   0,   128, // blue
        0,   255, 0,   0,   // green, transparent
        10,  20,  30,  40,  // 30·30 + 59·20 + 11·10 = 2190
    };
    SedyObrazek::Prevest(pixely);
    const std::vector<std::uint8_t> ocekavano{
        76, 76, 76, 255, 28, 28, 28, 128, 150, 150, 150, 0, 21, 21, 21, 40,
    };
    EXPECT_EQ(ocekavano, pixely);
}

TEST(SedyObrazek, BytesAfterTheLastWholePixelAreLeftAlone) {
    std::vector<std::uint8_t> pixely{0, 0, 255, 255, 0, 0, 255};
    SedyObrazek::Prevest(pixely);
    EXPECT_EQ((std::vector<std::uint8_t>{76, 76, 76, 255, 0, 0, 255}), pixely);

    std::vector<std::uint8_t> prazdne;
    SedyObrazek::Prevest(prazdne);
    EXPECT_TRUE(prazdne.empty());
}

} // namespace
} // namespace Vrbatec::Ui
