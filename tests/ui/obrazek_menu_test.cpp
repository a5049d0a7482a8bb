#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "ui/ObrazekMenu.h"

namespace om = Vrbatec::Ui::ObrazekMenu;

namespace {

// A strip of `pocet` pictures of side 2; picture i is filled with B = i, G = 100, R = 200 and
// the given alpha.
std::vector<std::uint8_t> Pruh(int pocet, std::uint8_t alfa) {
    std::vector<std::uint8_t> pruh(16 * static_cast<std::size_t>(pocet), alfa);
    for (std::size_t pixel = 0; pixel < pruh.size() / 4; ++pixel) {
        pruh[pixel * 4] = static_cast<std::uint8_t>(pixel / 2 % pocet);
        pruh[pixel * 4 + 1] = 100;
        pruh[pixel * 4 + 2] = 200;
    }
    return pruh;
}

std::vector<std::uint8_t> Ctyrikrat(std::vector<std::uint8_t> pixel) {
    return {pixel[0], pixel[1], pixel[2], pixel[3], pixel[0], pixel[1], pixel[2], pixel[3],
            pixel[0], pixel[1], pixel[2], pixel[3], pixel[0], pixel[1], pixel[2], pixel[3]};
}

TEST(ObrazekMenu, CutsThePictureOfTheIndexWithPremultipliedColoursAndNothingOutside) {
    EXPECT_EQ(om::Vyriznout(Pruh(3, 255), 6, 2, 2), Ctyrikrat({2, 100, 200, 255}));
    // 100 · 128 / 255 and 200 · 128 / 255, rounded.
    EXPECT_EQ(om::Vyriznout(Pruh(3, 128), 6, 2, 1), Ctyrikrat({1, 50, 100, 128}));
    // Pictures outside the strip, or a strip shorter than it says, give nothing.
    EXPECT_TRUE(om::Vyriznout(Pruh(2, 255), 4, 2, 2).empty());
    EXPECT_TRUE(om::Vyriznout(std::vector<std::uint8_t>(8), 4, 2, 0).empty());
}

} // namespace
