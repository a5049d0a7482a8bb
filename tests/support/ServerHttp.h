// A small HTTP server of the test's own on 127.0.0.1 (a port the system picks): it answers
// every request with the same bytes, the body repeated as often as asked, or accepts and
// never answers. Connections are served one after another on a thread of its own.
#pragma once

#include <winsock2.h>
#include <ws2tcpip.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>
#include <thread>

namespace Vrbatec::Testy {

struct OdpovedHttp {
    std::string hlavicka; // the status line and the headers, with the empty line
    std::string telo;
    std::size_t opakovani = 1;
    bool mlcet = false; // holds the connection without a word

    // A 200 answer with the body's length (repeated), or without one (ended by the close).
    static OdpovedHttp Soubor(std::string telo, bool sDelkou = true, std::size_t opakovani = 1) {
        std::string hlavicka =
            "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n";
        if (sDelkou) {
            hlavicka += "Content-Length: " + std::to_string(telo.size() * opakovani) + "\r\n";
        }
        return {hlavicka + "\r\n", std::move(telo), opakovani, false};
    }
    static OdpovedHttp Stav(int stav, std::string telo) {
        return {"HTTP/1.1 " + std::to_string(stav) + " X\r\nContent-Length: " +
                    std::to_string(telo.size()) + "\r\nConnection: close\r\n\r\n",
                std::move(telo), 1, false};
    }
    static OdpovedHttp Mlceni() { return {{}, {}, 0, true}; }
};

class ServerHttp {
public:
    explicit ServerHttp(OdpovedHttp odpoved) : odpoved_(std::move(odpoved)) {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        naslouchani_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in adresa{};
        adresa.sin_family = AF_INET;
        adresa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(naslouchani_, reinterpret_cast<sockaddr*>(&adresa), sizeof(adresa));
        ::listen(naslouchani_, 4);
        int delka = sizeof(adresa);
        ::getsockname(naslouchani_, reinterpret_cast<sockaddr*>(&adresa), &delka);
        port_ = ntohs(adresa.sin_port);
        vlakno_ = std::thread([this] { Obsluhovat(); });
    }
    ~ServerHttp() {
        konec_ = true;
        vlakno_.join();
        ::closesocket(naslouchani_);
        ::WSACleanup();
    }
    ServerHttp(const ServerHttp&) = delete;
    ServerHttp& operator=(const ServerHttp&) = delete;

    std::wstring Url(const wchar_t* cesta = L"/software/zvukolet/posledniVerze.txt") const {
        return L"http://127.0.0.1:" + std::to_wstring(port_) + cesta;
    }
    int Pozadavku() const { return pozadavku_; }

    // A port where nobody listens: bound, read and closed again.
    static unsigned short VolnyPort() {
        ServerHttp zavreny(OdpovedHttp::Mlceni());
        return zavreny.port_;
    }

private:
    // Waits up to 50 ms for the socket to be readable; false also when the server ends.
    bool Pripraven(SOCKET s) const {
        fd_set sada;
        FD_ZERO(&sada);
        FD_SET(s, &sada);
        timeval cekani{0, 50000};
        return !konec_ && ::select(0, &sada, nullptr, nullptr, &cekani) == 1;
    }

    void Obsluhovat() {
        while (!konec_) {
            if (!Pripraven(naslouchani_)) {
                continue;
            }
            const SOCKET spojeni = ::accept(naslouchani_, nullptr, nullptr);
            if (spojeni == INVALID_SOCKET) {
                continue;
            }
            // A client that stops reading must not hold the server for ever.
            const DWORD limitOdeslani = 5000;
            ::setsockopt(spojeni, SOL_SOCKET, SO_SNDTIMEO,
                         reinterpret_cast<const char*>(&limitOdeslani), sizeof(limitOdeslani));
            if (PrecistPozadavek(spojeni)) {
                ++pozadavku_;
                if (odpoved_.mlcet) {
                    while (!konec_) {
                        std::this_thread::sleep_for(std::chrono::milliseconds(20));
                    }
                } else {
                    Odpovedet(spojeni);
                }
            }
            ::shutdown(spojeni, SD_BOTH);
            ::closesocket(spojeni);
        }
    }

    bool PrecistPozadavek(SOCKET spojeni) {
        std::string pozadavek;
        char cast[512];
        while (pozadavek.find("\r\n\r\n") == std::string::npos && pozadavek.size() < 8192) {
            if (!Pripraven(spojeni)) {
                if (konec_) {
                    return false;
                }
                continue;
            }
            const int n = ::recv(spojeni, cast, sizeof(cast), 0);
            if (n <= 0) {
                return false;
            }
            pozadavek.append(cast, static_cast<std::size_t>(n));
        }
        return true;
    }

    void Odpovedet(SOCKET spojeni) {
        if (!Poslat(spojeni, odpoved_.hlavicka)) {
            return;
        }
        for (std::size_t i = 0; i < odpoved_.opakovani && !konec_; ++i) {
            if (!Poslat(spojeni, odpoved_.telo)) {
                return; // the client has had enough
            }
        }
    }

    static bool Poslat(SOCKET spojeni, const std::string& data) {
        std::size_t poslano = 0;
        while (poslano < data.size()) {
            const int n =
                ::send(spojeni, data.data() + poslano, static_cast<int>(data.size() - poslano), 0);
            if (n <= 0) {
                return false;
            }
            poslano += static_cast<std::size_t>(n);
        }
        return true;
    }

    OdpovedHttp odpoved_;
    SOCKET naslouchani_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::atomic<bool> konec_{false};
    std::atomic<int> pozadavku_{0};
    std::thread vlakno_;
};

} // namespace Vrbatec::Testy
