// The fixed choices of the settings pages' drop-down lists: each item's text and the value of
// the setting it stands for, in the order the list shows them, and which item a stored value
// selects. A stored value that no item has (an old or hand-edited registry) selects the first
// item, so a list never opens empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace Vrbatec::Ui::PravidlaStranek {

struct Volba {
    std::wstring_view text;
    std::uint32_t hodnota;
};

// "ikona": always, only while minimised, never.
std::span<const Volba> RezimyIkony();
// "processPriority": the process priority classes, from the lowest.
std::span<const Volba> PriorityProcesu();
// "priSpusteni": what a request to start recording does.
std::span<const Volba> PravidlaSpusteniZaznamu();

// The index of the item with the value; 0 when none has it.
std::size_t IndexVolby(std::span<const Volba> volby, std::uint32_t hodnota);

} // namespace Vrbatec::Ui::PravidlaStranek
