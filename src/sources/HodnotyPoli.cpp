#include "sources/HodnotyPoli.h"

#include <charconv>
#include <iterator>

namespace Vrbatec::HodnotyPoli {

namespace {

bool JeCislice(char16_t znak) {
    return znak >= u'0' && znak <= u'9';
}

// The system compares the texts as C strings: whatever follows a NUL is not seen.
std::u16string_view DoNuly(std::u16string_view text) {
    return text.substr(0, text.find(u'\0'));
}

} // namespace

std::int32_t CisloZTextu(std::u16string_view text) {
    std::size_t i = 0;
    const bool zaporne = !text.empty() && text[0] == u'-';
    if (zaporne) {
        ++i;
    }
    // Unsigned arithmetic wraps exactly as the system's 64-bit accumulator does in its low
    // 32 bits, without overflowing a signed type.
    std::uint32_t hodnota = 0;
    for (; i < text.size() && JeCislice(text[i]); ++i) {
        hodnota = hodnota * 10u + static_cast<std::uint32_t>(text[i] - u'0');
    }
    if (zaporne) {
        hodnota = 0u - hodnota;
    }
    return static_cast<std::int32_t>(hodnota);
}

bool PriznakZTextu(std::u16string_view text) {
    return DoNuly(text) == u"1";
}

std::u16string TextCisla(std::int32_t cislo) {
    char cislice[16];
    const auto konec = std::to_chars(std::begin(cislice), std::end(cislice), cislo).ptr;
    return std::u16string(std::begin(cislice), konec);
}

std::u16string TextPriznaku(bool priznak) {
    return priznak ? u"1" : u"0";
}

} // namespace Vrbatec::HodnotyPoli
