#include "sources/ZalohaSeznamu.h"

namespace Vrbatec::ZalohaSeznamu {

std::wstring NazevZalohy(const std::wstring& cesta, unsigned pokus) {
    std::wstring nazev = cesta + L".bak";
    if (pokus > 1) {
        nazev += std::to_wstring(pokus);
    }
    return nazev;
}

std::wstring TextOZaloze(const std::wstring& cesta, const std::wstring& zaloha) {
    return L"Seznam zdrojů v souboru \"" + cesta +
           L"\" nebylo možné načíst. Původní soubor byl uložen jako \"" + zaloha + L"\".";
}

} // namespace Vrbatec::ZalohaSeznamu
