// The commands that can carry a global hotkey, in the order the hotkey page lists them,
// with the key assigned to each. A command appears at most once: records are added only
// for commands the table does not have yet. The hotkey page edits modifiers and keys of
// the records in place.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "config/HorkaKlavesa.h"

namespace Vrbatec {

class TabulkaHorkychKlaves {
public:
    std::size_t Pocet() const { return zaznamy_.size(); }
    std::span<HorkaKlavesa> Zaznamy() { return zaznamy_; }
    std::span<const HorkaKlavesa> Zaznamy() const { return zaznamy_; }

    bool Obsahuje(std::uint32_t prikaz) const;
    // Appends the command with no key; false (and nothing changes) when it is already there.
    bool Pridat(std::uint32_t prikaz, std::uint32_t skupina);
    void Vyprazdnit() { zaznamy_.clear(); }
    // Empties the table and adds the ten commands that can be bound, none of them bound.
    void NastavitVychozi();

    friend bool operator==(const TabulkaHorkychKlaves&, const TabulkaHorkychKlaves&) = default;

private:
    std::vector<HorkaKlavesa> zaznamy_;
};

} // namespace Vrbatec
