#include "winapi/Dialog.h"

#include "winapi/Diagnostika.h"
#include "winapi/OdrazitOznameni.h"

namespace Vrbatec::WinApi {

INT_PTR Dialog::SpustitModalne(HINSTANCE instance, const wchar_t* sablona, HWND rodic) {
    if (UzMaOkno()) {
        return -1;
    }
    return ::DialogBoxParamW(instance, sablona, rodic, &ProceduraDialogu, Spustit(true));
}

INT_PTR Dialog::SpustitModalne(HINSTANCE instance, const DLGTEMPLATE* sablona, HWND rodic) {
    if (UzMaOkno()) {
        return -1;
    }
    return ::DialogBoxIndirectParamW(instance, sablona, rodic, &ProceduraDialogu, Spustit(true));
}

void Dialog::Ukoncit(INT_PTR kod) {
    if (!::EndDialog(PlatneOkno(), kod)) {
        FatalniPosledniChyba();
    }
}

HWND Dialog::VytvoritNemodalne(HINSTANCE instance, const wchar_t* sablona, HWND rodic) {
    if (UzMaOkno()) {
        return nullptr;
    }
    return ::CreateDialogParamW(instance, sablona, rodic, &ProceduraDialogu, Spustit(false));
}

HWND Dialog::VytvoritNemodalne(HINSTANCE instance, const DLGTEMPLATE* sablona, HWND rodic) {
    if (UzMaOkno()) {
        return nullptr;
    }
    return ::CreateDialogIndirectParamW(instance, sablona, rodic, &ProceduraDialogu,
                                        Spustit(false));
}

void Dialog::Zrusit() {
    if (Hwnd() != nullptr && ::IsWindow(Hwnd()) && !::DestroyWindow(Hwnd())) {
        FatalniPosledniChyba();
    }
}

bool Dialog::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                             LRESULT& vysledek) {
    if (OdrazitOznameni(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    switch (zprava) {
    case WM_INITDIALOG:
        vysledek = PriInicializaci() ? TRUE : FALSE;
        return true;
    case WM_COMMAND:
        vysledek = 0;
        return RozeslatPrikaz(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
    case WM_NOTIFY:
        vysledek = 0;
        return PriOznameni(*reinterpret_cast<const NMHDR*>(lParam), vysledek);
    default:
        return false;
    }
}

bool Dialog::PriInicializaci() {
    return true;
}

bool Dialog::PriPrikazu(WORD, WORD, HWND) {
    return false;
}

bool Dialog::PriOznameni(const NMHDR&, LRESULT&) {
    return false;
}

void Dialog::PriOk() {
    if (modalni_) {
        Ukoncit(IDOK);
    }
}

void Dialog::PriZruseni() {
    if (modalni_) {
        Ukoncit(IDCANCEL);
    }
}

bool Dialog::RozeslatPrikaz(WORD id, WORD kod, HWND prvek) {
    if (kod == BN_CLICKED && id == IDOK) {
        PriOk();
        return true;
    }
    if (kod == BN_CLICKED && id == IDCANCEL) {
        PriZruseni();
        return true;
    }
    return PriPrikazu(id, kod, prvek);
}

LPARAM Dialog::Spustit(bool modalni) noexcept {
    modalni_ = modalni;
    return reinterpret_cast<LPARAM>(this);
}

// The window property holds one object per window, and the object one window: a second
// dialog would leave the first pointing at an object that no longer knows it.
bool Dialog::UzMaOkno() const noexcept {
    if (Hwnd() == nullptr) {
        return false;
    }
    ::SetLastError(ERROR_ALREADY_INITIALIZED);
    return true;
}

INT_PTR CALLBACK Dialog::ProceduraDialogu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam) {
    OknoImpl* objekt = ObjektOkna(okno);
    if (objekt == nullptr && zprava == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<Dialog*>(lParam);
        dialog->NavazatDialog(okno, dialog->modalni_);
        objekt = dialog;
    }
    if (objekt == nullptr) {
        return FALSE;
    }
    bool zpracovano = false;
    const LRESULT vysledek = objekt->Rozeslat(okno, zprava, wParam, lParam, zpracovano);
    if (!zpracovano) {
        return zprava == WM_INITDIALOG ? TRUE : FALSE;
    }
    return VysledekProcedury(okno, zprava, vysledek);
}

INT_PTR Dialog::VysledekProcedury(HWND okno, UINT zprava, LRESULT vysledek) {
    switch (zprava) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return vysledek;
    default:
        // The window may be gone when the message destroyed it.
        if (::IsWindow(okno)) {
            ::SetWindowLongPtrW(okno, DWLP_MSGRESULT, vysledek);
        }
        return TRUE;
    }
}

} // namespace Vrbatec::WinApi
