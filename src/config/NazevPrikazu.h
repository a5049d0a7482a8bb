// A hotkey's registry value is named by its command identifier in decimal. Names are read
// back the way the shell's StrToIntW reads them, so that a value someone wrote by hand
// ("40032x", "-5", "abc") ends up as the same command it always did.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Vrbatec {

// "%d" of the command taken as a signed 32-bit number.
std::wstring NazevHodnotyPrikazu(std::uint32_t prikaz);

// StrToIntW: an optional '-' and the decimal digits that follow, up to the first other
// character; 0 when the text does not start with '-' or a digit or has no digit after the
// '-'. No spaces or '+' are skipped. Overlong numbers keep their low 32 bits.
std::int32_t CisloZNazvu(std::wstring_view nazev);

} // namespace Vrbatec
