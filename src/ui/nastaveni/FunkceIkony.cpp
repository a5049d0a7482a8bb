#include "ui/nastaveni/FunkceIkony.h"

#include <algorithm>

namespace Vrbatec::Ui::FunkceIkony {

int IndexPrikazu(std::uint32_t prikaz) {
    const auto nalezeny = std::find(kPrikazy.begin(), kPrikazy.end(), prikaz);
    return nalezeny == kPrikazy.end() ? -1 : static_cast<int>(nalezeny - kPrikazy.begin());
}

} // namespace Vrbatec::Ui::FunkceIkony
