// What a request to start recording does, by the "priSpusteni" setting and whether something
// from the list plays:
//   kZaznamVzdy             records at once, also when nothing plays;
//   kZaznamSPrehravanim     starts the selected source first, then records;
//   kZaznamJenPriPrehravani records only what already plays; with nothing playing the request
//                           is refused with a beep, so the user hears that nothing started.
// A value the setting cannot hold is refused the same way.
//
// The selection does not decide it: with a selection outside the list, starting playback
// reports that itself and the recording still begins, named after whatever plays (or
// "Záznam" when nothing does), so the user does not lose the moment to record.
#pragma once

#include <cstdint>

namespace Vrbatec::PravidloZaznamu {

enum class Ukon {
    Nahravat,
    SpustitPrehravaniANahravat,
    OdmitnoutPipnutim,
};

Ukon PoPozadavku(std::uint32_t priSpusteni, bool necoHraje);

} // namespace Vrbatec::PravidloZaznamu
