// Rules of the main window's menus that need no window: whether menu items carry pictures,
// which picture each command shows, and what the list menu's mute item says.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace Vrbatec::Ui::PravidlaNabidek {

struct ObrazekPrikazu {
    std::uint32_t prikaz;
    int obrazek; // index in the small strip
};

// Menus before 0x600 and menus without visual styles draw item bitmaps badly (no alpha, over
// the check mark), so they get none.
constexpr bool ObrazkyMenuPovoleny(std::uint32_t verzeWindows, bool vzhledAplikace) {
    return verzeWindows >= 0x600 && vzhledAplikace;
}

// Every command that shows a picture in a menu, wherever that menu is.
std::span<const ObrazekPrikazu> ObrazkyMenu();

// The mute item of the source list's menu names what choosing it will do.
constexpr std::wstring_view TextZtlumeni(bool ztlumeno) {
    return ztlumeno ? L"Zapnout zvuk" : L"Ztlumit zvuk";
}

} // namespace Vrbatec::Ui::PravidlaNabidek
