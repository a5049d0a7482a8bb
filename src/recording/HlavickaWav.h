// The 44 bytes that open a WAV recording: a RIFF "WAVE" file with one "fmt " chunk for 16-bit
// PCM and one "data" chunk right after it.
//
// The writer is to put a header with a data length of 0 first and the real one when the
// recording stops, so a recording cut short by a crash still opens as a valid, empty file.
// RIFF counts in 32 bits: a recording may hold at most NejvetsiDelkaDat bytes of sound, and the
// writer stops taking data there. A longer length is not refused but declared as that
// largest one, so the file still plays up to the limit instead of being lost whole. A partial
// sample frame at the end is not declared either. The bytes are little-endian whatever the
// machine.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace Vrbatec::HlavickaWav {

inline constexpr std::size_t kDelkaHlavicky = 44;
inline constexpr std::uint16_t kBituNaVzorek = 16;

using Bajty = std::array<std::uint8_t, kDelkaHlavicky>;

struct FormatPcm {
    std::uint32_t vzorkovani = 0; // sample frames per second
    std::uint16_t kanalu = 0;
};

// Bytes of one sample frame (all channels of one moment).
std::uint32_t DelkaSnimku(const FormatPcm& format);

// At least one channel and one frame a second, and a frame and a second of sound whose byte
// counts fit their 16- and 32-bit fields.
bool PlatnyFormat(const FormatPcm& format);

// The largest length of sound in whole frames that the header's sizes can still describe;
// 0 for a format that is not valid.
std::uint32_t NejvetsiDelkaDat(const FormatPcm& format);

// The header for `delkaDat` bytes of sound; nothing for a format that is not valid.
std::optional<Bajty> Sestavit(const FormatPcm& format, std::uint64_t delkaDat);

} // namespace Vrbatec::HlavickaWav
