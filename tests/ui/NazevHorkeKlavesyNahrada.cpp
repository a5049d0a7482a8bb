// Stands in for the hotkey part's key text until it joins this build; the tests read the
// modifiers and the key back from it.
#include "ui/NazevHorkeKlavesy.h"

namespace Vrbatec::Ui::TextHorkeKlavesy {

std::wstring Zformatovat(std::uint32_t modifikatory, std::uint32_t klavesa) {
    return L"klávesa " + std::to_wstring(modifikatory) + L"/" + std::to_wstring(klavesa);
}

} // namespace Vrbatec::Ui::TextHorkeKlavesy
