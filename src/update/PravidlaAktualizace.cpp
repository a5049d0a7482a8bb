#include "update/PravidlaAktualizace.h"

#include <cstdio>

namespace Vrbatec::PravidlaAktualizace {

namespace {

// The leading word is ASCII: only its letters fold, whatever the user's locale.
wchar_t MalePismeno(wchar_t znak) {
    return znak >= L'A' && znak <= L'Z' ? static_cast<wchar_t>(znak - L'A' + L'a') : znak;
}

bool ZacinaSlovem(std::wstring_view text) {
    if (text.size() < kUvodniSlovo.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kUvodniSlovo.size(); ++i) {
        if (MalePismeno(text[i]) != MalePismeno(kUvodniSlovo[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::wstring> VerzeNaWebu(std::wstring_view soubor) {
    if (soubor.size() < kNejkratsiSoubor || soubor.size() > kNejdelsiSoubor ||
        !ZacinaSlovem(soubor)) {
        return std::nullopt;
    }
    return std::wstring(soubor.substr(kUvodniSlovo.size()));
}

std::wstring FormatovatVerzi(std::uint32_t vyssiCast, std::uint32_t nizsiCast) {
    char text[48];
    std::snprintf(text, sizeof(text), "%u.%u.%u.%u", static_cast<unsigned>(vyssiCast >> 16),
                  static_cast<unsigned>(vyssiCast & 0xFFFFu),
                  static_cast<unsigned>(nizsiCast >> 16),
                  static_cast<unsigned>(nizsiCast & 0xFFFFu));
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

bool OmezenyObsah::Pridat(std::span<const std::uint8_t> cast) {
    if (presLimit_) {
        return false;
    }
    if (cast.size() > kLimitStazeni - bajty_.size()) {
        presLimit_ = true;
        bajty_.clear();
        bajty_.shrink_to_fit();
        return false;
    }
    bajty_.insert(bajty_.end(), cast.begin(), cast.end());
    return true;
}

} // namespace Vrbatec::PravidlaAktualizace
