// Addresses of streams and the redirects that lead to them.
//
// Every address here comes from the network or from a playlist someone else wrote, so only
// http and https are taken, with a host that is a plain name, an IPv4 address or an IPv6
// literal in brackets; user names in the address, control characters, spaces and ports out of
// range are refused rather than guessed at. A redirect chain is limited so that two servers
// pointing at each other cannot keep the engine busy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace Vrbatec::Stream {

inline constexpr std::size_t kNejdelsiUrl = 8192;
inline constexpr int kNejvicePresmerovani = 5;

struct Adresa {
    std::string schema;   // "http" or "https"
    std::string hostitel; // lower case; an IPv6 literal without its brackets
    std::uint16_t port = 0;
    std::string cesta; // path and query, at least "/"; the fragment is dropped

    bool operator==(const Adresa&) const = default;
};

std::optional<Adresa> RozdelitUrl(std::string_view url);

// The address as text again; the port only when it is not the scheme's own.
std::string SlozitUrl(const Adresa& adresa);

// A Location (or a playlist entry) taken relative to the address it came from: an absolute
// URL, "//host/...", "/path", "?query" or a path relative to the current folder, with "." and
// ".." segments resolved. Nothing for another scheme or anything malformed.
std::optional<Adresa> VyresitOdkaz(const Adresa& zaklad, std::string_view odkaz);

enum class VysledekPresmerovani { Presmerovano, PrilisMnoho, NeplatnyOdkaz };

// The address being fetched while the server answers with redirects.
class Presmerovani {
public:
    explicit Presmerovani(Adresa pocatek) : adresa_(std::move(pocatek)) {}

    // Follows one redirect; after a refusal the current address stays.
    VysledekPresmerovani Presmerovat(std::string_view umisteni);

    const Adresa& Aktualni() const noexcept { return adresa_; }
    int Pocet() const noexcept { return pocet_; }

private:
    Adresa adresa_;
    int pocet_ = 0;
};

} // namespace Vrbatec::Stream
