// The grey version of an image, used for disabled toolbar buttons.
//
// Pixels are 32-bit in B, G, R, A byte order (a DIB as GetDIBits gives it). Red, green and
// blue of each pixel become (30·R + 59·G + 11·B) / 100 with the division truncated; alpha
// stays. Pixels that were not black stay not black unless their weighted sum is below
// 100, which the program's pictures avoid, because black is the image lists' mask colour.
#pragma once

#include <cstdint>
#include <span>

namespace Vrbatec::Ui::SedyObrazek {

constexpr std::uint8_t Jas(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint8_t>((30 * r + 59 * g + 11 * b) / 100);
}

// Converts every whole pixel of the buffer in place; bytes after the last whole pixel stay.
void Prevest(std::span<std::uint8_t> pixely);

} // namespace Vrbatec::Ui::SedyObrazek
