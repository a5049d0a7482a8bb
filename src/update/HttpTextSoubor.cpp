#include "update/HttpTextSoubor.h"

#include <array>
#include <cstdint>
#include <span>

#include "update/PravidlaAktualizace.h"
#include "winapi/Diagnostika.h"

namespace Vrbatec {

namespace {

constexpr wchar_t kAgent[] = L"RHttpTextSoubor";
constexpr DWORD kVelikostCasti = 250;

HRESULT NastavitLimity(HINTERNET h, const LimityHttp& limity) {
    const std::array<std::pair<DWORD, DWORD>, 3> volby{{
        {INTERNET_OPTION_CONNECT_TIMEOUT, limity.pripojeni},
        {INTERNET_OPTION_SEND_TIMEOUT, limity.odeslani},
        {INTERNET_OPTION_RECEIVE_TIMEOUT, limity.prijem},
    }};
    for (auto [volba, hodnota] : volby) {
        if (!::InternetSetOptionW(h, volba, &hodnota, sizeof(hodnota))) {
            return HResultPosledniChyby();
        }
    }
    return S_OK;
}

// The request is opened before it is sent so that its own time-outs can be set: a session's
// are not taken over by every implementation.
HRESULT Odeslat(HINTERNET relace, const std::wstring& url, const LimityHttp& limity,
                UniqueInternet& spojeni, UniqueInternet& pozadavek) {
    URL_COMPONENTSW casti{};
    casti.dwStructSize = sizeof(casti);
    casti.dwHostNameLength = 1;
    casti.dwUrlPathLength = 1;
    casti.dwExtraInfoLength = 1;
    if (!::InternetCrackUrlW(url.c_str(), 0, 0, &casti)) {
        return HResultPosledniChyby();
    }
    if (casti.nScheme != INTERNET_SCHEME_HTTP && casti.nScheme != INTERNET_SCHEME_HTTPS) {
        return HRESULT_FROM_WIN32(ERROR_INTERNET_UNRECOGNIZED_SCHEME);
    }
    const std::wstring hostitel(casti.lpszHostName, casti.dwHostNameLength);
    std::wstring cesta(casti.lpszUrlPath, casti.dwUrlPathLength);
    cesta.append(casti.lpszExtraInfo, casti.dwExtraInfoLength);
    spojeni.Reset(::InternetConnectW(relace, hostitel.c_str(), casti.nPort, nullptr, nullptr,
                                     INTERNET_SERVICE_HTTP, 0, 0));
    if (!spojeni) {
        return HResultPosledniChyby();
    }
    DWORD priznaky = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
    if (casti.nScheme == INTERNET_SCHEME_HTTPS) {
        priznaky |= INTERNET_FLAG_SECURE;
    }
    pozadavek.Reset(::HttpOpenRequestW(spojeni.Get(), L"GET", cesta.empty() ? L"/" : cesta.c_str(),
                                       nullptr, nullptr, nullptr, priznaky, 0));
    if (!pozadavek) {
        return HResultPosledniChyby();
    }
    if (const HRESULT hr = NastavitLimity(pozadavek.Get(), limity); FAILED(hr)) {
        return hr;
    }
    if (!::HttpSendRequestW(pozadavek.Get(), nullptr, 0, nullptr, 0)) {
        return HResultPosledniChyby();
    }
    return S_OK;
}

HRESULT OveritOdpoved(HINTERNET pozadavek) {
    DWORD stav = 0;
    DWORD velikost = sizeof(stav);
    if (!::HttpQueryInfoW(pozadavek, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &stav,
                          &velikost, nullptr)) {
        return HResultPosledniChyby();
    }
    if (stav != HTTP_STATUS_OK) {
        return ChybaStavuHttp(stav);
    }
    // Only that the server says how long the file is; the reading has its own limit.
    wchar_t delka[50] = {};
    velikost = sizeof(delka);
    if (!::HttpQueryInfoW(pozadavek, HTTP_QUERY_CONTENT_LENGTH, delka, &velikost, nullptr)) {
        return HResultPosledniChyby();
    }
    return S_OK;
}

HRESULT Precist(HINTERNET pozadavek, PravidlaAktualizace::OmezenyObsah& obsah) {
    std::array<std::uint8_t, kVelikostCasti> cast{};
    for (;;) {
        DWORD precteno = 0;
        if (!::InternetReadFile(pozadavek, cast.data(), kVelikostCasti, &precteno)) {
            return HResultPosledniChyby();
        }
        if (precteno == 0) {
            return S_OK;
        }
        if (!obsah.Pridat(std::span(cast.data(), precteno))) {
            return kChybaPresLimit;
        }
    }
}

std::wstring NaText(const std::vector<std::uint8_t>& bajty) {
    if (bajty.empty()) {
        return {};
    }
    const auto* zdroj = reinterpret_cast<const char*>(bajty.data());
    const int delka = static_cast<int>(bajty.size());
    const int znaku = ::MultiByteToWideChar(CP_THREAD_ACP, 0, zdroj, delka, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(znaku), L'\0');
    if (znaku > 0) {
        ::MultiByteToWideChar(CP_THREAD_ACP, 0, zdroj, delka, text.data(), znaku);
    }
    return text;
}

} // namespace

HRESULT HttpTextSoubor::NacistZTabulky(UINT idUrl, std::wstring& text) const {
    text.clear();
    std::wstring url;
    if (!NacistRetezec(idUrl, url)) {
        return HResultPosledniChyby();
    }
    return Nacist(url, text);
}

HRESULT HttpTextSoubor::Nacist(const std::wstring& url, std::wstring& text) const {
    text.clear();
    UniqueInternet vlastni;
    HINTERNET relace = internet_;
    if (relace == nullptr) {
        vlastni.Reset(::InternetOpenW(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
        if (!vlastni) {
            FatalniPosledniChyba();
        }
        relace = vlastni.Get();
    }
    UniqueInternet spojeni;
    UniqueInternet pozadavek;
    if (const HRESULT hr = Odeslat(relace, url, limity_, spojeni, pozadavek); FAILED(hr)) {
        return hr;
    }
    if (const HRESULT hr = OveritOdpoved(pozadavek.Get()); FAILED(hr)) {
        return hr;
    }
    PravidlaAktualizace::OmezenyObsah obsah;
    if (const HRESULT hr = Precist(pozadavek.Get(), obsah); FAILED(hr)) {
        return hr;
    }
    text = NaText(obsah.Bajty());
    return S_OK;
}

} // namespace Vrbatec
