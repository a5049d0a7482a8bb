// Base of the program's top-level windows and dialogs: a window implementation with the
// few operations that every such window uses on itself.
//
// Placement: a window that should reopen where the user left it sets the settings root
// (NastavitKlicRegistru) before it is created, loads its placement once created and before it
// is shown, and saves it when it closes. The placement lives under HKEY_CURRENT_USER in
// "<root>\Parametry oken\<name>", the name being the window's class name unless the caller
// gives one; the arithmetic is in PolohaOkna.h.
#pragma once

#include <windows.h>

#include <string>

#include "winapi/OknoImpl.h"

namespace Vrbatec::WinApi {

class Okno : public OknoImpl {
public:
    // Sets the key prefix to "<korenNastaveni>\Parametry oken\"; null leaves it as it is.
    virtual void NastavitKlicRegistru(const wchar_t* korenNastaveni);
    // 0 when saved; 1 when the window is hidden or minimised or maximised, so that the last
    // normal placement stays. No prefix set, or a registry that cannot be written, is fatal.
    virtual int UlozitPolohu(const wchar_t* nazev);
    // 0 when restored (and pulled back onto a work area); 1 when nothing is stored or it cannot
    // be read, and the window stays where it was created. jenPoloha keeps the window's size.
    virtual int NacistPolohu(const wchar_t* nazev, bool jenPoloha);

    // The icons of the title bar and the task switcher; the window does not own them.
    void NastavitIkony(HICON velka, HICON mala);
    // Throws the failure as HRESULT.
    void NastavitTitulek(const std::wstring& titulek);
    // ShowWindow; returns whether the window was visible before.
    bool Zobrazit(int prikaz);

private:
    // The registry path of the placement under HKEY_CURRENT_USER.
    std::wstring KlicPolohy(const wchar_t* nazev) const;

    std::wstring klicRegistru_;
};

} // namespace Vrbatec::WinApi
