#include <gtest/gtest.h>

#include <climits>

#include "playback/PravidlaHlasitosti.h"

namespace ph = Vrbatec::PravidlaHlasitosti;

namespace {

TEST(PravidlaHlasitosti, StepsStayWithinTheRangeAndABadStepDoesNothing) {
    EXPECT_EQ(ph::Zvysit(99, 2), 100u);
    EXPECT_EQ(ph::Zvysit(50, 2), 52u);
    EXPECT_EQ(ph::Zvysit(UINT_MAX - 1, 100), 100u); // no wrap-around
    EXPECT_EQ(ph::Snizit(1, 2), 0u);
    EXPECT_EQ(ph::Snizit(150, 2), 100u);
    for (const unsigned krok : {0u, 101u, UINT_MAX}) {
        EXPECT_FALSE(ph::Zvysit(50, krok).has_value()) << krok;
        EXPECT_FALSE(ph::Snizit(50, krok).has_value()) << krok;
    }
    EXPECT_TRUE(ph::VlastniHlasitostPlati(1) && ph::VlastniHlasitostPlati(100));
    EXPECT_FALSE(ph::VlastniHlasitostPlati(0) || ph::VlastniHlasitostPlati(101) ||
                 ph::VlastniHlasitostPlati(-1));
}

} // namespace
