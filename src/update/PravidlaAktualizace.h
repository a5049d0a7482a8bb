// What the update check accepts from the maker's web site, and how it names versions.
//
// The file on the web is untrusted: a broken server, a captive portal's page or a hostile
// answer must end as "no valid file", never as memory that grows with what is sent. The
// download is therefore collected in OmezenyObsah, which stops taking bytes past a cap far
// above the longest valid file, and only then is the text judged by VerzeNaWebu.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace Vrbatec::PravidlaAktualizace {

inline constexpr std::wstring_view kUvodniSlovo = L"posledniVerze";
inline constexpr std::size_t kNejkratsiSoubor = 21;
inline constexpr std::size_t kNejdelsiSoubor = 50;
// A valid file has at most 50 characters: an answer longer than this is none.
inline constexpr std::size_t kLimitStazeni = 4096;

// The version text that follows the leading word, unchanged (separators and line ends kept);
// nothing when the text is too short or too long or does not start with the word (in any
// letter case).
std::optional<std::wstring> VerzeNaWebu(std::wstring_view soubor);

// "major.minor.build.revision" from the two halves of a fixed file version.
std::wstring FormatovatVerzi(std::uint32_t vyssiCast, std::uint32_t nizsiCast);

// The bytes of one download, up to kLimitStazeni. Once more would be needed the content is
// over the limit: the bytes are dropped and nothing more is taken.
class OmezenyObsah {
public:
    // False once the content is over the limit (then the download should stop).
    bool Pridat(std::span<const std::uint8_t> cast);
    bool PresLimit() const noexcept { return presLimit_; }
    const std::vector<std::uint8_t>& Bajty() const noexcept { return bajty_; }

private:
    std::vector<std::uint8_t> bajty_;
    bool presLimit_ = false;
};

} // namespace Vrbatec::PravidlaAktualizace
