// Headers of AAC frames in ADTS, the form internet radio sends AAC in.
//
// The decoder wants an AudioSpecificConfig instead of ADTS headers; it is derived from the
// first synchronised header. Channel configuration 0 (layout in the payload) is refused: no
// radio stream uses it and the decoder could not be configured from the header alone.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "playback/RetezRamcu.h"

namespace Vrbatec::Stream {

struct HlavickaAdts {
    bool mpeg2 = false;  // the ID bit; the frame is the same either way
    bool bezCrc = true;  // protection_absent
    unsigned profil = 0; // 0 Main, 1 LC, 2 SSR, 3 LTP (object type - 1)
    unsigned indexKmitoctu = 0;
    std::uint32_t vzorkovaciKmitocet = 0;
    unsigned kanaly = 0;        // channel configuration 1-7
    std::size_t delkaRamce = 0; // with the header
    unsigned blokyDat = 1;      // raw data blocks in the frame

    bool operator==(const HlavickaAdts&) const = default;
};

inline constexpr std::size_t kDelkaHlavickyAdts = 7;

std::optional<HlavickaAdts> CistHlavickuAdts(std::span<const std::uint8_t> bajty);

// Three chained frames of one profile, sample rate and channel configuration.
std::optional<Synchronizace<HlavickaAdts>> SynchronizovatAdts(std::span<const std::uint8_t> data);

// The two-byte AudioSpecificConfig: object type (5 bits), frequency index (4), channel
// configuration (4), and three zero flags.
std::array<std::uint8_t, 2> KonfiguraceDekoderu(const HlavickaAdts& hlavicka);

// What the system's AAC decoder is told of an ADTS stream besides rate and channels: the
// little-endian words payload type (1, ADTS), profile and level (0xFE, not given), structure
// type (0) and 6 reserved zero bytes, then KonfiguraceDekoderu. The decoder takes its format
// from each ADTS header, but a decoder that is strict about the description wants all of it.
inline constexpr std::size_t kDelkaPopisuAac = 14;
std::array<std::uint8_t, kDelkaPopisuAac> PopisProDekoderAac(const HlavickaAdts& hlavicka);

} // namespace Vrbatec::Stream
