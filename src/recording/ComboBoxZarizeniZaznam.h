// A drop-down list (not sorted) that offers the capture devices: each item shows a device's
// name and carries its index in the device list, so the list must not change between a
// filling and the reading of the selection (a shorter one makes the selection invalid).
#pragma once

#include <vector>

#include "recording/SeznamZarizeni.h"
#include "recording/ZarizeniZaznamu.h"
#include "winapi/ComboBox.h"

namespace Vrbatec {

class ComboBoxZarizeniZaznam : public WinApi::ComboBox {
public:
    // The list is referred to, not copied; by default the process-wide one.
    explicit ComboBoxZarizeniZaznam(const std::vector<ZarizeniZaznamu>& seznam = SeznamZarizeni())
        : seznam_(seznam) {}

    // Shows every device of the list and selects the last one whose name equals the chosen
    // name ignoring case, or the first item when none does. An item that cannot be added ends
    // the filling with that failure (what was added stays, selected as above).
    HRESULT Naplnit(const ZarizeniZaznamu& zvolene);

    // 0 with the selected device copied into vystup; 1 when nothing is selected or its index is
    // no longer within the list, vystup then unchanged.
    int Vybrane(ZarizeniZaznamu& vystup) const;

private:
    const std::vector<ZarizeniZaznamu>& seznam_;
};

} // namespace Vrbatec
