// The head of a radio server's answer: the status line and the header lines.
//
// Servers answer "HTTP/1.x code reason" or the older "ICY code reason". The head arrives in
// pieces of any size and is read as it comes; it ends at an empty line (CR LF or a bare LF)
// and must do so within kNejdelsiHlavicka bytes, or the answer is refused: the engine must
// never keep collecting what a broken or hostile server sends without end. Continuation lines
// are refused, no radio server sends them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace Vrbatec::Stream {

inline constexpr std::size_t kNejdelsiHlavicka = 16 * 1024;
// A metadata interval above this is no server's choice; taking it would only delay the
// first title without end.
inline constexpr std::uint32_t kNejvetsiMetaint = 1024 * 1024;

enum class StavOdpovedi { ChybiBajty, Hotovo, Chyba };

enum class ChybaOdpovedi {
    Zadna,
    PrilisDlouha,  // no empty line within kNejdelsiHlavicka
    StavovyRadek,  // not "HTTP/x.y nnn" nor "ICY nnn"
    RadekHlavicky, // no name, no colon, a continuation, a control character
    Metaint,       // icy-metaint not a number or too large
};

struct UdajeOdpovedi {
    int kod = 0;
    bool icy = false; // the status line was "ICY ..."
    // The media type alone, lower case, without parameters ("audio/mpeg").
    std::string typObsahu;
    std::string umisteni;                   // Location, as sent
    std::string nazevStanice;               // icy-name, as sent (its encoding is the server's)
    std::optional<std::uint32_t> datovyTok; // icy-br in kb/s
    std::uint32_t metaint = 0;              // 0: no metadata in the stream
    std::optional<std::uint64_t> delkaObsahu;
};

class OdpovedHttp {
public:
    // Takes the next bytes received. Once Hotovo, PouzitoZPosledni() says how many of these
    // bytes belonged to the head; the rest is already the body. After Hotovo or Chyba nothing
    // more is taken.
    StavOdpovedi Pridat(std::span<const std::uint8_t> bajty);

    StavOdpovedi Stav() const noexcept { return stav_; }
    ChybaOdpovedi Chyba() const noexcept { return chyba_; }
    std::size_t PouzitoZPosledni() const noexcept { return pouzito_; }
    const UdajeOdpovedi& Udaje() const noexcept { return udaje_; }

    // The value of the first header of this name (any letter case), trimmed.
    std::optional<std::string_view> Hlavicka(std::string_view nazev) const;

private:
    StavOdpovedi Selhat(ChybaOdpovedi chyba);
    StavOdpovedi Rozebrat(std::string_view hlava);

    std::string hlava_;
    std::size_t prohledano_ = 0;
    std::size_t pouzito_ = 0;
    StavOdpovedi stav_ = StavOdpovedi::ChybiBajty;
    ChybaOdpovedi chyba_ = ChybaOdpovedi::Zadna;
    std::vector<std::pair<std::string, std::string>> hlavicky_; // names in lower case
    UdajeOdpovedi udaje_;
};

} // namespace Vrbatec::Stream
