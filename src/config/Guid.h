// A 16-byte identifier (of an encoding profile) in the layout Windows gives a GUID in
// memory: a 32-bit, two 16-bit fields and eight bytes, the numbers little-endian. The
// registry keeps the profile as exactly these 16 bytes.
#pragma once

#include <array>
#include <cstdint>

namespace Vrbatec {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend bool operator==(const Guid&, const Guid&) = default;
};

using BajtyGuid = std::array<std::uint8_t, 16>;

BajtyGuid NaBajty(const Guid& guid);
Guid GuidZBajtu(const BajtyGuid& bajty);

} // namespace Vrbatec
