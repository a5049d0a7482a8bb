// The bytes of the source list file.
//
// The file is a plain sequence of records in UTF-16 little-endian without a byte-order
// mark; each record is six lines ending with CR LF:
//   <zdroj>
//    <nazev>name</nazev>
//    <url>url</url>
//    <hlasitost>-1</hlasitost>
//    <menu>1</menu>
//   </zdroj>
// It is not XML: values are written verbatim (no escaping), and the reader finds tags by
// exact text search, so anything outside the tags is ignored and fields may come in any
// order. A value that contains the text of a tag is written as it is but does not read
// back as the same value.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sources/Zdroj.h"

namespace Vrbatec::KodekZdroju {

std::u16string Zakodovat(std::span<const Zdroj> zdroje);
std::vector<std::uint8_t> ZakodovatNaBajty(std::span<const Zdroj> zdroje);

std::vector<Zdroj> Dekodovat(std::u16string_view text);
// A last odd byte does not form a code unit and is ignored.
std::vector<Zdroj> DekodovatBajty(std::span<const std::uint8_t> bajty);

// Whether the text contains the text of any tag of the format.
bool ObsahujeZnacku(std::u16string_view text);

} // namespace Vrbatec::KodekZdroju
