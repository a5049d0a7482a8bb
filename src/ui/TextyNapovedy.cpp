#include "ui/TextyNapovedy.h"

namespace Vrbatec::Ui::TextyNapovedy {

std::wstring NapovedaMenu(bool jePodmenu, std::wstring_view zaznamTabulky,
                          std::wstring_view textPripraven) {
    const std::wstring_view prvniRadek = zaznamTabulky.substr(0, zaznamTabulky.find(L'\n'));
    if (jePodmenu || prvniRadek.empty()) {
        return std::wstring(textPripraven);
    }
    return std::wstring(prvniRadek);
}

std::wstring TipTlacitka(std::wstring_view zaznamTabulky, std::size_t velikostBufferu) {
    const std::size_t zlom = zaznamTabulky.find(L'\n');
    std::wstring_view tip =
        zlom == std::wstring_view::npos ? zaznamTabulky : zaznamTabulky.substr(zlom + 1);
    if (velikostBufferu == 0) {
        return {};
    }
    return std::wstring(tip.substr(0, velikostBufferu - 1));
}

} // namespace Vrbatec::Ui::TextyNapovedy
