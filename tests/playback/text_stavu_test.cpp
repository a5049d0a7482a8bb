#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <utility>

#include "playback/TextStavu.h"

namespace ts = Vrbatec::TextStavu;

namespace {

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
