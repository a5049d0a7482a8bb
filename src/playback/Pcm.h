// Arithmetic of the sound the stream engine plays: interleaved 16-bit PCM, its durations in
// bytes, and the volume, which the engine applies to the samples themselves so that 0 and
// mute are true silence whatever the system mixer does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace Vrbatec::Stream {

// 16-bit samples, the channels interleaved.
struct FormatPcm {
    std::uint32_t vzorkovani = 0;
    std::uint16_t kanalu = 0;

    bool operator==(const FormatPcm&) const = default;
};

inline constexpr std::size_t kBajtuVzorku = 2;

constexpr std::size_t BajtuSnimku(const FormatPcm& format) {
    return format.kanalu * kBajtuVzorku;
}

// The bytes of `milisekund` of sound, rounded down to whole frames but never below one frame,
// so that a buffer of that length is never empty.
std::size_t BajtuZaDobu(const FormatPcm& format, std::uint32_t milisekund);

// How long `bajtu` bytes play, in whole milliseconds (rounded down); 0 for a format without
// samples.
std::uint32_t MilisekundVBajtech(const FormatPcm& format, std::uint64_t bajtu);

// The gain is a fixed-point factor: kPlneZesileni leaves a sample as it is. The fraction is
// fine enough that the lowest volume step still gives a gain above zero.
inline constexpr int kBituZlomkuZesileni = 24;
inline constexpr std::uint32_t kPlneZesileni = 1u << kBituZlomkuZesileni;
inline constexpr std::uint32_t kNejvyssiHlasitost = 100;

// The gain of a volume 0-100 (higher values count as 100) on a cubic curve, which the ear
// hears as roughly even steps: 0 is silence, 100 is unchanged, 50 is about -18 dB.
std::uint32_t ZesileniHlasitosti(std::uint32_t hlasitost);

// Multiplies the samples by the gain, rounded to the nearest value; a gain above full saturates
// at the limits of 16 bits instead of wrapping round.
void Zesilit(std::span<std::int16_t> vzorky, std::uint32_t zesileni);

} // namespace Vrbatec::Stream
