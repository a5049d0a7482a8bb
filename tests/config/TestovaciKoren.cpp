#include "config/TestovaciKoren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "winapi/Handle.h"

namespace Vrbatec::Testy {

namespace {

WinApi::UniqueKey OtevritKCteni(const std::wstring& cesta) {
    HKEY klic = nullptr;
    const LSTATUS stav = ::RegOpenKeyExW(HKEY_CURRENT_USER, cesta.c_str(), 0, KEY_READ, &klic);
    // Whatever a failed call left there is no key to close.
    return WinApi::UniqueKey(stav == ERROR_SUCCESS ? klic : nullptr);
}

} // namespace

TestovaciKoren::TestovaciKoren() {
    static unsigned poradi = 0;
    cesta_ = L"Software\\Vrbatec\\ZvukoletTest\\" + std::to_wstring(::GetCurrentProcessId()) +
             L"-" + std::to_wstring(::GetTickCount()) + L"-" + std::to_wstring(++poradi);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, cesta_.c_str());
}

TestovaciKoren::~TestovaciKoren() {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, cesta_.c_str());
    // Goes only when no other test root is left in it.
    ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Vrbatec\\ZvukoletTest");
}

std::wstring TestovaciKoren::Cesta(const std::wstring& podklic) const {
    return podklic.empty() ? cesta_ : cesta_ + L"\\" + podklic;
}

bool TestovaciKoren::Existuje(const std::wstring& podklic) const {
    return static_cast<bool>(OtevritKCteni(Cesta(podklic)));
}

void TestovaciKoren::Zapsat(const std::wstring& podklic, const wchar_t* nazev, DWORD typ,
                            const Bajty& data) const {
    ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, Cesta(podklic).c_str(), nazev, typ, data.data(),
                                static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

void TestovaciKoren::ZapsatDword(const std::wstring& podklic, const wchar_t* nazev,
                                 DWORD hodnota) const {
    Zapsat(podklic, nazev, REG_DWORD, BajtyDword(hodnota));
}

std::optional<TestovaciKoren::Hodnota> TestovaciKoren::Cist(const std::wstring& podklic,
                                                            const wchar_t* nazev) const {
    // RegQueryValueExW, unlike RegGetValueW, gives the bytes exactly as they were stored.
    const WinApi::UniqueKey klic = OtevritKCteni(Cesta(podklic));
    Hodnota hodnota{REG_NONE, Bajty(4096)};
    DWORD velikost = static_cast<DWORD>(hodnota.data.size());
    if (!klic || ::RegQueryValueExW(klic.Get(), nazev, nullptr, &hodnota.typ, hodnota.data.data(),
                                    &velikost) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    hodnota.data.resize(velikost);
    return hodnota;
}

std::vector<std::wstring> TestovaciKoren::Nazvy(const std::wstring& podklic, bool podklice) const {
    std::vector<std::wstring> nazvy;
    const WinApi::UniqueKey klic = OtevritKCteni(Cesta(podklic));
    wchar_t nazev[256];
    for (DWORD i = 0, delka = 256; klic; ++i, delka = 256) {
        const LSTATUS stav =
            podklice
                ? ::RegEnumKeyExW(klic.Get(), i, nazev, &delka, nullptr, nullptr, nullptr, nullptr)
                : ::RegEnumValueW(klic.Get(), i, nazev, &delka, nullptr, nullptr, nullptr, nullptr);
        if (stav != ERROR_SUCCESS) {
            break;
        }
        nazvy.emplace_back(nazev, delka);
    }
    std::sort(nazvy.begin(), nazvy.end());
    return nazvy;
}

Bajty BajtyTextu(const std::wstring& text, bool sNulou) {
    const auto* zacatek = reinterpret_cast<const std::uint8_t*>(text.c_str());
    return Bajty(zacatek, zacatek + (text.size() + (sNulou ? 1 : 0)) * sizeof(wchar_t));
}

Bajty BajtyDword(DWORD hodnota) {
    Bajty data(sizeof(hodnota));
    std::memcpy(data.data(), &hodnota, sizeof(hodnota));
    return data;
}

} // namespace Vrbatec::Testy
