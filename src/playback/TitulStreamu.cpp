#include "playback/TitulStreamu.h"

#include <array>

namespace Vrbatec::Stream {

namespace {

constexpr char16_t kNahradni = 0xFFFD;

// Windows-1250 from 0x80 to 0xFF; below 0x80 it is ASCII.
constexpr std::array<char16_t, 128> kWindows1250{
    0x20AC,    kNahradni, 0x201A, kNahradni, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    kNahradni, 0x2030,    0x0160, 0x2039,    0x015A, 0x0164, 0x017D, 0x0179, // 88
    kNahradni, 0x2018,    0x2019, 0x201C,    0x201D, 0x2022, 0x2013, 0x2014, // 90
    kNahradni, 0x2122,    0x0161, 0x203A,    0x015B, 0x0165, 0x017E, 0x017A, // 98
    0x00A0,    0x02C7,    0x02D8, 0x0141,    0x00A4, 0x0104, 0x00A6, 0x00A7, // A0
    0x00A8,    0x00A9,    0x015E, 0x00AB,    0x00AC, 0x00AD, 0x00AE, 0x017B, // A8
    0x00B0,    0x00B1,    0x02DB, 0x0142,    0x00B4, 0x00B5, 0x00B6, 0x00B7, // B0
    0x00B8,    0x0105,    0x015F, 0x00BB,    0x013D, 0x02DD, 0x013E, 0x017C, // B8
    0x0154,    0x00C1,    0x00C2, 0x0102,    0x00C4, 0x0139, 0x0106, 0x00C7, // C0
    0x010C,    0x00C9,    0x0118, 0x00CB,    0x011A, 0x00CD, 0x00CE, 0x010E, // C8
    0x0110,    0x0143,    0x0147, 0x00D3,    0x00D4, 0x0150, 0x00D6, 0x00D7, // D0
    0x0158,    0x016E,    0x00DA, 0x0170,    0x00DC, 0x00DD, 0x0162, 0x00DF, // D8
    0x0155,    0x00E1,    0x00E2, 0x0103,    0x00E4, 0x013A, 0x0107, 0x00E7, // E0
    0x010D,    0x00E9,    0x0119, 0x00EB,    0x011B, 0x00ED, 0x00EE, 0x010F, // E8
    0x0111,    0x0144,    0x0148, 0x00F3,    0x00F4, 0x0151, 0x00F6, 0x00F7, // F0
    0x0159,    0x016F,    0x00FA, 0x0171,    0x00FC, 0x00FD, 0x0163, 0x02D9, // F8
};

constexpr std::string_view kZacatekTitulu = "StreamTitle='";

// One code point of valid UTF-8 from `text` at `i`, advancing `i`; nothing for an invalid,
// overlong, surrogate or out-of-range sequence.
std::optional<char32_t> ZnakUtf8(std::string_view text, std::size_t& i) {
    const auto prvni = static_cast<unsigned char>(text[i]);
    std::size_t delka = 0;
    char32_t znak = 0;
    char32_t nejmensi = 0;
    if (prvni < 0x80) {
        ++i;
        return prvni;
    } else if (prvni >= 0xC2 && prvni <= 0xDF) {
        delka = 2;
        znak = prvni & 0x1Fu;
        nejmensi = 0x80;
    } else if (prvni >= 0xE0 && prvni <= 0xEF) {
        delka = 3;
        znak = prvni & 0x0Fu;
        nejmensi = 0x800;
    } else if (prvni >= 0xF0 && prvni <= 0xF4) {
        delka = 4;
        znak = prvni & 0x07u;
        nejmensi = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - i < delka) {
        return std::nullopt;
    }
    for (std::size_t k = 1; k < delka; ++k) {
        const auto dalsi = static_cast<unsigned char>(text[i + k]);
        if ((dalsi & 0xC0u) != 0x80u) {
            return std::nullopt;
        }
        znak = (znak << 6) | (dalsi & 0x3Fu);
    }
    if (znak < nejmensi || znak > 0x10FFFF || (znak >= 0xD800 && znak <= 0xDFFF)) {
        return std::nullopt;
    }
    i += delka;
    return znak;
}

void PridatUtf16(std::u16string& text, char32_t znak) {
    if (znak < 0x10000) {
        text += static_cast<char16_t>(znak);
    } else {
        znak -= 0x10000;
        text += static_cast<char16_t>(0xD800 + (znak >> 10));
        text += static_cast<char16_t>(0xDC00 + (znak & 0x3FF));
    }
}

} // namespace

bool JePlatneUtf8(std::string_view bajty) {
    for (std::size_t i = 0; i < bajty.size();) {
        if (!ZnakUtf8(bajty, i)) {
            return false;
        }
    }
    return true;
}

std::u16string DekodovatText(std::string_view bajty) {
    std::u16string text;
    text.reserve(bajty.size());
    if (JePlatneUtf8(bajty)) {
        for (std::size_t i = 0; i < bajty.size();) {
            PridatUtf16(text, *ZnakUtf8(bajty, i));
        }
        return text;
    }
    for (const char znak : bajty) {
        const auto bajt = static_cast<unsigned char>(znak);
        text += bajt < 0x80 ? static_cast<char16_t>(bajt) : kWindows1250[bajt - 0x80];
    }
    return text;
}

std::optional<std::string_view> SurovyTitul(std::span<const std::uint8_t> blok) {
    std::string_view text(reinterpret_cast<const char*>(blok.data()), blok.size());
    while (!text.empty() && text.back() == '\0') {
        text.remove_suffix(1);
    }
    // The key counts only at the start of the block or of a field.
    std::size_t zacatek = text.find(kZacatekTitulu);
    while (zacatek != std::string_view::npos && zacatek != 0 && text[zacatek - 1] != ';') {
        zacatek = text.find(kZacatekTitulu, zacatek + 1);
    }
    if (zacatek == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view zbytek = text.substr(zacatek + kZacatekTitulu.size());
    std::size_t konec = zbytek.find("';");
    if (konec == std::string_view::npos) {
        // A block cut after the closing apostrophe, without its ';'.
        konec = zbytek.rfind('\'');
        if (konec == std::string_view::npos) {
            return std::nullopt;
        }
    }
    return zbytek.substr(0, konec);
}

std::optional<std::wstring> TitulStreamu(std::span<const std::uint8_t> blok) {
    const std::optional<std::string_view> surovy = SurovyTitul(blok);
    if (!surovy) {
        return std::nullopt;
    }
    return NaWideText(DekodovatText(*surovy));
}

} // namespace Vrbatec::Stream
