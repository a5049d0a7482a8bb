#include "winapi/OdrazitOznameni.h"

#include <utility>

#include "winapi/OdrazeniZprav.h"

namespace Vrbatec::WinApi {

static_assert(WM_CTLCOLORMSGBOX == 0x0132 && WM_CTLCOLORSTATIC == 0x0138);
static_assert(WM_DRAWITEM == 0x002B && WM_MEASUREITEM == 0x002C && WM_DELETEITEM == 0x002D);
static_assert(WM_VKEYTOITEM == 0x002E && WM_CHARTOITEM == 0x002F && WM_COMPAREITEM == 0x0039);
static_assert(WM_NOTIFY == 0x004E && WM_COMMAND == 0x0111 && WM_PARENTNOTIFY == 0x0210);
static_assert(WM_HSCROLL == 0x0114 && WM_VSCROLL == 0x0115);

namespace {

// The reflection in progress on this thread: which window gets which message, and whether
// its object has handled it. Nested reflections stack through Odrazeni's saved pointer.
struct Odrazeni {
    HWND cil;
    UINT zprava;
    bool zpracovano;
};

thread_local Odrazeni* t_odrazeni = nullptr;

HWND DiteZOznameniRodici(HWND rodic, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case WM_CREATE:
    case WM_DESTROY:
        return reinterpret_cast<HWND>(lParam);
    default: {
        // Mouse buttons: the point is in the parent's client coordinates.
        const POINT bod{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        HWND dite = ::ChildWindowFromPointEx(rodic, bod, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        return dite != rodic ? dite : nullptr;
    }
    }
}

HWND CilOznameni(HWND rodic, UINT zprava, WPARAM wParam, LPARAM lParam) {
    switch (UrcitCilOdrazeni(zprava)) {
    case CilOdrazeni::OvladacVLParam:
        return reinterpret_cast<HWND>(lParam);
    case CilOdrazeni::OdesilatelOznameni:
        return lParam != 0 ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case CilOdrazeni::IdentifikatorPrvku:
        // Identifier 0 is a menu, which has no control to reflect to.
        return wParam != 0 ? ::GetDlgItem(rodic, static_cast<int>(wParam)) : nullptr;
    case CilOdrazeni::PotomekOznameni:
        return DiteZOznameniRodici(rodic, wParam, lParam);
    case CilOdrazeni::Zadny:
        break;
    }
    return nullptr;
}

} // namespace

bool OdrazitOznameni(HWND rodic, UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) {
    HWND cil = CilOznameni(rodic, zprava, wParam, lParam);
    if (cil == nullptr || !::IsWindow(cil)) {
        return false;
    }
    const UINT odrazena = zprava + kZakladOdrazeni;
    Odrazeni odrazeni{cil, odrazena, false};
    Odrazeni* vnejsi = std::exchange(t_odrazeni, &odrazeni);
    vysledek = ::SendMessageW(cil, odrazena, wParam, lParam);
    t_odrazeni = vnejsi;
    return odrazeni.zpracovano;
}

namespace Detail {

void PotvrditOdrazenouZpravu(HWND okno, UINT zprava) noexcept {
    if (t_odrazeni != nullptr && t_odrazeni->cil == okno && t_odrazeni->zprava == zprava) {
        t_odrazeni->zpracovano = true;
    }
}

} // namespace Detail

} // namespace Vrbatec::WinApi
