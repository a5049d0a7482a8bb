// The cancel of a connection: set from any thread, and waited on together with the event that
// says the network has done its part, so a wait ends with whichever comes first.
#pragma once

#include <windows.h>

#include "winapi/Handle.h"

namespace Vrbatec::Stream {

class ZruseniSpojeni {
public:
    ZruseniSpojeni();

    // Whether the event could be made; a connection without it refuses to open.
    HRESULT Stav() const noexcept { return stav_; }
    void Zrusit() noexcept;
    bool Zruseno() const noexcept;

    // Until `udalost` is set (S_OK), the cancel (ChybaZruseno) or the tick count `konec`
    // (ChybaVyprselCas).
    HRESULT Cekat(HANDLE udalost, ULONGLONG konec) const;

private:
    WinApi::UniqueHandle udalost_;
    HRESULT stav_ = S_OK;
};

} // namespace Vrbatec::Stream
