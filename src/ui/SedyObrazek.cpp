#include "ui/SedyObrazek.h"

#include <cstddef>

namespace Vrbatec::Ui::SedyObrazek {

void Prevest(std::span<std::uint8_t> pixely) {
    const std::size_t cele = pixely.size() - pixely.size() % 4;
    for (std::size_t i = 0; i < cele; i += 4) {
        const std::uint8_t seda = Jas(pixely[i + 2], pixely[i + 1], pixely[i]);
        pixely[i] = seda;
        pixely[i + 1] = seda;
        pixely[i + 2] = seda;
    }
}

} // namespace Vrbatec::Ui::SedyObrazek
