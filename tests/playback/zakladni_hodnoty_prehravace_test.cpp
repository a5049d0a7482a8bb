#include "playback/ZakladniHodnotyPrehravace.h"

#include <gtest/gtest.h>

#include <limits>

namespace Vrbatec {
namespace {

TEST(ZakladniHodnotyPrehravace, BufferInMillisecondsAndVolumeStayWithinWhatTheControlTakes) {
    EXPECT_EQ(5000, DobaBufferuMs(5));
    EXPECT_EQ(2147483000, DobaBufferuMs(2147483));
    // One second more would wrap past the largest 32-bit signed value.
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), DobaBufferuMs(2147484));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), DobaBufferuMs(4294967295u));
    EXPECT_EQ(0, HlasitostPriVytvoreni(0));
    EXPECT_EQ(100, HlasitostPriVytvoreni(100));
    EXPECT_FALSE(HlasitostPriVytvoreni(101).has_value());
    EXPECT_FALSE(HlasitostPriVytvoreni(0x80000000u).has_value());
}

} // namespace
} // namespace Vrbatec
