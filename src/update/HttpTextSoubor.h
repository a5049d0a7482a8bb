// A small text file fetched over HTTP into a wide string: the update check's only download.
//
// What is read is bounded (PravidlaAktualizace::kLimitStazeni): a longer answer stops the
// reading and is a failure, so memory does not grow with what the server sends. Connecting,
// sending and receiving each have a time-out, so a server that accepts and never answers
// still ends in a failure. Anything but a 200 answer with a Content-Length is a failure too.
//
// The text is taken in the thread's ANSI code page. Failures are HRESULTs; closing the
// handles never fails the fetch (a handle whose session was closed first is gone either way).
#pragma once

#include <windows.h>
#include <wininet.h>

#include <string>

#include "winapi/Handle.h"

namespace Vrbatec {

namespace Detail {
// A failing close only beeps: the handle is gone either way.
struct InternetHandle {
    using Typ = HINTERNET;
    static constexpr Typ Prazdny() noexcept { return nullptr; }
    static bool Platny(Typ h) noexcept { return h != nullptr; }
    static void Zavrit(Typ h) noexcept {
        if (!::InternetCloseHandle(h)) {
            ::MessageBeep(MB_ICONEXCLAMATION);
        }
    }
};
} // namespace Detail

using UniqueInternet = WinApi::Handle<Detail::InternetHandle>;

inline const HRESULT kChybaPresLimit = HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE);
// An answer with another status than 200: the status in the code, as the system's HTTP codes
// carry it (404 is 0x80190194).
constexpr HRESULT ChybaStavuHttp(DWORD stav) noexcept {
    return static_cast<HRESULT>(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_HTTP, stav & 0xFFFFu));
}

// Milliseconds for each phase of the request.
struct LimityHttp {
    DWORD pripojeni = 15000;
    DWORD odeslani = 15000;
    DWORD prijem = 15000;
};

class HttpTextSoubor {
public:
    // With a null internet handle each fetch opens a session of its own. The handle given is
    // the caller's and must outlive every fetch.
    explicit HttpTextSoubor(HINTERNET internet, LimityHttp limity = {}) noexcept
        : internet_(internet), limity_(limity) {}

    // The URL from the program's string table.
    HRESULT NacistZTabulky(UINT idUrl, std::wstring& text) const;
    // The text is cleared first and stays empty on a failure: kChybaPresLimit for an answer
    // over the limit, ChybaStavuHttp for an answer other than 200, the last error's HRESULT
    // otherwise (E_FAIL when there is none).
    HRESULT Nacist(const std::wstring& url, std::wstring& text) const;

private:
    HINTERNET internet_;
    LimityHttp limity_;
};

} // namespace Vrbatec
