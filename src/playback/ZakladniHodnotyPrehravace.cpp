#include "playback/ZakladniHodnotyPrehravace.h"

#include <limits>

namespace Vrbatec {

std::int32_t DobaBufferuMs(std::uint32_t sekund) {
    constexpr std::uint32_t kNejvic = std::numeric_limits<std::int32_t>::max() / 1000;
    if (sekund > kNejvic) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(sekund) * 1000;
}

std::optional<std::int32_t> HlasitostPriVytvoreni(std::uint32_t hlasitost) {
    if (hlasitost > 100) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(hlasitost);
}

} // namespace Vrbatec
