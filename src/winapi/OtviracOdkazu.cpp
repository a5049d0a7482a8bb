#include "winapi/OtviracOdkazu.h"

#include <shellapi.h>

#include <atomic>

namespace Vrbatec::WinApi {

namespace {

class Shell final : public OtviracOdkazu {
public:
    INT_PTR Otevrit(const std::wstring& cil, int zobrazeni) override {
        return reinterpret_cast<INT_PTR>(
            ::ShellExecuteW(nullptr, L"open", cil.c_str(), nullptr, nullptr, zobrazeni));
    }
};

Shell g_shell;
std::atomic<OtviracOdkazu*> g_otvirac{nullptr};

} // namespace

OtviracOdkazu& Otvirac() {
    OtviracOdkazu* otvirac = g_otvirac.load();
    return otvirac != nullptr ? *otvirac : g_shell;
}

OtviracOdkazu* NastavitOtvirac(OtviracOdkazu* otvirac) {
    return g_otvirac.exchange(otvirac);
}

bool OtevritOdkaz(const std::wstring& cil, int zobrazeni) {
    // Values up to 32 are the shell's error codes, kept only for compatibility.
    return Otvirac().Otevrit(cil, zobrazeni) > 32;
}

} // namespace Vrbatec::WinApi
