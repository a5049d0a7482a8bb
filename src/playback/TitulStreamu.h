// The title in a metadata block, as text for the window.
//
// A block reads StreamTitle='...';StreamUrl='...'; padded with NULs. The title itself may hold
// apostrophes ("Don't Stop"), so it ends only at "';". Servers send it in UTF-8 or, for Czech
// stations, often in Windows-1250; bytes that are valid UTF-8 are read as UTF-8 (text in 1250
// with letters beyond ASCII is almost never valid UTF-8), anything else as 1250.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace Vrbatec::Stream {

// The bytes of the title; nothing when the block has no StreamTitle.
std::optional<std::string_view> SurovyTitul(std::span<const std::uint8_t> blok);

bool JePlatneUtf8(std::string_view bajty);

// UTF-8 when valid, else Windows-1250 (its five unassigned bytes become U+FFFD).
std::u16string DekodovatText(std::string_view bajty);

// UTF-16 as wchar_t text: unchanged where wchar_t has 16 bits, surrogate pairs joined where
// it has 32 (a lone surrogate becomes U+FFFD there).
std::wstring NaWideText(std::u16string_view text);

std::optional<std::wstring> TitulStreamu(std::span<const std::uint8_t> blok);

} // namespace Vrbatec::Stream
