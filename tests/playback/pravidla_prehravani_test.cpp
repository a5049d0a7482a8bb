// The playback rules that need no player: volume steps, the values the control is created
// with, and the bit rate in the status text.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <limits>
#include <utility>

#include "playback/PravidlaHlasitosti.h"
#include "playback/TextStavu.h"
#include "playback/ZakladniHodnotyPrehravace.h"

namespace ph = Vrbatec::PravidlaHlasitosti;
namespace ts = Vrbatec::TextStavu;

namespace {

// The ordinary steps and a zero step show in the playback commands' tests.
TEST(PravidlaHlasitosti, StepsStayWithinTheRangeAndABadStepDoesNothing) {
    EXPECT_EQ(ph::Zvysit(UINT_MAX - 1, 100), 100u); // no wrap-around
    EXPECT_EQ(ph::Snizit(150, 2), 100u);
    EXPECT_FALSE(ph::Zvysit(50, 101).has_value() || ph::Snizit(50, 101).has_value());
    EXPECT_TRUE(ph::VlastniHlasitostPlati(1) && ph::VlastniHlasitostPlati(100));
    EXPECT_FALSE(ph::VlastniHlasitostPlati(101) || ph::VlastniHlasitostPlati(-1));
}

TEST(ZakladniHodnotyPrehravace, BufferInMillisecondsAndVolumeStayWithinWhatTheControlTakes) {
    using Vrbatec::DobaBufferuMs, Vrbatec::HlasitostPriVytvoreni;
    EXPECT_EQ(2147483000, DobaBufferuMs(2147483));
    // One second more would wrap past the largest 32-bit signed value.
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), DobaBufferuMs(2147484));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::max(), DobaBufferuMs(4294967295u));
    EXPECT_EQ(100, HlasitostPriVytvoreni(100));
    EXPECT_FALSE(HlasitostPriVytvoreni(101).has_value());
    EXPECT_FALSE(HlasitostPriVytvoreni(0x80000000u).has_value());
}

TEST(TextStavu, BitRateIsTheLeadingDigitsInWholeKilobitsWithoutOverflowAndTheNameIsNotAFormat) {
    using Pripad = std::pair<const wchar_t*, int>;
    for (const auto& [text, kilobitu] :
         std::initializer_list<Pripad>{{L"64999", 64},
                                       {L"999", 0},
                                       {L"320000 b/s", 320},
                                       {L"-128000", 0},
                                       {L"99999999999999999999999", INT_MAX / 1000}}) {
        EXPECT_EQ(ts::KilobituZaSekundu(text), kilobitu) << "\"" << text << "\"";
    }
    // A name that looks like a format is shown as it is.
    EXPECT_EQ(ts::TextDatovehoToku(128, L"Rádio %s"), L"Přehrávání - 128 kb/s - Rádio %s");
}

} // namespace
