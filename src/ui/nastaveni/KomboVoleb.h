// A drop-down list of a settings page that offers fixed choices (PravidlaStranek.h): each item
// carries its setting's value as item data.
#pragma once

#include <cstdint>
#include <span>

#include "ui/nastaveni/PravidlaStranek.h"
#include "winapi/ComboBox.h"

namespace Vrbatec::Ui {

// Attaches the combo box of the dialog, fills it with the choices and selects the one of the
// stored value (the first when none has it). An item the control refuses is fatal: the list
// is the program's own and short.
void NaplnitKomboVoleb(WinApi::ComboBox& combo, HWND dialog, int id,
                       std::span<const PravidlaStranek::Volba> volby, std::uint32_t hodnota);

// The value of the selected item; 0xFFFFFFFF (-1) when nothing is selected.
std::uint32_t VybranaVolba(const WinApi::ComboBox& combo);

} // namespace Vrbatec::Ui
