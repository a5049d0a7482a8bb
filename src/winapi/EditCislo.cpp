#include "winapi/EditCislo.h"

#include <string>

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

void EditCislo::PripojitEdit(HWND edit, std::uint32_t hodnota, std::int32_t minimum,
                             std::int32_t maximum) {
    if (!::IsWindow(edit)) {
        FatalniHResult(E_HANDLE);
    }
    if (!Pripojit(edit)) {
        FatalniPosledniChyba();
    }
    ::SetWindowLongPtrW(edit, GWL_STYLE, ::GetWindowLongPtrW(edit, GWL_STYLE) | ES_NUMBER);
    rozsah_ = {minimum, maximum};
    hodnota_ = hodnota;
    ZobrazitHodnotu();
    VytvoritTip();
}

std::optional<std::uint32_t> EditCislo::Precist() const {
    return PlatneCislo(TextOkna(PlatneOkno()), rozsah_);
}

bool EditCislo::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM, LRESULT&) {
    switch (zprava) {
    case WM_KILLFOCUS: {
        const CisloPoOpusteni po = OpustitPole(TextOkna(PlatneOkno()), rozsah_, hodnota_);
        hodnota_ = po.hodnota;
        if (po.obnovitText) {
            ZobrazitHodnotu();
        }
        return false;
    }
    case WM_DESTROY:
        tip_.Zrusit();
        return false;
    default:
        return false;
    }
}

void EditCislo::VytvoritTip() {
    HWND edit = PlatneOkno();
    tip_.Zrusit();
    tip_.Vytvorit(edit, ::GetModuleHandleW(nullptr));
    RECT klient{};
    ::GetClientRect(edit, &klient);
    tip_.PridatOblast(edit, klient, NapovedaRozsahu(rozsah_).c_str());
}

void EditCislo::ZobrazitHodnotu() const {
    ::SetWindowTextW(PlatneOkno(), std::to_wstring(hodnota_).c_str());
}

} // namespace Vrbatec::WinApi
