// Rules of the source views: selection after refills and removals, the sort a header click
// asks for, the texts of rows and the search behind type-to-find.
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

SeznamZdroju TriZdroje() {
    SeznamZdroju seznam(ChybaIndexu);
    seznam.Pridat(L"Český rozhlas", L"http://cro", true);
    seznam.Pridat(L"Rádio Wien", L"http://wien", true);
    seznam.Pridat(L"rádio Beat", L"http://beat", true);
    return seznam;
}

TEST(PravidlaVyberu, RefillSelectsFirstOrLastPlayedOnlyWhenAsked) {
    struct Pripad {
        int vybrany;
        std::uint32_t pocet;
        bool obnovit;
        int posledni;
        int ocekavany;
    };
    const Pripad pripady[] = {
        {-1, 0, true, 0, -1}, // nothing to select in an empty list
        {-1, 3, false, 2, 0}, // no selection falls on the first source
        {1, 3, false, 2, 1},  // a selection stays without the flag
        {1, 3, true, 2, 2},   // the last played source wins at start-up
        {-1, 3, true, -1, 0}, // nothing played yet
        {1, 3, true, 3, 1},   // the last played source is gone
        {5, 3, false, 0, 5},  // a selection past the end is left for the caller to check
    };
    for (const Pripad& p : pripady) {
        EXPECT_EQ(VyberPriNaplneni(p.vybrany, p.pocet, p.obnovit, p.posledni), p.ocekavany)
            << p.vybrany << " " << p.pocet << " " << p.obnovit << " " << p.posledni;
    }
}

TEST(PravidlaVyberu, RemovalMovesSelectionOnlyOffTheEnd) {
    EXPECT_EQ(VyberPoOdebrani(2, 2), 1);  // the last of three
    EXPECT_EQ(VyberPoOdebrani(0, 0), -1); // the only one
    EXPECT_EQ(VyberPoOdebrani(0, 2), 0);  // the first stays on its number
    EXPECT_EQ(VyberPoOdebrani(1, 2), 1);
}

TEST(PravidlaVyberu, HeaderClicksSortAscendingThenAlternate) {
    Razeni razeni;
    std::vector<Razeni> poKliknuti;
    for (const int sloupec : {0, 0, 0, 1, 1, 0}) {
        razeni = DalsiRazeni(razeni, sloupec);
        poKliknuti.push_back(razeni);
    }
    const std::vector<Razeni> ocekavane{{0, false}, {0, true}, {0, false},
                                        {1, false}, {1, true}, {0, false}};
    EXPECT_EQ(poKliknuti, ocekavane);
}

TEST(PravidlaVyberu, CellTextsAreEmptyOutsideTheList) {
    const SeznamZdroju seznam = TriZdroje();
    EXPECT_EQ(TextBunky(seznam, 1, kSloupecNazev), L"Rádio Wien");
    EXPECT_EQ(TextBunky(seznam, 2, kSloupecUrl), L"http://beat");
    EXPECT_TRUE(TextBunky(seznam, 3, kSloupecNazev).empty());
    EXPECT_TRUE(TextBunky(seznam, -1, kSloupecNazev).empty());
    EXPECT_TRUE(TextBunky(seznam, 0, 2).empty());
    EXPECT_TRUE(TextBunky(SeznamZdroju(ChybaIndexu), 0, kSloupecNazev).empty());
}

TEST(PravidlaVyberu, CopyIntoBufferTruncatesAndNeverOverruns) {
    std::wstring buffer(8, L'#');
    KopirovatDoBufferu(L"Rádio Wien", buffer.data(), 5);
    EXPECT_EQ(std::wstring(buffer.c_str()), L"Rádi");
    EXPECT_EQ(buffer.substr(5), L"###");

    KopirovatDoBufferu(L"abc", buffer.data(), 4);
    EXPECT_EQ(std::wstring(buffer.c_str()), L"abc");

    buffer.assign(8, L'#');
    KopirovatDoBufferu(L"abc", buffer.data(), 0);
    EXPECT_EQ(buffer, std::wstring(8, L'#'));
    KopirovatDoBufferu(L"abc", buffer.data(), 1);
    EXPECT_EQ(buffer[0], L'\0');
    KopirovatDoBufferu(L"abc", nullptr, 4); // no buffer: nothing happens
}

TEST(PravidlaVyberu, SearchStartsAtTheGivenRowAndWrapsOnlyWhenAsked) {
    const std::vector<bool> shody{true, false, true, false};
    const auto odpovida = [&](std::size_t i) { return shody[i]; };
    EXPECT_EQ(NajitOd(4, 1, false, odpovida), 2);
    EXPECT_EQ(NajitOd(4, 3, true, odpovida), 0);
    EXPECT_EQ(NajitOd(4, 3, false, odpovida), -1);
    EXPECT_EQ(NajitOd(4, 9, false, odpovida), 0); // a start outside begins at the top
    EXPECT_EQ(NajitOd(0, 0, true, [](std::size_t) { return true; }), -1);

    int dotazu = 0;
    NajitOd(4, 2, true, [&](std::size_t) {
        ++dotazu;
        return false;
    });
    EXPECT_EQ(dotazu, 4); // every row once, none twice
}

} // namespace
