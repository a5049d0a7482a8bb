#include <gtest/gtest.h>

#include "app/VerzeWindows.h"

using Vrbatec::KodVerzeWindows;

namespace {

TEST(KodVerzeWindows, MapsNtVersions) {
    EXPECT_EQ(KodVerzeWindows(true, 4, 0, 0x502), 0u);
    EXPECT_EQ(KodVerzeWindows(true, 5, 0, 0x502), 0x500u);
    EXPECT_EQ(KodVerzeWindows(true, 5, 1, 0x502), 0x501u);
    EXPECT_EQ(KodVerzeWindows(true, 5, 2, 0x502), 0x502u);
    EXPECT_EQ(KodVerzeWindows(true, 5, 9, 0x502), 0x502u);
    EXPECT_EQ(KodVerzeWindows(true, 6, 0, 0x502), 0x600u);
    EXPECT_EQ(KodVerzeWindows(true, 6, 1, 0x502), 0x601u);
    EXPECT_EQ(KodVerzeWindows(true, 6, 2, 0x502), 0x602u);
    EXPECT_EQ(KodVerzeWindows(true, 6, 3, 0x502), 0x602u);
    EXPECT_EQ(KodVerzeWindows(true, 10, 0, 0x502), 0xFFFFu);
}

TEST(KodVerzeWindows, OtherPlatformsKeepTheCodeTheyHad) {
    EXPECT_EQ(KodVerzeWindows(false, 10, 0, 0x502), 0x502u);
    EXPECT_EQ(KodVerzeWindows(false, 4, 10, 0x123), 0x123u);
}

} // namespace
