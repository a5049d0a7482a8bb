// What the main window does when it is minimised, shown or hidden by a command, and which
// toolbar size a stored setting stands for.
#pragma once

#include <cstdint>

namespace Vrbatec::Ui::PravidlaOkna {

// Whether a minimise asked for by the system menu or a command puts the notification icon
// up (after which the window hides to it unless it keeps its taskbar button). vynuceno: the
// program itself hides to the icon at start-up, whatever "ikona" says.
bool IkonaPriMinimalizaci(std::uint32_t ikona, bool vynuceno);

// "toolBar" as the bars are built with it: 1 small, 2 large; anything else is corrected to
// small icons.
std::uint32_t VelikostPanelu(std::uint32_t ulozena);

} // namespace Vrbatec::Ui::PravidlaOkna
