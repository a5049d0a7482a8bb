// What the status bar says while a menu item is highlighted, and what a toolbar button's
// tooltip says. Both come from the command's string-table entry: its first line is the
// hint, the part after the first line break (when there is one) the tooltip.
#pragma once

#include <string>
#include <string_view>

namespace Vrbatec::Ui::TextyNapovedy {

// The status text for a highlighted item: the ready text for a submenu title (and for the
// closing of the menu) and for items without an entry, else the entry's first line.
std::wstring NapovedaMenu(bool jePodmenu, std::wstring_view zaznamTabulky,
                          std::wstring_view textPripraven);

// The tooltip of a toolbar button, cut to fit the notification's buffer of `velikostBufferu`
// characters including the terminating zero.
std::wstring TipTlacitka(std::wstring_view zaznamTabulky, std::size_t velikostBufferu = 80);

} // namespace Vrbatec::Ui::TextyNapovedy
