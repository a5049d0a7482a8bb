#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "playback/PravidlaHlasitosti.h"

namespace ph = Vrbatec::PravidlaHlasitosti;

namespace {

TEST(PravidlaHlasitosti, StepsStopAtTheEndsOfTheRange) {
    EXPECT_EQ(ph::Zvysit(99, 2), 100u);
    EXPECT_EQ(ph::Zvysit(100, 2), 100u);
    EXPECT_EQ(ph::Zvysit(50, 2), 52u);
    EXPECT_EQ(ph::Zvysit(0, 100), 100u);
    EXPECT_EQ(ph::Snizit(1, 2), 0u);
    EXPECT_EQ(ph::Snizit(2, 2), 0u);
    EXPECT_EQ(ph::Snizit(50, 10), 40u);
    EXPECT_EQ(ph::Snizit(100, 100), 0u);
}

TEST(PravidlaHlasitosti, AStepOfZeroOrOverAHundredChangesNothing) {
    for (const std::uint32_t krok : {0u, 101u, std::numeric_limits<std::uint32_t>::max()}) {
        EXPECT_FALSE(ph::Zvysit(50, krok).has_value()) << krok;
        EXPECT_FALSE(ph::Snizit(50, krok).has_value()) << krok;
    }
}

TEST(PravidlaHlasitosti, AStoredVolumeOutsideTheRangeComesBackIntoIt) {
    constexpr std::uint32_t kNejvic = std::numeric_limits<std::uint32_t>::max();
    EXPECT_EQ(ph::Zvysit(kNejvic, 2), 100u);
    EXPECT_EQ(ph::Zvysit(kNejvic - 1, 100), 100u);
    EXPECT_EQ(ph::Snizit(150, 2), 100u);
    EXPECT_EQ(ph::Snizit(kNejvic, 2), 100u);
}

TEST(PravidlaHlasitosti, ASourceHasItsOwnVolumeOnlyFromOneToAHundred) {
    for (const std::int32_t h : {1, 50, 100}) {
        EXPECT_TRUE(ph::VlastniHlasitostPlati(h)) << h;
    }
    for (const std::int32_t h : {0, -1, 101, std::numeric_limits<std::int32_t>::min()}) {
        EXPECT_FALSE(ph::VlastniHlasitostPlati(h)) << h;
    }
}

} // namespace
