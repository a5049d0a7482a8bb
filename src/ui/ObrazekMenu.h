// Menu images: one picture of a strip as a 32-bit bitmap with premultiplied alpha, the form
// in which menus blend an item's image with whatever the menu draws behind it. The picture's
// transparent pixels stay transparent, so no square of background colour shows around it.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace Vrbatec::Ui::ObrazekMenu {

// Cuts picture `index` (square, side `velikost`) out of a strip of 32-bit B, G, R, A pixels
// stored top-down, `sirkaPruhu` pixels wide, and premultiplies its colours by its alpha.
// Returns velikost × velikost pixels, top-down; empty when the picture lies outside.
std::vector<std::uint8_t> Vyriznout(std::span<const std::uint8_t> pruh, int sirkaPruhu,
                                    int velikost, int index);

} // namespace Vrbatec::Ui::ObrazekMenu
