// Rules of the notification icon that need no window: how a text is cut to a field of the
// shell's icon structure, which command a left click runs with the keys held, and what the
// icon's own tooltip says about the global hotkeys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "config/HorkaKlavesa.h"

namespace Vrbatec {
struct Nastaveni;
}

namespace Vrbatec::Ui::PravidlaIkony {

// Sizes of the text fields of the shell's icon structure, terminating zero included.
inline constexpr std::size_t kPoleTipu = 128;
inline constexpr std::size_t kPoleBubliny = 256;
inline constexpr std::size_t kPoleTitulkuBubliny = 64;

// The text as it fits a field of `pole` characters with its terminating zero. A longer text
// ends with "…" so that the user sees it goes on, and is never cut inside a surrogate pair,
// which the shell would show as a broken character.
std::wstring Oriznout(std::wstring_view text, std::size_t pole);

// The command of a left-button release, by the Ctrl and Shift held at that moment.
std::uint32_t AkceLevehoTlacitka(const Nastaveni& nastaveni, bool ctrl, bool shift);

// The tooltip's overview of the hotkey table: the product as the heading, how many of the
// table's commands have a key, and one line "key - command" for each of them in table order.
// The texts of a key and of a command come from the window side (key names and the string
// table are the system's).
std::wstring
TextPrehleduKlaves(std::wstring_view nazevProduktu, std::span<const HorkaKlavesa> klavesy,
                   const std::function<std::wstring(const HorkaKlavesa&)>& textKlavesy,
                   const std::function<std::wstring(std::uint32_t prikaz)>& textPrikazu);

} // namespace Vrbatec::Ui::PravidlaIkony
