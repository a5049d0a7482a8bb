// What a server sent instead of, or as, a stream.
//
// The media type decides when it names something the engine knows; the first bytes decide
// when it is missing, generic ("application/octet-stream") or unknown. A web page (a portal,
// an error page, a station's site) is reported as such so the user learns why nothing plays;
// ASF, WMA, Ogg and the like go to another player.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "playback/SeznamSkladeb.h"

namespace Vrbatec::Stream {

enum class DruhObsahu { Mp3, Aac, Seznam, Stranka, Jiny, Neznamy };

struct Rozpoznani {
    DruhObsahu druh = DruhObsahu::Neznamy;
    DruhSeznamu seznam = DruhSeznamu::Zadny; // when druh is Seznam
};

// `typObsahu` lower case without parameters (as UdajeOdpovedi gives it); `zacatek` the first
// bytes of the body, the more the surer (a few kilobytes let three frames be found).
Rozpoznani RozpoznatObsah(std::string_view typObsahu, std::span<const std::uint8_t> zacatek,
                          std::string_view url);

} // namespace Vrbatec::Stream
