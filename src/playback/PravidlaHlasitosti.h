// The volume arithmetic of the playback commands. Volumes are 0-100 as the player takes
// them; the step comes from the settings, where a wrong stored value must not turn the
// commands into jumps to full or zero volume.
#pragma once

#include <cstdint>
#include <optional>

namespace Vrbatec::PravidlaHlasitosti {

inline constexpr std::uint32_t kNejvyssi = 100;

// The volume after one step up or down; nothing when the step is 0 or over 100, for then
// the commands leave the volume alone.
std::optional<std::uint32_t> Zvysit(std::uint32_t hlasitost, std::uint32_t krok);
std::optional<std::uint32_t> Snizit(std::uint32_t hlasitost, std::uint32_t krok);

// A source's own volume takes effect only when it is 1-100; other values mean "none".
constexpr bool VlastniHlasitostPlati(std::int32_t hlasitost) {
    return hlasitost >= 1 && hlasitost <= static_cast<std::int32_t>(kNejvyssi);
}

} // namespace Vrbatec::PravidlaHlasitosti
