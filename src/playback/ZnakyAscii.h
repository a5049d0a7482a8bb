// Small ASCII helpers shared by the parsers of network input.
//
// Protocol words (header names, schemes, playlist keys, tags) are ASCII and fold to lower case
// regardless of the user's locale; bytes above 0x7F are left alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Vrbatec::Stream {

constexpr char MaleAscii(char znak) noexcept {
    return znak >= 'A' && znak <= 'Z' ? static_cast<char>(znak - 'A' + 'a') : znak;
}

inline std::string MalymiAscii(std::string_view text) {
    std::string vysledek(text);
    for (char& znak : vysledek) {
        znak = MaleAscii(znak);
    }
    return vysledek;
}

constexpr bool StejneBezVelikosti(std::string_view a, std::string_view b) noexcept {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (MaleAscii(a[i]) != MaleAscii(b[i])) {
            return false;
        }
    }
    return true;
}

constexpr bool ZacinaBezVelikosti(std::string_view text, std::string_view zacatek) noexcept {
    return text.size() >= zacatek.size() &&
           StejneBezVelikosti(text.substr(0, zacatek.size()), zacatek);
}

constexpr bool JeMezera(char znak) noexcept {
    return znak == ' ' || znak == '\t' || znak == '\r' || znak == '\n';
}

constexpr std::string_view Orezat(std::string_view text) noexcept {
    while (!text.empty() && JeMezera(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && JeMezera(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Decimal digits only, no sign, no spaces; nothing when empty or above `nejvyse`.
constexpr std::optional<std::uint64_t> CisloAscii(std::string_view text,
                                                  std::uint64_t nejvyse) noexcept {
    if (text.empty()) {
        return std::nullopt;
    }
    std::uint64_t hodnota = 0;
    for (const char znak : text) {
        if (znak < '0' || znak > '9') {
            return std::nullopt;
        }
        hodnota = hodnota * 10 + static_cast<std::uint64_t>(znak - '0');
        if (hodnota > nejvyse) {
            return std::nullopt;
        }
    }
    return hodnota;
}

// Splits off the next line, ended by LF, CR LF or a lone CR (playlists come from every
// platform's editors); `text` keeps the rest.
constexpr std::string_view DalsiRadek(std::string_view& text) noexcept {
    const std::size_t konec = text.find_first_of("\r\n");
    const std::string_view radek = text.substr(0, konec);
    if (konec == std::string_view::npos) {
        text = {};
    } else if (text[konec] == '\r' && konec + 1 < text.size() && text[konec + 1] == '\n') {
        text.remove_prefix(konec + 2);
    } else {
        text.remove_prefix(konec + 1);
    }
    return radek;
}

} // namespace Vrbatec::Stream
