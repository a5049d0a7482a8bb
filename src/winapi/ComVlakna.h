// COM on the calling thread for as long as the object lives: a worker thread that needs COM
// for a moment (a decoder, a device query) joins the multithreaded apartment, and leaves it
// again only when joining it succeeded. A thread that is already in an apartment of the other
// kind can use COM all the same.
#pragma once

#include <objbase.h>

namespace Vrbatec::WinApi {

class ComVlakna {
public:
    ComVlakna() : hr_(::CoInitializeEx(nullptr, COINIT_MULTITHREADED)) {}
    ~ComVlakna() {
        if (SUCCEEDED(hr_)) {
            ::CoUninitialize();
        }
    }
    ComVlakna(const ComVlakna&) = delete;
    ComVlakna& operator=(const ComVlakna&) = delete;

    // S_OK when COM can be used on this thread, else why not.
    HRESULT Vysledek() const { return hr_ == RPC_E_CHANGED_MODE ? S_OK : hr_; }
    bool Pouzitelne() const { return SUCCEEDED(Vysledek()); }

private:
    HRESULT hr_;
};

} // namespace Vrbatec::WinApi
