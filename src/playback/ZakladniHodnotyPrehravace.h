// What a newly created player takes over from the settings: the network buffer and the
// volume. The control counts the buffer in milliseconds as a 32-bit signed number and the
// volume from 0 to 100.
#pragma once

#include <cstdint>
#include <optional>

namespace Vrbatec {

// Seconds as milliseconds; a count of seconds too large for the control gives its largest
// buffer instead of wrapping to a small or negative one.
std::int32_t DobaBufferuMs(std::uint32_t sekund);

// The volume to set when the player is created; none when the stored one lies above 100,
// and the control then keeps its own.
std::optional<std::int32_t> HlasitostPriVytvoreni(std::uint32_t hlasitost);

} // namespace Vrbatec
