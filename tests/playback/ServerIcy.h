// Addresses on the tests' own radio server (server_icy.py), which se_serverem_icy.sh starts
// next to the test program and names in ZV_SERVER_ICY_PORT.
#pragma once

#include <windows.h>

#include <string>

namespace Vrbatec::Testy {

// Empty when no server runs.
inline std::string PortServeruIcy() {
    char port[16] = {};
    const DWORD delka = ::GetEnvironmentVariableA("ZV_SERVER_ICY_PORT", port, sizeof(port));
    return delka == 0 || delka >= sizeof(port) ? std::string() : std::string(port);
}

// Percent-encoded UTF-8, as the server's query parser expects it.
inline std::string ZakodovatProServer(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string vysledek;
    for (const unsigned char znak : text) {
        if ((znak >= 'a' && znak <= 'z') || (znak >= 'A' && znak <= 'Z') ||
            (znak >= '0' && znak <= '9') || znak == '/' || znak == '.' || znak == '-' ||
            znak == '_') {
            vysledek += static_cast<char>(znak);
        } else {
            vysledek += '%';
            vysledek += kHex[znak >> 4];
            vysledek += kHex[znak & 15];
        }
    }
    return vysledek;
}

// `cesta` with its query, on the server.
inline std::wstring AdresaNaServeru(const std::string& cesta) {
    const std::string url = "http://127.0.0.1:" + PortServeruIcy() + cesta;
    return std::wstring(url.begin(), url.end());
}

} // namespace Vrbatec::Testy
