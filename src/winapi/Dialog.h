// The dialog implementation: a dialog from a resource or from a template in memory, modal or
// modeless, whose messages reach ZpracovatZpravu from WM_INITDIALOG on (earlier ones, such
// as WM_SETFONT, are left to the dialog manager).
//
// A handled message returns its result the way dialog procedures must: most through
// DWLP_MSGRESULT, the few that the dialog manager reads from the procedure's return value
// (WM_CTLCOLOR..., WM_COMPAREITEM, WM_VKEYTOITEM, WM_CHARTOITEM, WM_QUERYDRAGICON,
// WM_INITDIALOG) directly.
//
// Rules of the hooks:
// - This base's ZpracovatZpravu first reflects control notifications (OdrazitOznameni.h), so
//   a control object answers for itself, and then routes WM_INITDIALOG to PriInicializaci,
//   WM_COMMAND to PriOk, PriZruseni or PriPrikazu, and WM_NOTIFY to PriOznameni. A derived
//   class handles any other message in its own ZpracovatZpravu and calls this one for the
//   rest; one that takes a reflectable message (WM_CTLCOLOR..., scrolls) before calling it
//   keeps that message from the control's object.
// - IDOK and IDCANCEL count only as clicks (BN_CLICKED, which is also what Enter, Esc and the
//   close box send), so that a button with BS_NOTIFY does not end the dialog when it merely
//   gets the focus.
// - By default OK ends a modal dialog with IDOK and Cancel with IDCANCEL. A modeless dialog is
//   left as it is: it is a panel or a page whose owner decides when it goes, and Esc pressed
//   in it must not take it out of its owner's window.
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

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    // WM_INITDIALOG, with Hwnd() already the dialog. True lets the dialog manager give the
    // focus to the first control that takes it; false when the hook has placed the focus
    // itself, or when the dialog must not take it from the window it lives in.
    virtual bool PriInicializaci();
    // WM_COMMAND other than the OK and Cancel clicks: from a control (prvek its window),
    // a menu (kod 0) or an accelerator (kod 1). True when handled.
    virtual bool PriPrikazu(WORD id, WORD kod, HWND prvek);
    // WM_NOTIFY that no control object took. True when handled, with vysledek the answer
    // (0 unless the hook sets another).
    virtual bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek);
    // The IDOK and IDCANCEL clicks. An override that refuses to close simply returns; one
    // that agrees calls the base (or Ukoncit with a code of its own).
    virtual void PriOk();
    virtual void PriZruseni();

private:
    static INT_PTR CALLBACK ProceduraDialogu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam);
    static INT_PTR VysledekProcedury(HWND okno, UINT zprava, LRESULT vysledek);
    LPARAM Spustit(bool modalni) noexcept;
    bool UzMaOkno() const noexcept;
    bool RozeslatPrikaz(WORD id, WORD kod, HWND prvek);

    bool modalni_ = false;
};

} // namespace Vrbatec::WinApi
