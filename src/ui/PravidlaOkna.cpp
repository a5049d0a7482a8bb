#include "ui/PravidlaOkna.h"

#include "config/Nastaveni.h"

namespace Vrbatec::Ui::PravidlaOkna {

bool IkonaPriMinimalizaci(std::uint32_t ikona, bool vynuceno) {
    return ikona != kIkonaNikdy || vynuceno;
}

std::uint32_t VelikostPanelu(std::uint32_t ulozena) {
    return ulozena == kPanelVelkeIkony ? kPanelVelkeIkony : kPanelMaleIkony;
}

} // namespace Vrbatec::Ui::PravidlaOkna
