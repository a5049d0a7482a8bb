// Addresses on the tests' own radio server (server_icy.py), which se_serverem_icy.sh starts
// next to the test program and names in ZV_SERVER_ICY_PORT (and ZV_SERVER_ICY_TLS_PORT), and
// the trust in its certificate.
#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>
#include <vector>

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

// The certificate the TLS server was given, among the user's trusted roots while the object
// lives. The system reads those roots once per process, on first need, so the certificate is
// written where it keeps them before anything here asks.
class DuveryhodnyCertifikat {
public:
    DuveryhodnyCertifikat() {
        char hex[8192] = {};
        const DWORD delka = ::GetEnvironmentVariableA("ZV_SERVER_ICY_CERT", hex, sizeof(hex));
        for (DWORD i = 0; i + 1 < delka && delka < sizeof(hex); i += 2) {
            der_.push_back(static_cast<BYTE>(std::stoi(std::string(hex + i, 2), nullptr, 16)));
        }
        otisk_.resize(20);
        DWORD velikost = static_cast<DWORD>(otisk_.size());
        if (der_.empty() ||
            !::CryptHashCertificate(0, CALG_SHA1, 0, der_.data(), static_cast<DWORD>(der_.size()),
                                    otisk_.data(), &velikost)) {
            der_.clear();
            return;
        }
        klic_ = L"Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\";
        for (const BYTE b : otisk_) {
            static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
            klic_ += kHex[b >> 4];
            klic_ += kHex[b & 15];
        }
    }
    ~DuveryhodnyCertifikat() {
        if (!klic_.empty()) {
            ::RegDeleteKeyW(HKEY_CURRENT_USER, klic_.c_str());
        }
    }
    DuveryhodnyCertifikat(const DuveryhodnyCertifikat&) = delete;
    DuveryhodnyCertifikat& operator=(const DuveryhodnyCertifikat&) = delete;

    bool Platny() const { return !der_.empty(); }

    // The stored form: the properties of the certificate, its hash and its encoding.
    bool Duverovat() const {
        std::vector<BYTE> blob;
        const auto pridat = [&blob](DWORD vlastnost, const std::vector<BYTE>& data) {
            for (const DWORD cislo : {vlastnost, DWORD{1}, static_cast<DWORD>(data.size())}) {
                const auto* bajty = reinterpret_cast<const BYTE*>(&cislo);
                blob.insert(blob.end(), bajty, bajty + sizeof(cislo));
            }
            blob.insert(blob.end(), data.begin(), data.end());
        };
        pridat(CERT_SHA1_HASH_PROP_ID, otisk_);
        pridat(kVlastnostKodovani, der_);
        return ::RegSetKeyValueW(HKEY_CURRENT_USER, klic_.c_str(), L"Blob", REG_BINARY, blob.data(),
                                 static_cast<DWORD>(blob.size())) == ERROR_SUCCESS;
    }

private:
    // The element of the stored form that holds the encoded certificate; the headers do not
    // name it.
    static constexpr DWORD kVlastnostKodovani = 32;

    std::vector<BYTE> der_;
    std::vector<BYTE> otisk_;
    std::wstring klic_;
};

// The server's TLS port, empty without one.
inline std::string PortServeruIcyTls() {
    char port[16] = {};
    const DWORD delka = ::GetEnvironmentVariableA("ZV_SERVER_ICY_TLS_PORT", port, sizeof(port));
    return delka == 0 || delka >= sizeof(port) ? std::string() : std::string(port);
}

} // namespace Vrbatec::Testy
