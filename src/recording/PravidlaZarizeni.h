// The rules of the capture device list, without the system: the order in which it is shown,
// the numbers that tell apart devices with one name, and which device a chosen record stands
// for when recording starts.
//
// Names are compared without regard to letter case by folding each character to lower case
// with the program's own table (ASCII, Latin-1, Latin Extended-A, basic Greek and Cyrillic),
// not with the C library: its towlower depends on the locale and on the platform, and the list
// must come out in one order natively, on Windows and under Wine. Characters outside the table
// compare as they are, by code point.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "recording/ZarizeniZaznamu.h"

namespace Vrbatec {

// Whether a sorts before b, ignoring letter case.
bool MensiBezVelikosti(const std::wstring& a, const std::wstring& b);
// Whether the names are equal, ignoring letter case.
bool StejneBezVelikosti(const std::wstring& a, const std::wstring& b);

// Sorts the records by name ignoring case (records with equal names keep their order), then
// numbers each run of exactly equal names: the second becomes "name #2", the third "name #3",
// and so on. Names that differ in case only end up next to each other but are not numbered.
// Returns, for each record's new position, the position it had before.
std::vector<std::size_t> SeraditAOcislovat(std::vector<ZarizeniZaznamu>& seznam);

// Which of the devices the system lists now (in its order, with their own unnumbered names)
// the chosen record stands for:
//   1. the device with the chosen device path, when the path is not empty;
//   2. else the first device whose own name equals the chosen name, ignoring case;
//   3. else the device that shows under the chosen name in the sorted and numbered list, so
//      that "Mikrofon #2" picks the second device named Mikrofon in the list's order.
// None when no device fits.
std::optional<std::size_t> VybratZarizeni(const std::vector<ZarizeniZaznamu>& vlastni,
                                          const ZarizeniZaznamu& zvolene);

} // namespace Vrbatec
