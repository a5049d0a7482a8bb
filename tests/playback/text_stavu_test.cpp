#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <utility>
#include <stdexcept>

#include "playback/TextStavu.h"

namespace ts = Vrbatec::TextStavu;

namespace {

TEST(TextStavu, BitRateIsTheLeadingDigitsInWholeKilobitsWithoutOverflow) {
    using Pripad = std::pair<const wchar_t*, int>;
    for (const auto& [text, kilobitu] :
         std::initializer_list<Pripad>{{L"64999", 64},
                                       {L"", 0},
                                       {L"999", 0},
                                       {L"320000 b/s", 320},
                                       {L" 128000", 0},
                                       {L"-128000", 0},
                                       {L"99999999999999999999999", INT_MAX / 1000}}) {
        EXPECT_EQ(ts::KilobituZaSekundu(text), kilobitu) << "\"" << text << "\"";
    }
}

TEST(TextStavu, TheNameIsTheOpenedAddressElseTheSelectedSourceNeverOutsideTheList) {
    Vrbatec::SeznamZdroju zdroje{[](std::int32_t) { throw std::logic_error("outside"); }};
    EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"", zdroje, 0), L"");
    zdroje.Pridat(L"Radiožurnál", L"http://a", false);
    EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"", zdroje, 0), L"Radiožurnál");
    EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"C:\\a.mp3", zdroje, 0), L"C:\\a.mp3");
    for (const int mimo : {-1, 1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(ts::NazevPrehravanehoZdroje(L"", zdroje, mimo), L"") << mimo;
    }
    EXPECT_EQ(ts::TextDatovehoToku(128, L"Rádio %s"), L"Přehrávání - 128 kb/s - Rádio %s");
}

} // namespace
