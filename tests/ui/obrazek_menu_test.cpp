#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ui/ObrazekMenu.h"

namespace om = Vrbatec::Ui::ObrazekMenu;

namespace {

// A strip of `pocet` pictures of side 2; picture i is filled with B = i, G = 100, R = 200 and
// the given alpha.
std::vector<std::uint8_t> Pruh(int pocet, std::uint8_t alfa) {
    std::vector<std::uint8_t> pruh;
    for (int y = 0; y < 2; ++y) {
        for (int i = 0; i < pocet; ++i) {
            for (int x = 0; x < 2; ++x) {
                pruh.insert(pruh.end(), {static_cast<std::uint8_t>(i), 100, 200, alfa});
            }
        }
    }
    return pruh;
}

TEST(ObrazekMenu, CutsThePictureOfTheIndex) {
    const auto obrazek = om::Vyriznout(Pruh(3, 255), 6, 2, 2);
    ASSERT_EQ(obrazek.size(), 16u);
    for (size_t p = 0; p < 4; ++p) {
        EXPECT_EQ(obrazek[p * 4 + 0], 2) << p;
        EXPECT_EQ(obrazek[p * 4 + 1], 100) << p;
        EXPECT_EQ(obrazek[p * 4 + 2], 200) << p;
        EXPECT_EQ(obrazek[p * 4 + 3], 255) << p;
    }
}

TEST(ObrazekMenu, PremultipliesColoursByAlpha) {
    const auto pulka = om::Vyriznout(Pruh(1, 128), 2, 2, 0);
    ASSERT_EQ(pulka.size(), 16u);
    EXPECT_EQ(pulka[1], 50);  // 100 * 128 / 255, rounded
    EXPECT_EQ(pulka[2], 100); // 200 * 128 / 255, rounded
    EXPECT_EQ(pulka[3], 128);
    const auto pruhledny = om::Vyriznout(Pruh(1, 0), 2, 2, 0);
    EXPECT_EQ(pruhledny, std::vector<std::uint8_t>(16, 0));
}

TEST(ObrazekMenu, PicturesOutsideTheStripGiveNothing) {
    const auto pruh = Pruh(2, 255);
    EXPECT_TRUE(om::Vyriznout(pruh, 4, 2, 2).empty());
    EXPECT_TRUE(om::Vyriznout(pruh, 4, 2, -1).empty());
    EXPECT_TRUE(om::Vyriznout(pruh, 4, 0, 0).empty());
    EXPECT_TRUE(om::Vyriznout(std::vector<std::uint8_t>(8), 4, 2, 0).empty());
}

} // namespace
