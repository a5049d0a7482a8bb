// A child control that the program only refers to: a window handle, and whether this object
// created (and so owns) the window. Controls of dialog resources are attached, never owned,
// so releasing them leaves the dialog intact.
#pragma once

#include <windows.h>

#include "winapi/PopisOkna.h"

namespace Vrbatec::WinApi {

class OvladaciPrvek {
public:
    OvladaciPrvek() noexcept = default;
    OvladaciPrvek(const OvladaciPrvek&) = delete;
    OvladaciPrvek& operator=(const OvladaciPrvek&) = delete;

    // Destroys the window if it exists and is owned (a failure is fatal), then forgets it.
    virtual void Uvolnit();
    // Refers to an existing window, not owned; one that is not a window is fatal (E_HANDLE).
    // Returns whether a window was attached before (it is released first).
    virtual bool Pripojit(HWND okno);
    virtual ~OvladaciPrvek();

    // Creates an owned control; a control that cannot be created is fatal.
    void Vytvorit(const PopisOkna& popis);

    HWND Hwnd() const noexcept { return okno_; }
    bool JeVlastni() const noexcept { return vlastni_; }

protected:
    // The window, which must exist; a missing one is a fatal E_HANDLE.
    HWND PlatneOkno() const;

private:
    HWND okno_ = nullptr;
    bool vlastni_ = false;
};

} // namespace Vrbatec::WinApi
