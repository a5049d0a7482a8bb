// Tooltips of a window's controls: one tooltip window per owner, created on first use, and
// a tool per control whose text is a string of the program's string table, or a tool over an
// area of one control with a text of its own. The tooltip subclasses each control itself to
// see the mouse, so the owner has nothing to relay.
//
// Failures are fatal: a missing owner or control (E_HANDLE), a tooltip window that cannot
// be created (last error), a tool that the tooltip refuses (E_FAIL).
#pragma once

#include <windows.h>

#include <string>

#include "winapi/Handle.h"

namespace Vrbatec::WinApi {

class ToolTip {
public:
    // The tooltip window of the owner; later calls return the one created first.
    HWND Vytvorit(HWND vlastnik, HINSTANCE instance);
    // Needs Vytvorit first. The text is looked up when the tip shows.
    void PridatNastroj(HWND prvek, HINSTANCE instance, UINT idRetezce);
    // A text named in no string table.
    void PridatNastroj(HWND prvek, const std::wstring& text);
    // Needs Vytvorit first. The area is in the control's client coordinates; the tooltip keeps
    // a copy of the text.
    void PridatOblast(HWND prvek, const RECT& oblast, const wchar_t* text);
    // Destroys the tooltip window, so that the next Vytvorit makes a new one.
    void Zrusit() noexcept { okno_.Reset(); }

    HWND Hwnd() const noexcept { return okno_.Get(); }

private:
    void Pridat(HWND prvek, HINSTANCE instance, wchar_t* text);

    // The owner destroys the tooltip with itself; the handle's deleter checks for that.
    UniqueWindow okno_;
};

} // namespace Vrbatec::WinApi
