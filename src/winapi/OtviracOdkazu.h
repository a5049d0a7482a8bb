// Opening link targets (web pages, mailto: addresses, files) with the shell.
//
// Every link of the program is opened through the one opener here, so that tests can put a
// recording opener in its place and see what would be opened, without a browser or mail
// program being started.
#pragma once

#include <windows.h>

#include <string>

namespace Vrbatec::WinApi {

class OtviracOdkazu {
public:
    // ShellExecuteW's result: greater than 32 when the shell took the target; otherwise the
    // last error says why not.
    virtual INT_PTR Otevrit(const std::wstring& cil, int zobrazeni) = 0;

protected:
    ~OtviracOdkazu() = default;
};

OtviracOdkazu& Otvirac();
// Replaces the opener for tests; null restores the shell. Returns the previous one.
OtviracOdkazu* NastavitOtvirac(OtviracOdkazu* otvirac);

// Opens the target with the verb "open"; false (with the last error set) when it failed.
bool OtevritOdkaz(const std::wstring& cil, int zobrazeni);

} // namespace Vrbatec::WinApi
