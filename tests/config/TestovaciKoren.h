// A settings root of the test's own below HKEY_CURRENT_USER, deleted with everything in it
// when the test ends, and plain registry access to look at what the code under test wrote.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Vrbatec::Testy {

class TestovaciKoren {
public:
    TestovaciKoren();
    ~TestovaciKoren();
    TestovaciKoren(const TestovaciKoren&) = delete;
    TestovaciKoren& operator=(const TestovaciKoren&) = delete;

    const std::wstring& Cesta() const { return cesta_; }
    // Cesta() or Cesta() + "\" + podklic.
    std::wstring Cesta(const std::wstring& podklic) const;
    bool Existuje(const std::wstring& podklic = {}) const;

    // Creates the key as needed and stores the bytes with the given type.
    void Zapsat(const std::wstring& podklic, const wchar_t* nazev, DWORD typ,
                const std::vector<std::uint8_t>& data) const;
    void ZapsatDword(const std::wstring& podklic, const wchar_t* nazev, DWORD hodnota) const;

    struct Hodnota {
        DWORD typ;
        std::vector<std::uint8_t> data;
    };
    std::optional<Hodnota> Cist(const std::wstring& podklic, const wchar_t* nazev) const;
    std::vector<std::wstring> NazvyHodnot(const std::wstring& podklic) const;
    std::vector<std::wstring> NazvyPodklicu(const std::wstring& podklic) const;

private:
    std::wstring cesta_;
};

std::vector<std::uint8_t> BajtyTextu(const std::wstring& text, bool sNulou);

} // namespace Vrbatec::Testy
