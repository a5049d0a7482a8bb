// The dialog implementation: a dialog from a resource or from a template in memory, modal or
// modeless, whose messages reach ZpracovatZpravu from WM_INITDIALOG on (earlier ones, such
// as WM_SETFONT, are left to the dialog manager).
//
// A handled message returns its result the way dialog procedures must: most through
// DWLP_MSGRESULT, the few that the dialog manager reads from the procedure's return value
// (WM_CTLCOLOR..., WM_COMPAREITEM, WM_VKEYTOITEM, WM_CHARTOITEM, WM_QUERYDRAGICON,
// WM_INITDIALOG) directly. WM_INITDIALOG left unhandled gives the default focus.
#pragma once

#include <windows.h>

#include "winapi/Okno.h"

namespace Vrbatec::WinApi {

class Dialog : public Okno {
public:
    // The value given to Ukoncit, or -1 with the last error when the dialog cannot be shown
    // or the object has a window already (then ERROR_ALREADY_INITIALIZED).
    INT_PTR SpustitModalne(HINSTANCE instance, const wchar_t* sablona, HWND rodic);
    INT_PTR SpustitModalne(HINSTANCE instance, const DLGTEMPLATE* sablona, HWND rodic);
    // Ends a modal dialog with the code that SpustitModalne returns.
    void Ukoncit(INT_PTR kod);

    // nullptr with the last error when the dialog cannot be created or the object has a window
    // already.
    HWND VytvoritNemodalne(HINSTANCE instance, const wchar_t* sablona, HWND rodic);
    HWND VytvoritNemodalne(HINSTANCE instance, const DLGTEMPLATE* sablona, HWND rodic);
    // Destroys a modeless dialog; nothing when it is gone already.
    void Zrusit();

private:
    static INT_PTR CALLBACK ProceduraDialogu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam);
    static INT_PTR VysledekProcedury(HWND okno, UINT zprava, LRESULT vysledek);
    LPARAM Spustit(bool modalni) noexcept;
    bool UzMaOkno() const noexcept;

    bool modalni_ = false;
};

} // namespace Vrbatec::WinApi
