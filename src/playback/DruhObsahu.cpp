#include "playback/DruhObsahu.h"

#include <algorithm>
#include <initializer_list>
#include <optional>

#include "playback/RamceAdts.h"
#include "playback/RamceMp3.h"
#include "playback/ZnakyAscii.h"

namespace Vrbatec::Stream {

namespace {

bool JeJedenZ(std::string_view typ, std::initializer_list<std::string_view> typy) {
    for (const std::string_view t : typy) {
        if (typ == t) {
            return true;
        }
    }
    return false;
}

bool VypadaJakoStranka(std::string_view text) {
    while (!text.empty() && JeMezera(text.front())) {
        text.remove_prefix(1);
    }
    return ZacinaBezVelikosti(text, "<!doctype html") || ZacinaBezVelikosti(text, "<html") ||
           ZacinaBezVelikosti(text, "<head") || ZacinaBezVelikosti(text, "<?xml");
}

bool JeAsfNeboOgg(std::span<const std::uint8_t> bajty) {
    // The ASF header object's GUID begins 30 26 B2 75 8E 66 CF 11.
    static constexpr std::uint8_t kAsf[]{0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11};
    static constexpr std::uint8_t kOgg[]{'O', 'g', 'g', 'S'};
    const auto zacinaNa = [&](std::span<const std::uint8_t> vzor) {
        return bajty.size() >= vzor.size() && std::equal(vzor.begin(), vzor.end(), bajty.begin());
    };
    return zacinaNa(kAsf) || zacinaNa(kOgg);
}

// What follows an ID3v2 tag at the start; nothing when there is none. Its size is stored in
// four bytes of seven bits each, and a footer of ten bytes may follow.
std::optional<std::span<const std::uint8_t>> ZaId3(std::span<const std::uint8_t> bajty) {
    if (bajty.size() < 10 || bajty[0] != 'I' || bajty[1] != 'D' || bajty[2] != '3' ||
        ((bajty[6] | bajty[7] | bajty[8] | bajty[9]) & 0x80) != 0) {
        return std::nullopt;
    }
    std::size_t delka = 10;
    for (std::size_t i = 6; i < 10; ++i) {
        delka += std::size_t{bajty[i]} << (7 * (9 - i));
    }
    if ((bajty[5] & 0x10) != 0) {
        delka += 10;
    }
    return bajty.subspan(std::min(delka, bajty.size()));
}

} // namespace

Rozpoznani RozpoznatObsah(std::string_view typObsahu, std::span<const std::uint8_t> zacatek,
                          std::string_view url) {
    if (JeJedenZ(typObsahu, {"audio/mpeg", "audio/mp3", "audio/mpeg3", "audio/x-mpeg"})) {
        return {DruhObsahu::Mp3};
    }
    if (JeJedenZ(typObsahu, {"audio/aac", "audio/aacp", "audio/x-aac"})) {
        return {DruhObsahu::Aac};
    }
    const std::string_view text(reinterpret_cast<const char*>(zacatek.data()), zacatek.size());
    // A playlist is often served as text/plain or with no useful type at all.
    if (const DruhSeznamu seznam = RozpoznatSeznam(typObsahu, zacatek, url);
        seznam != DruhSeznamu::Zadny) {
        return {DruhObsahu::Seznam, seznam};
    }
    if (JeJedenZ(typObsahu, {"text/html", "application/xhtml+xml", "text/plain"}) ||
        VypadaJakoStranka(text)) {
        return {DruhObsahu::Stranka};
    }
    if (ZacinaBezVelikosti(typObsahu, "video/") || JeAsfNeboOgg(zacatek) ||
        JeJedenZ(typObsahu, {"audio/x-ms-wma", "audio/ogg", "application/ogg", "audio/flac",
                             "audio/wav", "audio/x-wav", "audio/opus"})) {
        return {DruhObsahu::Jiny};
    }
    // An ID3 tag precedes the frames of some streams, mostly MP3; when the frames after it
    // are already here they decide.
    if (const std::optional<std::span<const std::uint8_t>> zaTagem = ZaId3(zacatek)) {
        return {SynchronizovatAdts(*zaTagem) ? DruhObsahu::Aac : DruhObsahu::Mp3};
    }
    if (SynchronizovatMp3(zacatek)) {
        return {DruhObsahu::Mp3};
    }
    if (SynchronizovatAdts(zacatek)) {
        return {DruhObsahu::Aac};
    }
    return {DruhObsahu::Neznamy};
}

} // namespace Vrbatec::Stream
