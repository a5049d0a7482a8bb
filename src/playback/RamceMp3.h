// Headers of MPEG audio Layer III frames (MPEG-1, MPEG-2 and MPEG-2.5).
//
// Only what the engine needs to find the start of the sound and to tell the decoder what
// comes: free-format frames (bit-rate index 0) and the reserved values are refused, since a
// stream cannot be synchronised on frames whose length is not in their header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "playback/RetezRamcu.h"

namespace Vrbatec::Stream {

enum class VerzeMpeg { Mpeg1, Mpeg2, Mpeg25 };

struct HlavickaMp3 {
    VerzeMpeg verze = VerzeMpeg::Mpeg1;
    std::uint32_t datovyTok = 0; // kb/s
    std::uint32_t vzorkovaciKmitocet = 0;
    bool vypln = false;
    bool crc = false;
    int kanaly = 0;
    std::size_t delkaRamce = 0; // in bytes, with the header and the padding

    bool operator==(const HlavickaMp3&) const = default;
};

inline constexpr std::size_t kDelkaHlavickyMp3 = 4;

// The header in the first four bytes; nothing when fewer bytes or not a valid Layer III header.
std::optional<HlavickaMp3> CistHlavickuMp3(std::span<const std::uint8_t> bajty);

// The first offset where three chained frames of one version and sample rate begin.
std::optional<Synchronizace<HlavickaMp3>> SynchronizovatMp3(std::span<const std::uint8_t> data);

} // namespace Vrbatec::Stream
