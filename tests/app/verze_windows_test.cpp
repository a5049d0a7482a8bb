#include <gtest/gtest.h>

#include "app/VerzeWindows.h"

using Vrbatec::KodVerzeWindows;

namespace {

TEST(KodVerzeWindows, MapsNtVersionsAndOtherPlatformsKeepTheCodeTheyHad) {
    const struct {
        bool nt;
        unsigned hlavni, vedlejsi, kod;
    } pripady[] = {
        {true, 4, 0, 0u}, {true, 6, 3, 0x602u}, {true, 10, 0, 0xFFFFu}, {false, 10, 0, 0x123u}};
    for (const auto& p : pripady) {
        EXPECT_EQ(KodVerzeWindows(p.nt, p.hlavni, p.vedlejsi, 0x123), p.kod)
            << p.hlavni << "." << p.vedlejsi;
    }
}

} // namespace
