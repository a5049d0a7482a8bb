// How a global hotkey reads ("Ctrl + Shift + P"), as the hotkey part of the main window
// writes it; the notification icon's tooltip lists the hotkeys with it.
#pragma once

#include <cstdint>
#include <string>

namespace Vrbatec::Ui::TextHorkeKlavesy {

std::wstring Zformatovat(std::uint32_t modifikatory, std::uint32_t klavesa);

} // namespace Vrbatec::Ui::TextHorkeKlavesy
