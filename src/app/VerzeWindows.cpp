#include "app/VerzeWindows.h"

namespace Vrbatec {

std::uint32_t KodVerzeWindows(bool platformaNt, std::uint32_t hlavni, std::uint32_t vedlejsi,
                              std::uint32_t dosavadniKod) {
    if (!platformaNt) {
        return dosavadniKod;
    }
    if (hlavni < 5) {
        return 0;
    }
    if (hlavni > 6) {
        return 0xFFFF;
    }
    const std::uint32_t zaklad = hlavni << 8;
    return zaklad | (vedlejsi > 2 ? 2 : vedlejsi);
}

} // namespace Vrbatec
