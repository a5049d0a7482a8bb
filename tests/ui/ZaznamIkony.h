// The notification icon's platform for tests: every call to the shell is kept with the
// structure as the shell would have received it, chosen calls fail, and the keys held are set
// by the test.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "ui/IkonaOznameni.h"

namespace Vrbatec::Testy {

class ZaznamIkony final : public Ui::PlatformaIkony {
public:
    struct Volani {
        DWORD zprava;
        NOTIFYICONDATAW data;
    };

    BOOL OznamitShellu(DWORD zprava, NOTIFYICONDATAW& data) override {
        volani.push_back({zprava, data});
        if (selhava.count(zprava) != 0) {
            ::SetLastError(ERROR_TIMEOUT);
            return FALSE;
        }
        return TRUE;
    }
    bool KlavesaDrzena(int klavesa) override { return drzene.count(klavesa) != 0; }

    std::vector<DWORD> Zpravy() const {
        std::vector<DWORD> zpravy;
        for (const Volani& v : volani) {
            zpravy.push_back(v.zprava);
        }
        return zpravy;
    }

    std::vector<Volani> volani;
    std::set<DWORD> selhava;
    std::set<int> drzene;
};

} // namespace Vrbatec::Testy
