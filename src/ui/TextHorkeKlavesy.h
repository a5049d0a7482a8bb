// How a global hotkey reads in the notification icon's tooltip and on the hotkey page: the
// modifiers in a fixed order (Ctrl, Shift, Alt) and the key, joined by "+ ", for instance
// "Ctrl + Shift + P", "Alt + 5", or the key's own name alone.
//
// Digits and letters are their own characters; every other key is named by the system in the
// user's keyboard language, which the caller supplies (HorkeKlavesy.h has the system's). A key
// the system cannot name leaves only the modifiers.
#pragma once

#include <cstdint>
#include <string>

namespace Vrbatec::Ui::TextHorkeKlavesy {

// The modifier flags of a hotkey record (those of RegisterHotKey).
inline constexpr std::uint32_t kAlt = 1;
inline constexpr std::uint32_t kCtrl = 2;
inline constexpr std::uint32_t kShift = 4;

// The name of a key that is neither a digit nor a letter; empty when it has none.
using NazevKlavesy = std::wstring (*)(std::uint32_t klavesa);

std::wstring Sestavit(std::uint32_t modifikatory, std::uint32_t klavesa, NazevKlavesy nazev);

// What the system's key-name lookup takes for a key of the scan code: the scan code in bits
// 16-23, and the extended-key bit for the navigation keys, whose names would otherwise be
// those of the numeric keypad.
std::uint32_t ArgumentNazvu(std::uint32_t klavesa, std::uint32_t scan);

} // namespace Vrbatec::Ui::TextHorkeKlavesy
