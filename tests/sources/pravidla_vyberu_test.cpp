// Rules of the source views: selection after refills and removals and the texts of rows (the
// sort a header click asks for shows in the tests of the views).
#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "sources/PravidlaVyberu.h"

namespace {

using namespace Vrbatec;
using namespace Vrbatec::PravidlaVyberu;

void ChybaIndexu(std::int32_t) {
    throw std::out_of_range("index");
}

TEST(PravidlaVyberu, SelectionAfterRefillAndRemoval) {
    EXPECT_EQ(VyberPriNaplneni(-1, 0, true, 0), -1); // an empty list has nothing to select
    EXPECT_EQ(VyberPriNaplneni(-1, 3, false, 2), 0); // no selection falls on the first
    EXPECT_EQ(VyberPriNaplneni(1, 3, true, 2), 2);   // the last played wins at start-up
    EXPECT_EQ(VyberPriNaplneni(1, 3, true, 3), 1);   // ... while it still exists

    EXPECT_EQ(VyberPoOdebrani(2, 2), 1);  // the last of three
    EXPECT_EQ(VyberPoOdebrani(0, 0), -1); // the only one
}

TEST(PravidlaVyberu, CellTextsAreEmptyOutsideTheListAndCopiesNeverOverrun) {
    SeznamZdroju seznam(ChybaIndexu);
    seznam.Pridat(L"Rádio Wien", L"http://wien", true);
    EXPECT_EQ(TextBunky(seznam, 0, kSloupecUrl), L"http://wien");
    EXPECT_TRUE(TextBunky(seznam, 1, kSloupecNazev).empty());
    EXPECT_TRUE(TextBunky(seznam, 0, 2).empty());

    std::wstring buffer(8, L'#');
    KopirovatDoBufferu(L"Rádio Wien", buffer.data(), 5);
    EXPECT_EQ(buffer, std::wstring(L"Rádi\0###", 8));
    buffer.assign(8, L'#');
    KopirovatDoBufferu(L"abc", buffer.data(), 0);
    EXPECT_EQ(buffer, std::wstring(8, L'#'));
}

} // namespace
