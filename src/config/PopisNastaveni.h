// Where each setting lives in the registry: its key below the settings root, its value
// name and, through the type of the field it is bound to, its registry type. Loading and
// saving walk the same description, key by key and value by value, in the order in which
// the values are written; loading follows that order as well, which changes nothing.
//
//   std::uint32_t  REG_DWORD
//   std::int32_t   REG_DWORD holding the two's complement (-1 is 0xFFFFFFFF)
//   bool           REG_DWORD 0 or 1; any non-zero value reads as yes
//   Guid           REG_BINARY of 16 bytes
//   std::wstring   REG_SZ with its terminating zero
//
// The hotkey table under "Horke klavesy" has its own layout (HorkaKlavesa.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "config/Nastaveni.h"

namespace Vrbatec {

inline constexpr wchar_t kKorenNastaveni[] = L"Software\\Vrbatec\\Zvukolet\\2";
inline constexpr wchar_t kKlicHorkychKlaves[] = L"Horke klavesy";

using PoleNastaveni = std::variant<std::uint32_t Nastaveni::*, std::int32_t Nastaveni::*,
                                   bool Nastaveni::*, Guid Nastaveni::*, std::wstring Nastaveni::*>;

struct PopisHodnoty {
    const wchar_t* nazev;
    PoleNastaveni pole;
};

struct SkupinaHodnot {
    const wchar_t* klic; // empty for the settings root itself
    std::span<const PopisHodnoty> hodnoty;
};

// Every setting, in the order of saving.
std::span<const SkupinaHodnot> HodnotyNastaveni();
// What the main window stores whenever the playing source or its bars change.
std::span<const SkupinaHodnot> HodnotyStavuZobrazeni();

} // namespace Vrbatec
