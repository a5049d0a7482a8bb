// A settings root of the test's own below HKEY_CURRENT_USER, deleted with everything in it
// when the test ends, and plain registry access to look at what the code under test wrote.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Vrbatec::Testy {

using Bajty = std::vector<std::uint8_t>;

class TestovaciKoren {
public:
    TestovaciKoren();
    ~TestovaciKoren();
    TestovaciKoren(const TestovaciKoren&) = delete;
    TestovaciKoren& operator=(const TestovaciKoren&) = delete;

    // Cesta() or Cesta() + "\" + podklic.
    std::wstring Cesta(const std::wstring& podklic = {}) const;
    bool Existuje(const std::wstring& podklic = {}) const;

    // Creates the key as needed and stores the bytes with the given type.
    void Zapsat(const std::wstring& podklic, const wchar_t* nazev, DWORD typ,
                const Bajty& data) const;
    void ZapsatDword(const std::wstring& podklic, const wchar_t* nazev, DWORD hodnota) const;

    struct Hodnota {
        DWORD typ;
        Bajty data;
    };
    std::optional<Hodnota> Cist(const std::wstring& podklic, const wchar_t* nazev) const;
    // Sorted names of the values (or of the subkeys) of a key.
    std::vector<std::wstring> Nazvy(const std::wstring& podklic, bool podklice = false) const;

private:
    std::wstring cesta_;
};

Bajty BajtyTextu(const std::wstring& text, bool sNulou);
Bajty BajtyDword(DWORD hodnota);

} // namespace Vrbatec::Testy
