// The hotkey table in the registry: key "Horke klavesy" below the settings root under
// HKEY_CURRENT_USER, one 16-byte REG_BINARY value per record, named by its command in
// decimal.
#pragma once

#include <windows.h>

#include <string>

#include "config/TabulkaHorkychKlaves.h"

namespace Vrbatec {

// Adds a record for every command the key names that the table lacks, then takes the
// stored modifiers, key and group of every record that has a value. Returns 0, or 1 when
// the key cannot be opened (the table is left as it was).
HRESULT NacistHorkeKlavesy(TabulkaHorkychKlaves& tabulka, const std::wstring& korenNastaveni);

// Replaces the key with one value per record, so values of commands that left the table
// go. Returns 0 or the HRESULT of the first failure; the values after it are not written.
HRESULT UlozitHorkeKlavesy(const TabulkaHorkychKlaves& tabulka, const std::wstring& korenNastaveni);

} // namespace Vrbatec
