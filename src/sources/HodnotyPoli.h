// How the number fields of the list file turn into values. Files written by hand or by
// older versions must read exactly as before, so the rules follow the system's StrToIntW
// and a case-insensitive comparison with "1".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Vrbatec::HodnotyPoli {

// An optional '-' right at the start, then decimal digits up to the first other character;
// no digits give 0. Leading spaces and '+' are not accepted. Longer numbers wrap around in
// 32 bits.
std::int32_t CisloZTextu(std::u16string_view text);

// Only "1" turns the menu flag on.
bool PriznakZTextu(std::u16string_view text);

std::u16string TextCisla(std::int32_t cislo);
std::u16string TextPriznaku(bool priznak);

} // namespace Vrbatec::HodnotyPoli
