#include "ui/PravidlaIkony.h"

#include "config/Nastaveni.h"

namespace Vrbatec::Ui::PravidlaIkony {

namespace {

constexpr wchar_t kTrojtecka = L'\u2026';

constexpr bool PrvniZPary(wchar_t znak) {
    const auto kod = static_cast<std::uint32_t>(znak);
    return kod >= 0xD800 && kod <= 0xDBFF;
}

} // namespace

std::wstring Oriznout(std::wstring_view text, std::size_t pole) {
    if (text.size() < pole) {
        return std::wstring(text);
    }
    if (pole < 2) {
        return {};
    }
    // Room for the ellipsis and the terminating zero.
    std::size_t delka = pole - 2;
    if (delka > 0 && PrvniZPary(text[delka - 1])) {
        --delka;
    }
    std::wstring vysledek(text.substr(0, delka));
    vysledek += kTrojtecka;
    return vysledek;
}

std::uint32_t AkceLevehoTlacitka(const Nastaveni& nastaveni, bool ctrl, bool shift) {
    if (ctrl && shift) {
        return nastaveni.ctrlShiftLeve;
    }
    if (ctrl) {
        return nastaveni.ctrlLeve;
    }
    return shift ? nastaveni.shiftLeve : nastaveni.leve;
}

std::wstring
TextPrehleduKlaves(std::wstring_view nazevProduktu, std::span<const HorkaKlavesa> klavesy,
                   const std::function<std::wstring(const HorkaKlavesa&)>& textKlavesy,
                   const std::function<std::wstring(std::uint32_t prikaz)>& textPrikazu) {
    std::wstring radky;
    std::size_t aktivnich = 0;
    for (const HorkaKlavesa& klavesa : klavesy) {
        if (klavesa.klavesa == 0) {
            continue;
        }
        ++aktivnich;
        radky += textKlavesy(klavesa);
        radky += L" - ";
        radky += textPrikazu(klavesa.prikaz);
        radky += L'\n';
    }
    std::wstring text = L"** ";
    text += nazevProduktu;
    text += L" **\nAktivních klávesových zkratek: ";
    text += std::to_wstring(aktivnich);
    text += L" (z celkem ";
    text += std::to_wstring(klavesy.size());
    text += L" možných)\n";
    text += radky;
    return text;
}

} // namespace Vrbatec::Ui::PravidlaIkony
