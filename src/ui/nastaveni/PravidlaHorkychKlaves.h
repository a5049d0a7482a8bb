// The rules of the hotkey page that need no window: how a record's combination becomes the
// hotkey control's value and back, which combinations the page refuses, and which records a
// group lists.
//
// The hotkey control and RegisterHotKey name the same modifiers with different bits, and the
// control knows an extended-key flag that a registered hotkey has no use for: a record always
// holds the RegisterHotKey bits, the control's bits live only between the two calls here.
#pragma once

#include <cstdint>
#include <vector>

#include "config/TabulkaHorkychKlaves.h"

namespace Vrbatec::Ui::PravidlaHorkychKlaves {

// The modifier flags of the hotkey control's value (its high byte).
inline constexpr std::uint32_t kOvladacShift = 0x01;
inline constexpr std::uint32_t kOvladacCtrl = 0x02;
inline constexpr std::uint32_t kOvladacAlt = 0x04;
inline constexpr std::uint32_t kOvladacRozsirena = 0x08;

struct Kombinace {
    std::uint32_t modifikatory = 0; // the bits of a record
    std::uint32_t klavesa = 0;      // virtual-key code, 0 for none

    friend bool operator==(const Kombinace&, const Kombinace&) = default;
};

// The value the hotkey control is given for the record: the key in the low byte, the
// control's modifier flags in the high byte.
std::uint16_t HodnotaOvladace(const HorkaKlavesa& zaznam);
// The control's value as a record's combination.
Kombinace ZHodnotyOvladace(std::uint32_t hodnota);

// A combination with a key that some record of the table has already, the edited record
// included: registering it twice would fail, and taking the record's own again would be no
// change, so the page refuses both alike.
bool JePouzita(const TabulkaHorkychKlaves& tabulka, const Kombinace& kombinace);

// The indexes of the records that the group lists, in the table's order: group 0 lists every
// record, any other only the records of that group.
std::vector<std::size_t> ZaznamySkupiny(const TabulkaHorkychKlaves& tabulka, std::uint32_t skupina);

} // namespace Vrbatec::Ui::PravidlaHorkychKlaves
