#include "config/HorkaKlavesa.h"

#include <algorithm>

#include "config/BajtyLe.h"

namespace Vrbatec {

ZabalenaHorkaKlavesa Zabalit(const HorkaKlavesa& klavesa) {
    ZabalenaHorkaKlavesa bajty{};
    BajtyLe::Zapsat32(bajty.data(), klavesa.modifikatory);
    BajtyLe::Zapsat32(bajty.data() + 4, klavesa.klavesa);
    BajtyLe::Zapsat32(bajty.data() + 8, klavesa.prikaz);
    BajtyLe::Zapsat32(bajty.data() + 12, klavesa.skupina);
    return bajty;
}

HorkaKlavesa Rozbalit(std::span<const std::uint8_t> data) {
    ZabalenaHorkaKlavesa bajty{};
    std::copy_n(data.begin(), std::min(data.size(), bajty.size()), bajty.begin());
    HorkaKlavesa klavesa;
    klavesa.modifikatory = BajtyLe::Cist32(bajty.data());
    klavesa.klavesa = BajtyLe::Cist32(bajty.data() + 4);
    klavesa.prikaz = BajtyLe::Cist32(bajty.data() + 8);
    klavesa.skupina = BajtyLe::Cist32(bajty.data() + 12);
    return klavesa;
}

} // namespace Vrbatec
