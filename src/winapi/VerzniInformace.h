// Values of the executable's own version block ("ProductName", "InternalName", ...).
#pragma once

#include <cstdint>
#include <string>

namespace Vrbatec {

// Reads a value from the string table selected by the first translation of the block;
// false (and the value untouched) when the block or the value cannot be read.
bool NacistHodnotuVerze(const wchar_t* nazev, std::wstring& hodnota);

// The fixed file version: its most and least significant halves; false when the block cannot
// be read.
bool NacistCisloVerze(std::uint32_t& vyssiCast, std::uint32_t& nizsiCast);

} // namespace Vrbatec
