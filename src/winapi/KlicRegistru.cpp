#include "winapi/KlicRegistru.h"

#include <array>

#include <algorithm>
#include <utility>

#include "winapi/Diagnostika.h"

namespace Vrbatec {

namespace {

constexpr REGSAM kPristup = KEY_READ | KEY_WRITE;

HRESULT Vysledek(LSTATUS stav) {
    if (stav == ERROR_SUCCESS) {
        return S_OK;
    }
    return HRESULT_FROM_WIN32(static_cast<DWORD>(stav));
}

// The reader convention: a missing value is 1, not a failure.
HRESULT VysledekCteni(LSTATUS stav) {
    return stav == ERROR_FILE_NOT_FOUND ? 1 : Vysledek(stav);
}

const BYTE* Bajty(const void* data) {
    return static_cast<const BYTE*>(data);
}

} // namespace

KlicRegistru::KlicRegistru(HKEY koren, std::wstring zakladniCesta)
    : koren_(koren), zakladniCesta_(std::move(zakladniCesta)) {}

HRESULT KlicRegistru::Otevrit(bool vytvorit) {
    return OtevritCestu(zakladniCesta_, vytvorit);
}

HRESULT KlicRegistru::Otevrit(const std::wstring& podklic, bool vytvorit) {
    if (podklic.empty()) {
        FatalniHResult(E_INVALIDARG);
    }
    return OtevritCestu(zakladniCesta_ + L"\\" + podklic, vytvorit);
}

HRESULT KlicRegistru::OtevritCestu(const std::wstring& cesta, bool vytvorit) {
    klic_.Reset();
    if (zakladniCesta_.empty()) {
        FatalniHResult(E_INVALIDARG);
    }
    HKEY klic = nullptr;
    const LSTATUS stav = vytvorit ? ::RegCreateKeyExW(koren_, cesta.c_str(), 0, nullptr, 0,
                                                      kPristup, nullptr, &klic, nullptr)
                                  : ::RegOpenKeyExW(koren_, cesta.c_str(), 0, kPristup, &klic);
    if (stav == ERROR_SUCCESS) {
        klic_.Reset(klic);
    }
    return Vysledek(stav);
}

HRESULT KlicRegistru::CistDword(const wchar_t* nazev, std::uint32_t& cil) const {
    DWORD hodnota = 0;
    DWORD velikost = sizeof(hodnota);
    const LSTATUS stav = ::RegQueryValueExW(klic_.Get(), nazev, nullptr, nullptr,
                                            reinterpret_cast<BYTE*>(&hodnota), &velikost);
    if (stav != ERROR_SUCCESS) {
        return VysledekCteni(stav);
    }
    if (velikost != sizeof(hodnota)) {
        return HRESULT_FROM_WIN32(ERROR_INVALID_DATA);
    }
    cil = hodnota;
    return S_OK;
}

HRESULT KlicRegistru::CistCislo(const wchar_t* nazev, std::int32_t& cil) const {
    std::uint32_t hodnota = 0;
    const HRESULT hr = CistDword(nazev, hodnota);
    if (hr == S_OK) {
        cil = static_cast<std::int32_t>(hodnota);
    }
    return hr;
}

HRESULT KlicRegistru::CistAnoNe(const wchar_t* nazev, bool& cil) const {
    std::uint32_t hodnota = 0;
    const HRESULT hr = CistDword(nazev, hodnota);
    if (hr == S_OK) {
        cil = hodnota != 0;
    }
    return hr;
}

HRESULT KlicRegistru::CistRetezec(const wchar_t* nazev, std::wstring& cil) const {
    for (;;) {
        DWORD typ = REG_NONE;
        DWORD velikost = 0;
        LSTATUS stav = ::RegQueryValueExW(klic_.Get(), nazev, nullptr, &typ, nullptr, &velikost);
        if (stav != ERROR_SUCCESS) {
            return VysledekCteni(stav);
        }
        if (typ != REG_SZ) {
            return HRESULT_FROM_WIN32(ERROR_UNSUPPORTED_TYPE);
        }
        // One character more than asked for, so that a value stored without its zero
        // still ends in one.
        std::wstring text(velikost / sizeof(wchar_t) + 1, L'\0');
        DWORD precteno = velikost;
        stav = ::RegQueryValueExW(klic_.Get(), nazev, nullptr, &typ,
                                  reinterpret_cast<BYTE*>(text.data()), &precteno);
        if (stav == ERROR_MORE_DATA) {
            continue; // the value grew in between
        }
        if (stav != ERROR_SUCCESS) {
            return VysledekCteni(stav);
        }
        if (typ != REG_SZ) {
            return HRESULT_FROM_WIN32(ERROR_UNSUPPORTED_TYPE);
        }
        text.resize(precteno / sizeof(wchar_t));
        // The stored text ends at its first zero.
        text.resize(std::min(text.size(), text.find(L'\0')));
        cil = std::move(text);
        return S_OK;
    }
}

HRESULT KlicRegistru::CistBinarni(const wchar_t* nazev, std::span<std::uint8_t> cil,
                                  std::size_t& precteno) const {
    std::vector<std::uint8_t> data(cil.size());
    DWORD velikost = static_cast<DWORD>(data.size());
    const LSTATUS stav =
        ::RegQueryValueExW(klic_.Get(), nazev, nullptr, nullptr, data.data(), &velikost);
    if (stav != ERROR_SUCCESS) {
        return VysledekCteni(stav);
    }
    // With no room at all the system only measures the value and reports success.
    if (velikost > cil.size()) {
        return HRESULT_FROM_WIN32(ERROR_MORE_DATA);
    }
    std::copy_n(data.begin(), velikost, cil.begin());
    precteno = velikost;
    return S_OK;
}

HRESULT KlicRegistru::ZapsatDword(const wchar_t* nazev, std::uint32_t hodnota) const {
    const DWORD data = hodnota;
    return Vysledek(::RegSetValueExW(klic_.Get(), nazev, 0, REG_DWORD, Bajty(&data), sizeof(data)));
}

HRESULT KlicRegistru::ZapsatCislo(const wchar_t* nazev, std::int32_t hodnota) const {
    return ZapsatDword(nazev, static_cast<std::uint32_t>(hodnota));
}

HRESULT KlicRegistru::ZapsatAnoNe(const wchar_t* nazev, bool hodnota) const {
    return ZapsatDword(nazev, hodnota ? 1 : 0);
}

HRESULT KlicRegistru::ZapsatRetezec(const wchar_t* nazev, const std::wstring& hodnota) const {
    const DWORD velikost = static_cast<DWORD>((hodnota.size() + 1) * sizeof(wchar_t));
    return Vysledek(
        ::RegSetValueExW(klic_.Get(), nazev, 0, REG_SZ, Bajty(hodnota.c_str()), velikost));
}

HRESULT KlicRegistru::ZapsatBinarni(const wchar_t* nazev,
                                    std::span<const std::uint8_t> data) const {
    return Vysledek(::RegSetValueExW(klic_.Get(), nazev, 0, REG_BINARY, data.data(),
                                     static_cast<DWORD>(data.size())));
}

HRESULT KlicRegistru::SmazatPodklic(const wchar_t* podklic) const {
    const LSTATUS stav = ::RegDeleteTreeW(klic_.Get(), podklic);
    return stav == ERROR_FILE_NOT_FOUND ? S_OK : Vysledek(stav);
}

HRESULT KlicRegistru::SmazatHodnotu(const wchar_t* nazev) const {
    const LSTATUS stav = ::RegDeleteValueW(klic_.Get(), nazev);
    return stav == ERROR_FILE_NOT_FOUND ? S_OK : Vysledek(stav);
}

HRESULT KlicRegistru::NazvyHodnot(std::size_t maxDelka, std::vector<std::wstring>& nazvy) const {
    std::vector<wchar_t> buffer(maxDelka + 1);
    for (DWORD index = 0;; ++index) {
        DWORD delka = static_cast<DWORD>(buffer.size());
        const LSTATUS stav = ::RegEnumValueW(klic_.Get(), index, buffer.data(), &delka, nullptr,
                                             nullptr, nullptr, nullptr);
        if (stav == ERROR_NO_MORE_ITEMS) {
            return S_OK;
        }
        if (stav == ERROR_MORE_DATA) {
            continue;
        }
        if (stav != ERROR_SUCCESS) {
            return Vysledek(stav);
        }
        nazvy.emplace_back(buffer.data(), delka);
    }
}

HRESULT KlicRegistru::NazvyPodklicu(std::vector<std::wstring>& nazvy) const {
    // A key name has at most 255 characters.
    std::array<wchar_t, 256> buffer{};
    for (DWORD index = 0;; ++index) {
        DWORD delka = static_cast<DWORD>(buffer.size());
        const LSTATUS stav = ::RegEnumKeyExW(klic_.Get(), index, buffer.data(), &delka, nullptr,
                                             nullptr, nullptr, nullptr);
        if (stav == ERROR_NO_MORE_ITEMS) {
            return S_OK;
        }
        if (stav != ERROR_SUCCESS) {
            return Vysledek(stav);
        }
        nazvy.emplace_back(buffer.data(), delka);
    }
}

} // namespace Vrbatec
