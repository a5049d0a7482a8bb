#include "ui/nastaveni/KomboVoleb.h"

#include <string>

#include "winapi/Diagnostika.h"

namespace Vrbatec::Ui {

void NaplnitKomboVoleb(WinApi::ComboBox& combo, HWND dialog, int id,
                       std::span<const PravidlaStranek::Volba> volby, std::uint32_t hodnota) {
    combo.Pripojit(::GetDlgItem(dialog, id));
    combo.Vyprazdnit();
    for (const PravidlaStranek::Volba& volba : volby) {
        if (const HRESULT hr =
                combo.PridatPolozku(std::wstring(volba.text), static_cast<LPARAM>(volba.hodnota));
            FAILED(hr)) {
            FatalniHResult(hr);
        }
    }
    combo.Vybrat(static_cast<int>(PravidlaStranek::IndexVolby(volby, hodnota)));
}

std::uint32_t VybranaVolba(const WinApi::ComboBox& combo) {
    const int vyber = combo.Vyber();
    return vyber < 0 ? 0xFFFFFFFFu : static_cast<std::uint32_t>(combo.DataPolozky(vyber));
}

} // namespace Vrbatec::Ui
