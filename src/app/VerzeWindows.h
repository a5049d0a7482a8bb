// The program's own code for the Windows version, which decides for instance whether menus
// carry images (0x600 and above).
#pragma once

#include <cstdint>

namespace Vrbatec {

inline constexpr std::uint32_t kVerzeVychozi = 0x502;

// major.minor of an NT system → 0, 0x500, 0x501, 0x502, 0x600, 0x601, 0x602 or 0xFFFF.
// Another platform keeps the code it had.
std::uint32_t KodVerzeWindows(bool platformaNt, std::uint32_t hlavni, std::uint32_t vedlejsi,
                              std::uint32_t dosavadniKod);

} // namespace Vrbatec
