// Window classes whose windows bind to an OknoImpl at WM_NCCREATE (OknoImpl::Vytvorit).
// A superclass takes over a class of the system or of the common controls: its windows
// behave as that class, and messages their object leaves alone go to the base procedure.
#pragma once

#include <windows.h>

namespace Vrbatec::WinApi {

// Registers the class with OknoImpl's class procedure (lpfnWndProc and cbSize are set here).
// A class of that name that is already registered the same way gives its atom again.
// 0 with the last error on failure.
ATOM RegistrovatTriduOkna(WNDCLASSEXW popis);

// Registers novaTrida in the instance as a superclass of zakladniTrida (which must be
// registered already: common controls after InitCommonControlsEx). Repeatable like above.
ATOM RegistrovatNadtriduOkna(HINSTANCE instance, const wchar_t* zakladniTrida,
                             const wchar_t* novaTrida);

// The procedure that windows of the class fall back on: the base class's for a superclass,
// DefWindowProcW otherwise.
WNDPROC ZakladniProceduraTridy(ATOM trida);

} // namespace Vrbatec::WinApi
