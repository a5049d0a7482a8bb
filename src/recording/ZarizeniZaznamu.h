// One capture device as the system lists it: the name shown to the user (numbered " #2", " #3",
// … where several devices share a name), its description and its device path. The settings keep
// the name and the path; records are copied, never referenced.
#pragma once

#include <string>

namespace Vrbatec {

struct ZarizeniZaznamu {
    std::wstring nazev;
    std::wstring popis;
    std::wstring cesta;

    friend bool operator==(const ZarizeniZaznamu&, const ZarizeniZaznamu&) = default;
};

} // namespace Vrbatec
