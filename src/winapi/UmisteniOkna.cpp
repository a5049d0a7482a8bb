#include "winapi/UmisteniOkna.h"

#include <optional>

#include "winapi/Diagnostika.h"
#include "winapi/PolohaOkna.h"

namespace Vrbatec::WinApi {

namespace {

Obdelnik ZRect(const RECT& r) noexcept {
    return {r.left, r.top, r.right, r.bottom};
}

Obdelnik ObdelnikOkna(HWND okno) {
    RECT r{};
    if (!::IsWindow(okno)) {
        FatalniHResult(E_HANDLE);
    }
    if (!::GetWindowRect(okno, &r)) {
        FatalniPosledniChyba();
    }
    return ZRect(r);
}

Obdelnik PracovniOblastPrimarniho() {
    RECT r{};
    if (!::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) {
        FatalniPosledniChyba();
    }
    return ZRect(r);
}

std::optional<Obdelnik> PracovniOblastNejblizsiho(HWND okno) noexcept {
    HMONITOR monitor = ::MonitorFromWindow(okno, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (monitor == nullptr || !::GetMonitorInfoW(monitor, &info)) {
        return std::nullopt;
    }
    return ZRect(info.rcWork);
}

bool JeDetskeOkno(HWND okno) noexcept {
    return (::GetWindowLongPtrW(okno, GWL_STYLE) & WS_CHILD) != 0;
}

// A reference for the centring together with the limits the window must keep to.
struct Ramec {
    Obdelnik reference;
    Obdelnik meze;
};

Ramec RamecDetskehoOkna(HWND okno) {
    RECT klient{};
    if (!::GetClientRect(::GetParent(okno), &klient)) {
        FatalniPosledniChyba();
    }
    return {ZRect(klient), ZRect(klient)};
}

std::optional<Ramec> RamecHlavnihoOkna(HWND okno) {
    HWND vlastnik = ::GetWindow(okno, GW_OWNER);
    const bool naVlastnika =
        vlastnik != nullptr && ::IsWindowVisible(vlastnik) && !::IsIconic(vlastnik);
    const std::optional<Obdelnik> oblast = PracovniOblastNejblizsiho(naVlastnika ? vlastnik : okno);
    if (!oblast) {
        return std::nullopt;
    }
    return Ramec{naVlastnika ? ObdelnikOkna(vlastnik) : *oblast, *oblast};
}

} // namespace

int ZajistitViditelnost(HWND okno, bool jenPrimarni) {
    Obdelnik oblast = PracovniOblastPrimarniho();
    if (!jenPrimarni) {
        const std::optional<Obdelnik> nejblizsi = PracovniOblastNejblizsiho(okno);
        if (!nejblizsi) {
            return 1;
        }
        oblast = *nejblizsi;
    }
    const std::optional<Bod> cil = PolohaVPracovniOblasti(ObdelnikOkna(okno), oblast);
    if (cil && !::SetWindowPos(okno, nullptr, cil->x, cil->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER)) {
        FatalniPosledniChyba();
    }
    return 0;
}

BOOL Vycentrovat(HWND okno) {
    const Obdelnik obdelnik = ObdelnikOkna(okno);
    const std::optional<Ramec> ramec =
        JeDetskeOkno(okno) ? RamecDetskehoOkna(okno) : RamecHlavnihoOkna(okno);
    if (!ramec) {
        return FALSE;
    }
    const Bod cil =
        VycentrovanaPoloha(obdelnik.Sirka(), obdelnik.Vyska(), ramec->reference, ramec->meze);
    return ::SetWindowPos(okno, nullptr, cil.x, cil.y, 0, 0,
                          SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace Vrbatec::WinApi
