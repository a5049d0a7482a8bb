// One connection to a radio server, as the stream engine's worker thread uses it.
//
// The engine opens an address with the request headers of its choice and then reads the
// answer from its first byte: the head ("HTTP/1.x ..." or "ICY ...", the header lines, the
// empty line) and after it the body, so it parses every answer with Stream::OdpovedHttp on
// one path whatever carries it. Plain http goes over Winsock, where the head arrives as the
// server sent it; https goes through WinHTTP, which takes the head apart itself, so that
// connection puts an equivalent head together before the body. Redirects are not followed
// here: the engine follows them with Stream::Presmerovani.
//
// Every wait is bounded: opening by the connect time-out, each read by the read time-out. A
// server that stops sending (ChybaVyprselCas) is told apart from one that closes the
// connection (S_FALSE from Cist), because the engine reconnects after both but reports them
// differently. Zrusit may be called from any thread at any moment, also while Otevrit or Cist
// is waiting; they return ChybaZruseno at once, and so does every later call. Looking up the
// host name is the one step that cannot be cut short; a cancel takes effect right after it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "playback/AdresaUrl.h"

namespace Vrbatec::Stream {

// HRESULT_FROM_WIN32(ERROR_TIMEOUT): nothing came within the time-out.
inline constexpr HRESULT ChybaVyprselCas = static_cast<HRESULT>(0x800705B4L);
// HRESULT_FROM_WIN32(ERROR_CANCELLED): Zrusit was called.
inline constexpr HRESULT ChybaZruseno = static_cast<HRESULT>(0x800704C7L);

struct PozadavekStreamu {
    Adresa adresa;
    // Sent as they are, after the Host line, e.g. {"Icy-MetaData", "1"}.
    std::vector<std::pair<std::string, std::string>> hlavicky;
    DWORD limitPripojeniMs = 10000; // name lookup aside: connecting and sending the request
    DWORD limitCteniMs = 10000;     // the longest silence a read waits out
};

// What the engine sends to every radio server: the program's name and version, and the
// request for in-band titles.
std::vector<std::pair<std::string, std::string>> HlavickyPrehravace();

class SpojeniStreamu {
public:
    virtual ~SpojeniStreamu() = default;

    // Connects and sends the request. Called once.
    virtual HRESULT Otevrit(const PozadavekStreamu& pozadavek) = 0;

    // The next bytes of the answer, head first, at most kam.size() and at least one. S_OK
    // with precteno > 0; S_FALSE with precteno 0 once the server has closed the connection;
    // ChybaVyprselCas after limitCteniMs of silence; ChybaZruseno; another failure.
    virtual HRESULT Cist(std::span<std::uint8_t> kam, std::size_t& precteno) = 0;

    // Cuts every wait short, from any thread; never waits itself.
    virtual void Zrusit() noexcept = 0;
};

// The connection for the address's scheme: Winsock for http, WinHTTP for https.
std::unique_ptr<SpojeniStreamu> VytvoritSpojeni(const Adresa& adresa);

// The two kinds by name. WinHTTP also speaks plain http, which lets the tests reach it
// without a TLS server.
std::unique_ptr<SpojeniStreamu> VytvoritSpojeniWinsock();
std::unique_ptr<SpojeniStreamu> VytvoritSpojeniWinHttp();

} // namespace Vrbatec::Stream
