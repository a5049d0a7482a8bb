#include "update/VerzeProgramu.h"

#include <cstdint>

#include "update/PravidlaAktualizace.h"
#include "winapi/VerzniInformace.h"

namespace Vrbatec {

std::wstring VerzeProgramu() {
    std::uint32_t vyssi = 0;
    std::uint32_t nizsi = 0;
    if (!NacistCisloVerze(vyssi, nizsi)) {
        return {};
    }
    return PravidlaAktualizace::FormatovatVerzi(vyssi, nizsi);
}

} // namespace Vrbatec
