// The module interface: how toolkit and diagnostics code reach the application's name and
// its message and fatal-error services without knowing the application class.
#pragma once

#include <windows.h>

#include <string>

namespace Vrbatec {

class IVrbatecModul {
public:
    // The product name, the title of every message box.
    virtual std::wstring NazevAplikace() = 0;
    // Reports a fatal error and ends the process. Returns only to refuse (E_NOTIMPL).
    virtual HRESULT VyznamnaChyba(const std::wstring& text) = 0;
    // Task-modal message box titled with the product name; returns 0 or E_NOTIMPL.
    virtual HRESULT ZobrazitZpravu(const std::wstring& text, UINT typ) = 0;

protected:
    ~IVrbatecModul() = default;
};

// Published once during start-up and never cleared; null before that.
void PublikovatModul(IVrbatecModul* modul);
IVrbatecModul* Modul();

} // namespace Vrbatec
