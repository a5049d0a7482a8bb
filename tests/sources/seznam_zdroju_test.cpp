// The list and its operations.
#include <gtest/gtest.h>

#include <vector>

#include "sources/SeznamZdroju.h"

namespace {

using namespace Vrbatec;

struct ChybaIndexu {};
std::vector<std::int32_t> kody;

class SeznamZdrojuTest : public testing::Test {
protected:
    SeznamZdrojuTest() {
        seznam.Pridat(L"A", L"a", true);
        seznam.Pridat(L"B", L"b", false);
        seznam.Pridat(L"C", L"c", true);
    }
    SeznamZdroju seznam{[](std::int32_t kod) {
        kody.push_back(kod);
        throw ChybaIndexu{};
    }};
};

TEST_F(SeznamZdrojuTest, WritesChangeOnlyTheirRecordAndRemovingMovesLaterOnesUp) {
    EXPECT_EQ(seznam.Polozka(1), (Zdroj{L"B", L"b", -1, false})); // added without own volume
    seznam.NastavitNazev(1, L"B2");
    seznam.NastavitUrl(1, L"b2");
    seznam.NastavitHlasitost(1, 70);
    seznam.NastavitMenu(1, true);
    EXPECT_EQ(seznam.Vse(),
              (std::vector<Zdroj>{
                  {L"A", L"a", -1, true}, {L"B2", L"b2", 70, true}, {L"C", L"c", -1, true}}));
    seznam.Odebrat(0);
    EXPECT_EQ(seznam.Polozka(0).nazev, L"B2");
    EXPECT_EQ(seznam.Pocet(), 2u);
}

TEST_F(SeznamZdrojuTest, IndexOutsideTheListIsAFatalInvalidArgumentAndChangesNothing) {
    const std::vector<Zdroj> puvodni = seznam.Vse();
    EXPECT_THROW(seznam.NastavitUrl(3, L"x"), ChybaIndexu);
    EXPECT_THROW(seznam.Odebrat(0xFFFFFFFFu), ChybaIndexu);
    EXPECT_EQ(kody, (std::vector<std::int32_t>(2, static_cast<std::int32_t>(0x80070057u))));
    EXPECT_EQ(seznam.Vse(), puvodni);
}

} // namespace
