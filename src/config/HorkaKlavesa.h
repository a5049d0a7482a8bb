// One global hotkey binding: which command a key combination runs. The registry keeps a
// binding as 16 bytes, the four fields in order, each a little-endian 32-bit number, so the
// value can be read back by any version that kept the same record.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace Vrbatec {

// The group shown on the hotkey page for commands that are not about playing or recording.
inline constexpr std::uint32_t kSkupinaVseobecne = 20004;

struct HorkaKlavesa {
    std::uint32_t modifikatory = 0; // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
    std::uint32_t klavesa = 0;      // virtual-key code; 0 = no hotkey assigned
    std::uint32_t prikaz = 0;       // command identifier, also the hotkey identifier
    std::uint32_t skupina = 0;      // string identifier of the page's group, or 0

    friend bool operator==(const HorkaKlavesa&, const HorkaKlavesa&) = default;
};

inline constexpr std::size_t kVelikostHorkeKlavesy = 16;
using ZabalenaHorkaKlavesa = std::array<std::uint8_t, kVelikostHorkeKlavesy>;

ZabalenaHorkaKlavesa Zabalit(const HorkaKlavesa& klavesa);
// Bytes past the 16th are ignored; fields the data does not reach (wholly or in part) read
// as zero bytes, as a short registry value leaves them in a zeroed buffer.
HorkaKlavesa Rozbalit(std::span<const std::uint8_t> data);

} // namespace Vrbatec
