#include "recording/GrafAsf.h"
#include "recording/GrafWav.h"
#include "recording/GrafZaznamu.h"

namespace Vrbatec {

TovarnaGrafu TovarnaGrafuSystemu() {
    return [](ProfilyZaznamu::Zapisovac zapisovac) -> std::unique_ptr<GrafZaznamu> {
        switch (zapisovac) {
        case ProfilyZaznamu::Zapisovac::Wav:
            return std::make_unique<GrafWav>();
        case ProfilyZaznamu::Zapisovac::WindowsMedia:
            return std::make_unique<GrafAsf>();
        }
        return nullptr;
    };
}

} // namespace Vrbatec
