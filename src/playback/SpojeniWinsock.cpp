// The plain http connection over Winsock. The socket is non-blocking and signals an event
// (WSAEventSelect); every wait is on that event and on the cancel event together, so a
// cancel from another thread needs nothing but SetEvent and never races with the socket's use.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <climits>
#include <string>

#include "playback/SpojeniStreamu.h"
#include "playback/ZruseniSpojeni.h"
#include "winapi/HandleSocket.h"

namespace Vrbatec::Stream {

namespace {

HRESULT ChybaWinsock(int kod) {
    return HRESULT_FROM_WIN32(static_cast<DWORD>(kod));
}

HRESULT PosledniChybaWinsock() {
    return ChybaWinsock(::WSAGetLastError());
}

// Winsock is started for as long as a connection lives; the starts are counted by the system.
class ZavedeniWinsock {
public:
    ZavedeniWinsock() {
        WSADATA data;
        kod_ = ::WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~ZavedeniWinsock() {
        if (kod_ == 0) {
            ::WSACleanup();
        }
    }
    ZavedeniWinsock(const ZavedeniWinsock&) = delete;
    ZavedeniWinsock& operator=(const ZavedeniWinsock&) = delete;

    HRESULT Stav() const { return kod_ == 0 ? S_OK : ChybaWinsock(kod_); }

private:
    int kod_;
};

struct UvolneniAdres {
    void operator()(addrinfo* adresy) const noexcept { ::freeaddrinfo(adresy); }
};
using Adresy = std::unique_ptr<addrinfo, UvolneniAdres>;

std::string TextPozadavku(const PozadavekStreamu& pozadavek) {
    const Adresa& a = pozadavek.adresa;
    std::string hostitel =
        a.hostitel.find(':') != std::string::npos ? "[" + a.hostitel + "]" : a.hostitel;
    if (a.port != 80) {
        hostitel += ":" + std::to_string(a.port);
    }
    // HTTP/1.0: the body comes as it is, never in chunks, and ends with the connection.
    std::string text = "GET " + a.cesta + " HTTP/1.0\r\nHost: " + hostitel + "\r\n";
    for (const auto& [nazev, hodnota] : pozadavek.hlavicky) {
        text += nazev + ": " + hodnota + "\r\n";
    }
    return text + "Connection: close\r\n\r\n";
}

class SpojeniWinsock final : public SpojeniStreamu {
public:
    SpojeniWinsock() : udalost_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        chybaVytvoreni_ = udalost_ ? zruseni_.Stav() : HRESULT_FROM_WIN32(::GetLastError());
    }

    HRESULT Otevrit(const PozadavekStreamu& pozadavek) override {
        if (FAILED(chybaVytvoreni_)) {
            return chybaVytvoreni_;
        }
        if (FAILED(winsock_.Stav())) {
            return winsock_.Stav();
        }
        if (zruseni_.Zruseno()) {
            return ChybaZruseno;
        }
        limitCteni_ = pozadavek.limitCteniMs;

        addrinfo napoveda{};
        napoveda.ai_family = AF_UNSPEC;
        napoveda.ai_socktype = SOCK_STREAM;
        napoveda.ai_protocol = IPPROTO_TCP;
        addrinfo* nalezene = nullptr;
        const int kod =
            ::getaddrinfo(pozadavek.adresa.hostitel.c_str(),
                          std::to_string(pozadavek.adresa.port).c_str(), &napoveda, &nalezene);
        if (kod != 0) {
            return ChybaWinsock(kod);
        }
        const Adresy adresy(nalezene);

        const ULONGLONG konec = ::GetTickCount64() + pozadavek.limitPripojeniMs;
        HRESULT hr = HRESULT_FROM_WIN32(WSAHOST_NOT_FOUND);
        // The addresses in the system's order (IPv6 and IPv4 as configured), the first that
        // takes the connection wins.
        for (const addrinfo* a = adresy.get(); a != nullptr; a = a->ai_next) {
            hr = Pripojit(*a, konec);
            if (SUCCEEDED(hr) || hr == ChybaZruseno || hr == ChybaVyprselCas) {
                break;
            }
        }
        if (FAILED(hr)) {
            return hr;
        }
        return Poslat(TextPozadavku(pozadavek), konec);
    }

    HRESULT Cist(std::span<std::uint8_t> kam, std::size_t& precteno) override {
        precteno = 0;
        if (zruseni_.Zruseno()) {
            return ChybaZruseno;
        }
        if (!soket_ || kam.empty()) {
            return E_INVALIDARG;
        }
        const ULONGLONG konec = ::GetTickCount64() + limitCteni_;
        const int nejvic = static_cast<int>(std::min<std::size_t>(kam.size(), INT_MAX));
        for (;;) {
            const int n = ::recv(soket_.Get(), reinterpret_cast<char*>(kam.data()), nejvic, 0);
            if (n > 0) {
                precteno = static_cast<std::size_t>(n);
                return S_OK;
            }
            if (n == 0) {
                return S_FALSE;
            }
            if (::WSAGetLastError() != WSAEWOULDBLOCK) {
                return PosledniChybaWinsock();
            }
            // A close is a reason to read too: recv then says 0 or why the connection broke.
            if (const HRESULT hr = Cekat(FD_READ | FD_CLOSE, konec, nullptr); FAILED(hr)) {
                return hr;
            }
        }
    }

    void Zrusit() noexcept override { zruseni_.Zrusit(); }

private:
    HRESULT Pripojit(const addrinfo& adresa, ULONGLONG konec) {
        soket_.Reset(::socket(adresa.ai_family, adresa.ai_socktype, adresa.ai_protocol));
        if (!soket_) {
            return PosledniChybaWinsock();
        }
        // Also makes the socket non-blocking.
        if (::WSAEventSelect(soket_.Get(), udalost_.Get(),
                             FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE) != 0) {
            return PosledniChybaWinsock();
        }
        if (::connect(soket_.Get(), adresa.ai_addr, static_cast<int>(adresa.ai_addrlen)) == 0) {
            return S_OK;
        }
        if (::WSAGetLastError() != WSAEWOULDBLOCK) {
            return PosledniChybaWinsock();
        }
        int chyba = 0;
        if (const HRESULT hr = Cekat(FD_CONNECT, konec, &chyba); FAILED(hr)) {
            return hr;
        }
        return chyba == 0 ? S_OK : ChybaWinsock(chyba);
    }

    HRESULT Poslat(const std::string& text, ULONGLONG konec) {
        std::size_t poslano = 0;
        while (poslano < text.size()) {
            const int n = ::send(soket_.Get(), text.data() + poslano,
                                 static_cast<int>(text.size() - poslano), 0);
            if (n > 0) {
                poslano += static_cast<std::size_t>(n);
                continue;
            }
            if (::WSAGetLastError() != WSAEWOULDBLOCK) {
                return PosledniChybaWinsock();
            }
            if (const HRESULT hr = Cekat(FD_WRITE | FD_CLOSE, konec, nullptr); FAILED(hr)) {
                return hr;
            }
        }
        return S_OK;
    }

    // Until one of the wanted network events, a cancel or the time. chybaPripojeni receives
    // the outcome of a connect.
    HRESULT Cekat(long chtene, ULONGLONG konec, int* chybaPripojeni) {
        for (;;) {
            if (const HRESULT hr = zruseni_.Cekat(udalost_.Get(), konec); FAILED(hr)) {
                return hr;
            }
            WSANETWORKEVENTS site{};
            if (::WSAEnumNetworkEvents(soket_.Get(), udalost_.Get(), &site) != 0) {
                return PosledniChybaWinsock();
            }
            if (chybaPripojeni != nullptr && (site.lNetworkEvents & FD_CONNECT) != 0) {
                *chybaPripojeni = site.iErrorCode[FD_CONNECT_BIT];
            }
            if ((site.lNetworkEvents & chtene) != 0) {
                return S_OK;
            }
        }
    }

    ZavedeniWinsock winsock_;
    ZruseniSpojeni zruseni_;
    WinApi::UniqueHandle udalost_;
    HRESULT chybaVytvoreni_ = S_OK;
    WinApi::UniqueSocket soket_;
    DWORD limitCteni_ = 0;
};

} // namespace

std::unique_ptr<SpojeniStreamu> VytvoritSpojeniWinsock() {
    return std::make_unique<SpojeniWinsock>();
}

} // namespace Vrbatec::Stream
