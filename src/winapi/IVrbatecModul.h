// The module interface: how the toolkit, the diagnostics and the dialogs of every subsystem
// reach the application's name, instance and icons and its message, fatal-error and
// link-opening services without knowing the application class.
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
    // The executable's instance, which holds the dialog templates and the string table.
    virtual HINSTANCE Instance() const = 0;
    // The application's icons, for the title bars of its dialogs.
    virtual HICON IkonaVelka() const = 0;
    virtual HICON IkonaMala() const = 0;
    // Opens a URL or file with the shell; a failure is shown to the user.
    virtual void OtevritUrl(const std::wstring& cil) = 0;

protected:
    ~IVrbatecModul() = default;
};

// Published once during start-up and never cleared; null before that.
void PublikovatModul(IVrbatecModul* modul);
IVrbatecModul* Modul();
// The published module for code that runs only once the program has started (its windows
// and commands); without one the program is broken and ends through the fatal path.
IVrbatecModul& ZverejnenyModul();

} // namespace Vrbatec
