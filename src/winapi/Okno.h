// Base of the program's top-level windows and dialogs: a window implementation with the
// few operations that every such window uses on itself.
#pragma once

#include <windows.h>

#include <string>

#include "winapi/OknoImpl.h"

namespace Vrbatec::WinApi {

class Okno : public OknoImpl {
public:
    // The icons of the title bar and the task switcher; the window does not own them.
    void NastavitIkony(HICON velka, HICON mala);
    // Throws the failure as HRESULT.
    void NastavitTitulek(const std::wstring& titulek);
    // ShowWindow; returns whether the window was visible before.
    bool Zobrazit(int prikaz);
};

} // namespace Vrbatec::WinApi
