// Playlists that lead to a radio stream: .pls, .m3u / .m3u8 and .asx.
//
// A playlist is at most kNejdelsiSeznam bytes (a longer one is refused whole: a radio's list
// names a few servers, not thousands). Only absolute http and https addresses are taken;
// relative entries are skipped, since in a radio's playlist they are paths on the author's
// disk or pieces of a segmented stream this engine does not play. Entries keep their order:
// .pls by the number N of FileN (equal numbers in order of appearance), the others in order
// of appearance; from .asx the http(s) refs of the first entry only, which are alternatives
// of one stream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Vrbatec::Stream {

inline constexpr std::size_t kNejdelsiSeznam = 64 * 1024;

enum class DruhSeznamu { Zadny, Pls, M3u, Asx };

// By the media type (lower case, without parameters) first, then by the first bytes, then
// by the extension of the address's path.
DruhSeznamu RozpoznatSeznam(std::string_view typObsahu, std::span<const std::uint8_t> zacatek,
                            std::string_view url);

// The addresses of streams in the playlist, in the order they should be tried.
std::vector<std::string> CistSeznam(DruhSeznamu druh, std::span<const std::uint8_t> obsah);

// The text of an XML attribute value with &amp; &lt; &gt; &quot; &apos; and numeric
// references replaced; an unknown or broken reference stays as it is.
std::string NahraditEntity(std::string_view text);

} // namespace Vrbatec::Stream
