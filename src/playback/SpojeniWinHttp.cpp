// The https connection through WinHTTP, used asynchronously: every call completes through
// the status callback, which signals an event, and the worker waits on that event and on the
// cancel event together. So a cancel needs nothing but SetEvent; the handle is closed by the
// worker itself, never under a call running on another thread.
//
// A call still running when the request is closed ends only when WinHTTP gives it up (after
// its own time-out), and until then it may still report and write into its buffer. So what the
// callback touches, the event and the buffer included, is shared with it and lives until the
// handle's last notification, however long the connection object itself lives.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "playback/SpojeniStreamu.h"
#include "playback/ZruseniSpojeni.h"
#include "winapi/HandleWinHttp.h"

namespace Vrbatec::Stream {

namespace {

HRESULT ChybaWinHttp(DWORD kod) {
    if (kod == ERROR_WINHTTP_TIMEOUT) {
        return ChybaVyprselCas;
    }
    return HRESULT_FROM_WIN32(kod);
}

HRESULT PosledniChybaWinHttp() {
    return ChybaWinHttp(::GetLastError());
}

std::wstring Siroky(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int delka =
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring vysledek(static_cast<std::size_t>(delka), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), vysledek.data(),
                          delka);
    return vysledek;
}

// WinHTTP widens the header bytes with the system code page; this narrows them back so the
// engine sees the bytes the server sent.
std::string Uzky(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int delka = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                            nullptr, 0, nullptr, nullptr);
    std::string vysledek(static_cast<std::size_t>(delka), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), vysledek.data(),
                          delka, nullptr, nullptr);
    return vysledek;
}

constexpr std::size_t kVelikostBufferu = 64 * 1024;

struct SdilenoSeZpetnymVolanim {
    WinApi::UniqueHandle dokonceno{::CreateEventW(nullptr, FALSE, FALSE, nullptr)};
    std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(kVelikostBufferu);
    // Written by the callback before it signals dokonceno, read after the wait.
    DWORD chyba = 0;
    DWORD pocet = 0;
};
using Sdileno = std::shared_ptr<SdilenoSeZpetnymVolanim>;

class SpojeniWinHttp final : public SpojeniStreamu {
public:
    SpojeniWinHttp() : sdileno_(std::make_shared<SdilenoSeZpetnymVolanim>()) {
        chybaVytvoreni_ =
            sdileno_->dokonceno ? zruseni_.Stav() : HRESULT_FROM_WIN32(::GetLastError());
    }

    HRESULT Otevrit(const PozadavekStreamu& pozadavek) override {
        if (FAILED(chybaVytvoreni_)) {
            return chybaVytvoreni_;
        }
        if (zruseni_.Zruseno()) {
            return ChybaZruseno;
        }
        limitCteni_ = pozadavek.limitCteniMs;
        const Adresa& a = pozadavek.adresa;

        // The User-Agent comes among the engine's headers, not from the session.
        relace_.Reset(::WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                    WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS,
                                    WINHTTP_FLAG_ASYNC));
        if (!relace_) {
            return PosledniChybaWinHttp();
        }
        const int limit = static_cast<int>(pozadavek.limitPripojeniMs);
        if (!::WinHttpSetTimeouts(relace_.Get(), limit, limit, limit,
                                  static_cast<int>(limitCteni_))) {
            return PosledniChybaWinHttp();
        }
        spojeni_.Reset(::WinHttpConnect(relace_.Get(), Siroky(a.hostitel).c_str(), a.port, 0));
        if (!spojeni_) {
            return PosledniChybaWinHttp();
        }
        pozadavek_.Reset(::WinHttpOpenRequest(
            spojeni_.Get(), L"GET", Siroky(a.cesta).c_str(), nullptr, WINHTTP_NO_REFERER,
            WINHTTP_DEFAULT_ACCEPT_TYPES, a.schema == "https" ? WINHTTP_FLAG_SECURE : 0));
        if (!pozadavek_) {
            return PosledniChybaWinHttp();
        }
        // The engine follows redirects itself, counting them and resolving playlists.
        DWORD vypnout = WINHTTP_DISABLE_REDIRECTS | WINHTTP_DISABLE_COOKIES;
        if (!::WinHttpSetOption(pozadavek_.Get(), WINHTTP_OPTION_DISABLE_FEATURE, &vypnout,
                                sizeof(vypnout))) {
            return PosledniChybaWinHttp();
        }
        if (::WinHttpSetStatusCallback(pozadavek_.Get(), &SpojeniWinHttp::Oznameni,
                                       WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS |
                                           WINHTTP_CALLBACK_FLAG_HANDLES,
                                       0) == WINHTTP_INVALID_STATUS_CALLBACK) {
            return PosledniChybaWinHttp();
        }
        // The callback's share, given back by the handle's last notification.
        auto podil = std::make_unique<Sdileno>(sdileno_);
        Sdileno* kontext = podil.get();
        if (!::WinHttpSetOption(pozadavek_.Get(), WINHTTP_OPTION_CONTEXT_VALUE, &kontext,
                                sizeof(kontext))) {
            return PosledniChybaWinHttp();
        }
        kontext_ = reinterpret_cast<DWORD_PTR>(podil.release());
        for (const auto& [nazev, hodnota] : pozadavek.hlavicky) {
            const std::wstring radek = Siroky(nazev + ": " + hodnota);
            if (!::WinHttpAddRequestHeaders(
                    pozadavek_.Get(), radek.c_str(), static_cast<DWORD>(radek.size()),
                    WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
                return PosledniChybaWinHttp();
            }
        }

        const ULONGLONG konecPripojeni = ::GetTickCount64() + pozadavek.limitPripojeniMs;
        HRESULT hr = Dokoncit(::WinHttpSendRequest(pozadavek_.Get(), WINHTTP_NO_ADDITIONAL_HEADERS,
                                                   0, WINHTTP_NO_REQUEST_DATA, 0, 0, kontext_),
                              konecPripojeni);
        if (FAILED(hr)) {
            return hr;
        }
        // Waiting for the head counts as reading, as it does over Winsock. (Wine's WinHTTP
        // reports the request sent only once the head is there, so there a silent server is
        // given up after the connect time-out.)
        hr = Dokoncit(::WinHttpReceiveResponse(pozadavek_.Get(), nullptr),
                      ::GetTickCount64() + limitCteni_);
        if (FAILED(hr)) {
            return hr;
        }
        return SlozitHlavu();
    }

    HRESULT Cist(std::span<std::uint8_t> kam, std::size_t& precteno) override {
        precteno = 0;
        if (zruseni_.Zruseno()) {
            return ChybaZruseno;
        }
        if (!pozadavek_ || kam.empty()) {
            return E_INVALIDARG;
        }
        if (vydanoZHlavy_ < hlava_.size()) {
            precteno = std::min(kam.size(), hlava_.size() - vydanoZHlavy_);
            std::memcpy(kam.data(), hlava_.data() + vydanoZHlavy_, precteno);
            vydanoZHlavy_ += precteno;
            return S_OK;
        }
        const ULONGLONG konec = ::GetTickCount64() + limitCteni_;
        // Asking first what has arrived; a read alone would wait until the buffer is full.
        if (pripraveno_ == 0) {
            const HRESULT hr =
                Dokoncit(::WinHttpQueryDataAvailable(pozadavek_.Get(), nullptr), konec);
            if (FAILED(hr)) {
                return hr;
            }
            if (sdileno_->pocet == 0) {
                return S_FALSE;
            }
            pripraveno_ = sdileno_->pocet;
        }
        std::vector<std::uint8_t>& buffer = sdileno_->buffer;
        const DWORD chci = static_cast<DWORD>(
            std::min<std::size_t>({kam.size(), buffer.size(), std::size_t{pripraveno_}}));
        const HRESULT hr =
            Dokoncit(::WinHttpReadData(pozadavek_.Get(), buffer.data(), chci, nullptr), konec);
        if (FAILED(hr)) {
            return hr;
        }
        const DWORD pocet = sdileno_->pocet;
        if (pocet == 0) {
            return S_FALSE;
        }
        pripraveno_ -= std::min(pripraveno_, pocet);
        std::memcpy(kam.data(), buffer.data(), pocet);
        precteno = pocet;
        return S_OK;
    }

    void Zrusit() noexcept override { zruseni_.Zrusit(); }

private:
    static void CALLBACK Oznameni(HINTERNET, DWORD_PTR kontext, DWORD stav, LPVOID informace,
                                  DWORD delka) {
        auto* podil = reinterpret_cast<Sdileno*>(kontext);
        if (podil == nullptr) {
            return;
        }
        SdilenoSeZpetnymVolanim& s = **podil;
        switch (stav) {
        case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
        case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
            s.chyba = 0;
            break;
        case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
            s.chyba = 0;
            s.pocet = *static_cast<const DWORD*>(informace);
            break;
        case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
            s.chyba = 0;
            s.pocet = delka;
            break;
        case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
            s.chyba = static_cast<const WINHTTP_ASYNC_RESULT*>(informace)->dwError;
            if (s.chyba == 0) {
                s.chyba = ERROR_WINHTTP_INTERNAL_ERROR;
            }
            break;
        case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
            std::unique_ptr<Sdileno>{podil}.reset();
            return;
        default:
            return;
        }
        ::SetEvent(s.dokonceno.Get());
    }

    // Waits for the completion of the call just started. After a cancel or a time-out the
    // request is closed: WinHTTP has no way to withdraw one call and keep the connection.
    HRESULT Dokoncit(BOOL zahajeno, ULONGLONG konec) {
        if (!zahajeno) {
            return PosledniChybaWinHttp();
        }
        const HRESULT hr = zruseni_.Cekat(sdileno_->dokonceno.Get(), konec);
        if (SUCCEEDED(hr)) {
            return sdileno_->chyba == 0 ? S_OK : ChybaWinHttp(sdileno_->chyba);
        }
        pozadavek_.Reset();
        return hr;
    }

    // The head as the server would have sent it, for the engine's one parser.
    HRESULT SlozitHlavu() {
        DWORD kod = 0;
        DWORD velikost = sizeof(kod);
        if (!::WinHttpQueryHeaders(
                pozadavek_.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                WINHTTP_HEADER_NAME_BY_INDEX, &kod, &velikost, WINHTTP_NO_HEADER_INDEX)) {
            return PosledniChybaWinHttp();
        }
        velikost = 0;
        ::WinHttpQueryHeaders(pozadavek_.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF,
                              WINHTTP_HEADER_NAME_BY_INDEX, WINHTTP_NO_OUTPUT_BUFFER, &velikost,
                              WINHTTP_NO_HEADER_INDEX);
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return PosledniChybaWinHttp();
        }
        std::wstring surove(velikost / sizeof(wchar_t) + 1, L'\0');
        if (!::WinHttpQueryHeaders(pozadavek_.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF,
                                   WINHTTP_HEADER_NAME_BY_INDEX, surove.data(), &velikost,
                                   WINHTTP_NO_HEADER_INDEX)) {
            return PosledniChybaWinHttp();
        }
        surove.resize(velikost / sizeof(wchar_t));

        // The status line is WinHTTP's account of it; one the parser would not take is
        // replaced by a plain one with the same code.
        std::wstring_view radky = surove;
        const std::size_t konecRadku = radky.find(L"\r\n");
        std::wstring_view stavovy = radky.substr(0, konecRadku);
        radky = konecRadku == std::wstring_view::npos ? std::wstring_view{}
                                                      : radky.substr(konecRadku + 2);
        std::string hlava = stavovy.starts_with(L"HTTP/") || stavovy.starts_with(L"ICY ")
                                ? Uzky(stavovy)
                                : "HTTP/1.1 " + std::to_string(kod) + " -";
        hlava += "\r\n" + Uzky(radky);
        while (!hlava.ends_with("\r\n\r\n")) {
            hlava += "\r\n";
        }
        hlava_ = std::move(hlava);
        return S_OK;
    }

    ZruseniSpojeni zruseni_;
    Sdileno sdileno_;
    HRESULT chybaVytvoreni_ = S_OK;
    WinApi::UniqueWinHttp relace_;
    WinApi::UniqueWinHttp spojeni_;
    WinApi::UniqueWinHttp pozadavek_;
    DWORD_PTR kontext_ = 0;
    DWORD limitCteni_ = 0;
    DWORD pripraveno_ = 0;
    std::string hlava_;
    std::size_t vydanoZHlavy_ = 0;
};

} // namespace

std::unique_ptr<SpojeniStreamu> VytvoritSpojeniWinHttp() {
    return std::make_unique<SpojeniWinHttp>();
}

} // namespace Vrbatec::Stream
