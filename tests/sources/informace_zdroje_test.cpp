// The bit rate in kilobits (the lines themselves show in the source-properties dialog).
#include <gtest/gtest.h>

#include <string>

#include "sources/InformaceZdroje.h"

namespace {

using namespace Vrbatec;

TEST(InformaceZdroje, BitRateIsCutTowardZeroFromTheLeadingNumber) {
    EXPECT_EQ(KilobityZTextu(L"127999"), 127);
    EXPECT_EQ(KilobityZTextu(L"  96000 b/s"), 96);
    EXPECT_EQ(KilobityZTextu(L"-1999"), -1);
    EXPECT_EQ(KilobityZTextu(L"neznámý"), 0);
    EXPECT_EQ(KilobityZTextu(L"99999999999999999999"), 2147483);
}

} // namespace
