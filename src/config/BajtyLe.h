// Little-endian byte order of the records that the registry keeps in binary form. The
// registry stores them exactly as the program holds them in memory on x86-64, so the byte
// order is fixed here rather than left to the machine that builds the tests.
#pragma once

#include <cstdint>

namespace Vrbatec::BajtyLe {

inline void Zapsat16(std::uint8_t* cil, std::uint16_t hodnota) {
    cil[0] = static_cast<std::uint8_t>(hodnota);
    cil[1] = static_cast<std::uint8_t>(hodnota >> 8);
}

inline void Zapsat32(std::uint8_t* cil, std::uint32_t hodnota) {
    Zapsat16(cil, static_cast<std::uint16_t>(hodnota));
    Zapsat16(cil + 2, static_cast<std::uint16_t>(hodnota >> 16));
}

inline std::uint16_t Cist16(const std::uint8_t* zdroj) {
    return static_cast<std::uint16_t>(zdroj[0] | (zdroj[1] << 8));
}

inline std::uint32_t Cist32(const std::uint8_t* zdroj) {
    return static_cast<std::uint32_t>(Cist16(zdroj)) |
           (static_cast<std::uint32_t>(Cist16(zdroj + 2)) << 16);
}

} // namespace Vrbatec::BajtyLe
