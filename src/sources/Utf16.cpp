#include "sources/Utf16.h"

#include <cstdint>
#include <type_traits>

namespace Vrbatec::Utf16 {

namespace {

constexpr char32_t kNahradniZnak = 0xFFFD;

bool JeVysokaNahradni(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}

bool JeNizkaNahradni(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

bool MaNahradni(std::u16string_view text) {
    // Without an early exit, and with the flags gathered in an integer rather than a bool,
    // compilers check many units at a time.
    unsigned nalezeno = 0;
    for (const char16_t u : text) {
        nalezeno |= static_cast<unsigned>((u & 0xF800) == 0xD800);
    }
    return nalezeno != 0;
}

} // namespace

std::wstring NaWStringBezNahradnich(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring NaWString(std::u16string_view text) {
    if (sizeof(wchar_t) == sizeof(char16_t) || !MaNahradni(text)) {
        return NaWStringBezNahradnich(text);
    }
    std::wstring vysledek;
    vysledek.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t u = text[i];
        if (JeVysokaNahradni(u) && i + 1 < text.size() && JeNizkaNahradni(text[i + 1])) {
            const char32_t bod =
                0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            vysledek.push_back(static_cast<wchar_t>(bod));
            ++i;
        } else {
            vysledek.push_back(static_cast<wchar_t>(u));
        }
    }
    return vysledek;
}

void PripojitZWString(std::u16string& cil, std::wstring_view text) {
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        cil.append(text.begin(), text.end());
    } else {
        for (const wchar_t znak : text) {
            auto bod = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(znak));
            if (bod > 0x10FFFF) {
                bod = kNahradniZnak;
            }
            if (bod < 0x10000) {
                cil.push_back(static_cast<char16_t>(bod));
            } else {
                bod -= 0x10000;
                cil.push_back(static_cast<char16_t>(0xD800 + (bod >> 10)));
                cil.push_back(static_cast<char16_t>(0xDC00 + (bod & 0x3FF)));
            }
        }
    }
}

std::u16string ZWString(std::wstring_view text) {
    std::u16string vysledek;
    vysledek.reserve(text.size());
    PripojitZWString(vysledek, text);
    return vysledek;
}

} // namespace Vrbatec::Utf16
