// The list and its operations.
#include <gtest/gtest.h>

#include "sources/SeznamZdroju.h"

namespace {

using namespace Vrbatec;

struct ChybaIndexu {
    std::int32_t kod;
};

[[noreturn]] void VyhoditChybu(std::int32_t kod) {
    throw ChybaIndexu{kod};
}

std::vector<std::wstring> Nazvy(const SeznamZdroju& seznam) {
    std::vector<std::wstring> nazvy;
    for (const Zdroj& z : seznam.Vse()) {
        nazvy.push_back(z.nazev);
    }
    return nazvy;
}

class SeznamZdrojuTest : public testing::Test {
protected:
    SeznamZdrojuTest() {
        seznam.Pridat(L"A", L"a", true);
        seznam.Pridat(L"B", L"b", false);
        seznam.Pridat(L"C", L"c", true);
    }
    SeznamZdroju seznam{VyhoditChybu};
};

TEST_F(SeznamZdrojuTest, AddAppendsWithoutOwnVolume) {
    ASSERT_EQ(seznam.Pocet(), 3u);
    EXPECT_EQ(seznam.Polozka(2), (Zdroj{L"C", L"c", -1, true}));
    EXPECT_EQ(seznam.Polozka(1), (Zdroj{L"B", L"b", -1, false}));
}

TEST_F(SeznamZdrojuTest, WritesChangeOnlyTheirRecord) {
    seznam.NastavitNazev(1, L"B2");
    seznam.NastavitUrl(1, L"b2");
    seznam.NastavitHlasitost(1, 70);
    seznam.NastavitMenu(1, true);
    EXPECT_EQ(seznam.Polozka(1), (Zdroj{L"B2", L"b2", 70, true}));
    EXPECT_EQ(seznam.Polozka(0), (Zdroj{L"A", L"a", -1, true}));
    EXPECT_EQ(seznam.Polozka(2), (Zdroj{L"C", L"c", -1, true}));
}

TEST_F(SeznamZdrojuTest, RemoveMovesLaterRecordsUp) {
    seznam.Odebrat(0);
    EXPECT_EQ(Nazvy(seznam), (std::vector<std::wstring>{L"B", L"C"}));
    seznam.Odebrat(1);
    seznam.Odebrat(0);
    EXPECT_EQ(seznam.Pocet(), 0u);
    seznam.Pridat(L"D", L"d", false);
    EXPECT_EQ(Nazvy(seznam), (std::vector<std::wstring>{L"D"}));
}

TEST_F(SeznamZdrojuTest, IndexOutsideTheListIsAFatalInvalidArgument) {
    const auto kodChyby = [](auto&& operace) {
        try {
            operace();
        } catch (const ChybaIndexu& chyba) {
            return chyba.kod;
        }
        return std::int32_t{0};
    };
    const auto e_invalidarg = static_cast<std::int32_t>(0x80070057u);
    EXPECT_EQ(kodChyby([&] { seznam.NastavitNazev(3, L"x"); }), e_invalidarg);
    EXPECT_EQ(kodChyby([&] { seznam.NastavitUrl(3, L"x"); }), e_invalidarg);
    EXPECT_EQ(kodChyby([&] { seznam.Odebrat(3); }), e_invalidarg);
    EXPECT_EQ(kodChyby([&] { seznam.Odebrat(static_cast<std::uint32_t>(-1)); }), e_invalidarg);
    EXPECT_EQ(kodChyby([&] { seznam.NastavitHlasitost(7, 1); }), e_invalidarg);
    EXPECT_EQ(Nazvy(seznam), (std::vector<std::wstring>{L"A", L"B", L"C"}));
}

TEST_F(SeznamZdrojuTest, ClearAndReplace) {
    seznam.Vymazat();
    EXPECT_EQ(seznam.Pocet(), 0u);
    seznam.Nahradit({{L"X", L"x", 5, false}});
    EXPECT_EQ(seznam.Polozka(0), (Zdroj{L"X", L"x", 5, false}));
}

TEST_F(SeznamZdrojuTest, SortKeepsEqualRecordsInTheirOrder) {
    seznam.NastavitHlasitost(0, 1);
    seznam.NastavitHlasitost(2, 2);
    seznam.Seradit([](const Zdroj& a, const Zdroj& b) { return a.menu && !b.menu; });
    EXPECT_EQ(Nazvy(seznam), (std::vector<std::wstring>{L"A", L"C", L"B"}));
    seznam.Seradit([](const Zdroj& a, const Zdroj& b) { return a.nazev > b.nazev; });
    EXPECT_EQ(Nazvy(seznam), (std::vector<std::wstring>{L"C", L"B", L"A"}));
}

} // namespace
