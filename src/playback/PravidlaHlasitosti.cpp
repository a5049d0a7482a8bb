#include "playback/PravidlaHlasitosti.h"

#include <algorithm>

namespace Vrbatec::PravidlaHlasitosti {

namespace {

bool KrokPlati(std::uint32_t krok) {
    return krok != 0 && krok <= kNejvyssi;
}

} // namespace

std::optional<std::uint32_t> Zvysit(std::uint32_t hlasitost, std::uint32_t krok) {
    if (!KrokPlati(krok)) {
        return std::nullopt;
    }
    // Compared before adding, so a stored volume near the type's end cannot wrap around.
    return hlasitost >= kNejvyssi - krok ? kNejvyssi : hlasitost + krok;
}

std::optional<std::uint32_t> Snizit(std::uint32_t hlasitost, std::uint32_t krok) {
    if (!KrokPlati(krok)) {
        return std::nullopt;
    }
    return hlasitost <= krok ? 0 : std::min(hlasitost - krok, kNejvyssi);
}

} // namespace Vrbatec::PravidlaHlasitosti
