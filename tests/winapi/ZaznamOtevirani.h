// An opener of links for tests: records what would be opened and how, and fails with a
// chosen system error when told to, as the shell does without a program for the target.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "winapi/OtviracOdkazu.h"

namespace Vrbatec::Testy {

class ZaznamOtevirani final : public WinApi::OtviracOdkazu {
public:
    struct Otevreni {
        std::wstring cil;
        int zobrazeni;
    };

    ZaznamOtevirani() : predchozi_(WinApi::NastavitOtvirac(this)) {}
    ~ZaznamOtevirani() { WinApi::NastavitOtvirac(predchozi_); }
    ZaznamOtevirani(const ZaznamOtevirani&) = delete;
    ZaznamOtevirani& operator=(const ZaznamOtevirani&) = delete;

    INT_PTR Otevrit(const std::wstring& cil, int zobrazeni) override {
        otevreni.push_back({cil, zobrazeni});
        if (chyba == 0) {
            return 42;
        }
        ::SetLastError(chyba);
        return SE_ERR_NOASSOC;
    }

    DWORD chyba = 0;
    std::vector<Otevreni> otevreni;

private:
    WinApi::OtviracOdkazu* predchozi_;
};

} // namespace Vrbatec::Testy
