// The title in a metadata block, as text for the window.
//
// A block reads StreamTitle='...';StreamUrl='...'; padded with NULs. The title itself may hold
// apostrophes ("Don't Stop"), so it ends only at "';". Servers send it in UTF-8 or, for Czech
// stations, often in Windows-1250; bytes that are valid UTF-8 are read as UTF-8 (text in 1250
// with letters beyond ASCII is almost never valid UTF-8), anything else as 1250.
#pragma once

#include <cstddef>
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

// UTF-16 in units of `Znak`: unchanged for 16-bit units; for 32-bit units surrogate pairs are
// joined and a lone surrogate, which is no character there, becomes U+FFFD.
template <class Znak>
std::basic_string<Znak> PrevestUtf16(std::u16string_view text) {
    std::basic_string<Znak> vysledek;
    vysledek.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t znak = text[i];
        const bool nahradni = znak >= 0xD800 && znak <= 0xDFFF;
        if constexpr (sizeof(Znak) == 2) {
            vysledek += static_cast<Znak>(znak);
        } else if (znak <= 0xDBFF && nahradni && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                   text[i + 1] <= 0xDFFF) {
            vysledek += static_cast<Znak>(0x10000 + ((znak - 0xD800) << 10) + (text[++i] - 0xDC00));
        } else {
            vysledek += static_cast<Znak>(nahradni ? char32_t{0xFFFD} : znak);
        }
    }
    return vysledek;
}

// wchar_t has 16 bits on Windows and 32 elsewhere.
inline std::wstring NaWideText(std::u16string_view text) {
    return PrevestUtf16<wchar_t>(text);
}

std::optional<std::wstring> TitulStreamu(std::span<const std::uint8_t> blok);

} // namespace Vrbatec::Stream
