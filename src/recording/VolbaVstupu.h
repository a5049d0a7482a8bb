// How the WAV writer finds the capture device the user chose among the system's waveIn
// devices, and which format it asks that device for.
//
// The chosen device is known by the name the device list showed, which numbers devices that
// share a name (" #2", " #3", …) and may come whole where a waveIn name is cut to
// kNejdelsiNazev characters. A cut name is compared exactly as given: the caller folds the case
// of both sides first.
//
// The format is 16-bit PCM at the device's own rate and channels where the system tells them
// (its mix format), else the best its capabilities name: a format the device has natively
// spares the system a conversion of every sample. More than two channels are taken as two.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "recording/HlavickaWav.h"

namespace Vrbatec::VolbaVstupu {

// The longest name a waveIn device has; a longer one is cut to this.
inline constexpr std::size_t kNejdelsiNazev = 31;

// The index into nazvy (the devices' names in device order) of the device called hledany;
// nothing when none is. The device list's own rule decides (VybratZarizeni: the name itself,
// else the name the sorted, numbered list shows); failing that, the first device whose cut
// name begins the chosen one.
std::optional<std::size_t> NajitZarizeni(std::span<const std::wstring> nazvy,
                                         std::wstring_view hledany);

// The formats to try, best first, without repeats: the mix format when known, then those that
// the capability flags (the waveIn WAVE_FORMAT_* bits) name for 16 bits, stereo before mono
// and 48 kHz before 44.1, 96, 22.05 and 11.025 kHz, and last 44.1 kHz, which every device is
// to take with the system converting.
std::vector<HlavickaWav::FormatPcm> KandidatiFormatu(std::optional<HlavickaWav::FormatPcm> smes,
                                                     std::uint32_t schopnosti,
                                                     std::uint16_t kanalu);

} // namespace Vrbatec::VolbaVstupu
