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
#include <future>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sources/Zdroj.h"

namespace Vrbatec::KodekZdroju {

std::u16string Zakodovat(std::span<const Zdroj> zdroje);
std::vector<std::uint8_t> ZakodovatNaBajty(std::span<const Zdroj> zdroje);

// A long text is read in two parts at once (see DekodovatRozdelene).
std::vector<Zdroj> Dekodovat(std::u16string_view text);
// Reads the part from the first record at or after stred on a second thread while this one
// reads the part before it; the records are always those that reading the text from the
// start gives, as the second part is dropped whenever it might differ. With
// std::launch::deferred both parts are read on this thread, one after the other.
std::vector<Zdroj> DekodovatRozdelene(std::u16string_view text, std::size_t stred,
                                      std::launch jak = std::launch::async);
// A last odd byte does not form a code unit and is ignored.
std::vector<Zdroj> DekodovatBajty(std::span<const std::uint8_t> bajty);

// Whether the text contains the text of any tag of the format.
bool ObsahujeZnacku(std::u16string_view text);

} // namespace Vrbatec::KodekZdroju
