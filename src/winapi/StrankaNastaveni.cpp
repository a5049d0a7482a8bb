#include "winapi/StrankaNastaveni.h"

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

HRESULT StrankaNastaveni::Ukazat(HWND ramec, const RECT& oblast) {
    if (Hwnd() == nullptr) {
        // WM_INITDIALOG runs inside the creation: the texts it sets send their change
        // notifications before VytvoritOkno returns.
        vytvari_ = true;
        HWND okno = VytvoritOkno(ramec);
        vytvari_ = false;
        if (okno == nullptr) {
            return HResultPosledniChyby();
        }
    }
    if (!::SetWindowPos(Hwnd(), nullptr, oblast.left, oblast.top, oblast.right - oblast.left,
                        oblast.bottom - oblast.top,
                        SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW)) {
        return HResultPosledniChyby();
    }
    return S_OK;
}

void StrankaNastaveni::Skryt() {
    if (Hwnd() != nullptr) {
        ::ShowWindow(Hwnd(), SW_HIDE);
    }
}

bool StrankaNastaveni::Pouzit() {
    return Hwnd() == nullptr || PriPouziti();
}

void StrankaNastaveni::OznamitZmenu() const {
    if (vytvari_ || Hwnd() == nullptr) {
        return;
    }
    // Posted, so that the frame reacts after the control has finished its own change. One
    // that cannot be posted only leaves Použít as it was; OK still applies every page.
    ::PostMessageW(::GetParent(Hwnd()), WM_ZMENA_STRANKY, static_cast<WPARAM>(id_),
                   reinterpret_cast<LPARAM>(Hwnd()));
}

} // namespace Vrbatec::WinApi
