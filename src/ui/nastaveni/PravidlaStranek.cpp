#include "ui/nastaveni/PravidlaStranek.h"

#include <array>

namespace Vrbatec::Ui::PravidlaStranek {

namespace {

constexpr std::array kRezimyIkony{
    Volba{L"Zobrazovat vždy", 2},
    Volba{L"Zobrazit pouze při minimalizaci okna", 1},
    Volba{L"Nezobrazovat", 0},
};

// The numbers of the system's priority classes (IDLE_PRIORITY_CLASS …), kept here without the
// system's headers.
constexpr std::array kPriorityProcesu{
    Volba{L"Nízká", 64},    Volba{L"Nižší než normální", 16384},
    Volba{L"Normální", 32}, Volba{L"Vyšší než normální", 32768},
    Volba{L"Vysoká", 128},  Volba{L"Reálný čas - není doporučeno!", 256},
};

constexpr std::array kPravidlaSpusteniZaznamu{
    Volba{L"Pokus není spuštěno přehrávání záznam nespouštět", 2},
    Volba{L"Automaticky spusit přehrávaní vybrané stanice a začít nahrávat", 1},
    Volba{L"Vždy spustit záznam zvuku i když se nepřehrává v této aplikaci", 0},
};

} // namespace

std::span<const Volba> RezimyIkony() {
    return kRezimyIkony;
}

std::span<const Volba> PriorityProcesu() {
    return kPriorityProcesu;
}

std::span<const Volba> PravidlaSpusteniZaznamu() {
    return kPravidlaSpusteniZaznamu;
}

std::size_t IndexVolby(std::span<const Volba> volby, std::uint32_t hodnota) {
    for (std::size_t i = 0; i < volby.size(); ++i) {
        if (volby[i].hodnota == hodnota) {
            return i;
        }
    }
    return 0;
}

} // namespace Vrbatec::Ui::PravidlaStranek
