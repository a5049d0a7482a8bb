#include "ui/ObrazekMenu.h"

#include <cstddef>

namespace Vrbatec::Ui::ObrazekMenu {

namespace {

std::uint8_t Vynasobit(std::uint8_t barva, std::uint8_t alfa) {
    // Rounded, so that an opaque pixel keeps its colour exactly.
    return static_cast<std::uint8_t>((barva * alfa + 127) / 255);
}

} // namespace

std::vector<std::uint8_t> Vyriznout(std::span<const std::uint8_t> pruh, int sirkaPruhu,
                                    int velikost, int index) {
    if (velikost <= 0 || index < 0 || sirkaPruhu < (index + 1) * velikost) {
        return {};
    }
    const auto sirka = static_cast<std::size_t>(sirkaPruhu);
    const auto strana = static_cast<std::size_t>(velikost);
    if (pruh.size() < sirka * strana * 4) {
        return {};
    }
    std::vector<std::uint8_t> obrazek(strana * strana * 4);
    const std::size_t zacatek = static_cast<std::size_t>(index) * strana;
    for (std::size_t y = 0; y < strana; ++y) {
        for (std::size_t x = 0; x < strana; ++x) {
            const std::uint8_t* z = &pruh[(y * sirka + zacatek + x) * 4];
            std::uint8_t* c = &obrazek[(y * strana + x) * 4];
            const std::uint8_t alfa = z[3];
            c[0] = Vynasobit(z[0], alfa);
            c[1] = Vynasobit(z[1], alfa);
            c[2] = Vynasobit(z[2], alfa);
            c[3] = alfa;
        }
    }
    return obrazek;
}

} // namespace Vrbatec::Ui::ObrazekMenu
