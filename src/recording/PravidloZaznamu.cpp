#include "recording/PravidloZaznamu.h"

#include "config/Nastaveni.h"

namespace Vrbatec::PravidloZaznamu {

Ukon PoPozadavku(std::uint32_t priSpusteni, bool necoHraje) {
    switch (priSpusteni) {
    case kZaznamVzdy:
        return Ukon::Nahravat;
    case kZaznamSPrehravanim:
        return Ukon::SpustitPrehravaniANahravat;
    case kZaznamJenPriPrehravani:
        return necoHraje ? Ukon::Nahravat : Ukon::OdmitnoutPipnutim;
    default:
        return Ukon::OdmitnoutPipnutim;
    }
}

} // namespace Vrbatec::PravidloZaznamu
