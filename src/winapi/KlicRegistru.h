// One open registry key below a fixed base path. Open closes whatever key the wrapper
// held and opens (or creates) the base path or one of its subkeys for reading and writing.
//
// Readers return 1 when the value does not exist, 0 when it was read and the failure's
// HRESULT otherwise; the target changes only when they return 0. Writers return 0 or the
// failure's HRESULT. A key that cannot be closed ends the program (UniqueKey).
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "winapi/Handle.h"

namespace Vrbatec {

class KlicRegistru {
public:
    // An empty base path is a programming error and ends the program.
    KlicRegistru(HKEY koren, std::wstring zakladniCesta);

    HRESULT Otevrit(bool vytvorit);
    // An empty subkey is a programming error and ends the program.
    HRESULT Otevrit(const std::wstring& podklic, bool vytvorit);
    void Zavrit() { klic_.Reset(); }
    HKEY Klic() const { return klic_.Get(); }

    HRESULT CistDword(const wchar_t* nazev, std::uint32_t& cil) const;
    HRESULT CistCislo(const wchar_t* nazev, std::int32_t& cil) const;
    HRESULT CistAnoNe(const wchar_t* nazev, bool& cil) const;
    // Only REG_SZ values; any other type is refused and the target keeps its text.
    HRESULT CistRetezec(const wchar_t* nazev, std::wstring& cil) const;
    // Up to cil.size() bytes into the front of cil; the rest of cil is left alone. A longer
    // value is refused. precteno gets the number of bytes read.
    HRESULT CistBinarni(const wchar_t* nazev, std::span<std::uint8_t> cil,
                        std::size_t& precteno) const;

    HRESULT ZapsatDword(const wchar_t* nazev, std::uint32_t hodnota) const;
    HRESULT ZapsatCislo(const wchar_t* nazev, std::int32_t hodnota) const;
    HRESULT ZapsatAnoNe(const wchar_t* nazev, bool hodnota) const;
    HRESULT ZapsatRetezec(const wchar_t* nazev, const std::wstring& hodnota) const;
    HRESULT ZapsatBinarni(const wchar_t* nazev, std::span<const std::uint8_t> data) const;

    // Deletes the subkey with everything below it; a missing subkey is not a failure.
    HRESULT SmazatPodklic(const wchar_t* podklic) const;
    // Deletes the value; a missing value is not a failure.
    HRESULT SmazatHodnotu(const wchar_t* nazev) const;
    // Names of the values of the open key of at most maxDelka characters; longer names
    // are passed over.
    HRESULT NazvyHodnot(std::size_t maxDelka, std::vector<std::wstring>& nazvy) const;
    // Names of the subkeys of the open key.
    HRESULT NazvyPodklicu(std::vector<std::wstring>& nazvy) const;

private:
    HRESULT OtevritCestu(const std::wstring& cesta, bool vytvorit);

    HKEY koren_;
    std::wstring zakladniCesta_;
    WinApi::UniqueKey klic_;
};

} // namespace Vrbatec
