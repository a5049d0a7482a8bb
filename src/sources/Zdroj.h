// One thing the user can listen to: a station's stream given by its URL, or a media file
// given by its path. A record owns copies of its texts.
#pragma once

#include <cstdint>
#include <string>

namespace Vrbatec {

// Volumes 1..100 are applied when the source starts playing; any other value means the
// source has none of its own. New records get this one.
inline constexpr std::int32_t kBezVlastniHlasitosti = -1;

struct Zdroj {
    std::wstring nazev;
    std::wstring url;
    std::int32_t hlasitost = kBezVlastniHlasitosti;
    bool menu = false;

    friend bool operator==(const Zdroj&, const Zdroj&) = default;
};

} // namespace Vrbatec
