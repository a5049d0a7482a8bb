// The listener's connection to the hosted control's events. The control calls an IDispatch
// sink on the user-interface thread; the sink hands PlayStateChange (dispatch id 5101) to the
// PosluchacPrehravace and answers every other event with S_OK, so the control never sees a
// failure for an event nobody listens to.
//
// The connection lasts as long as the object: the destructor disconnects the sink and cuts it
// off from the listener, so an event the control still delivers later reaches nobody.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>

#include "playback/Prehravac.h"

namespace Vrbatec {

inline constexpr DISPID kDispIdZmenaStavu = 5101;

class PrijemceUdalosti;

class PripojeniUdalosti {
public:
    // Connects to the control's default source interface. Throws the HRESULT of a failure.
    PripojeniUdalosti(IUnknown* prvek, PosluchacPrehravace& posluchac);
    ~PripojeniUdalosti();
    PripojeniUdalosti(const PripojeniUdalosti&) = delete;
    PripojeniUdalosti& operator=(const PripojeniUdalosti&) = delete;

private:
    Microsoft::WRL::ComPtr<PrijemceUdalosti> prijemce_;
    Microsoft::WRL::ComPtr<IConnectionPoint> bod_;
    DWORD cookie_ = 0;
};

// What an event's arguments carry as the new play state: the one argument as a 32-bit
// integer, signed or not. False for anything else.
bool StavZArgumentu(const DISPPARAMS* argumenty, std::int32_t& stav);

} // namespace Vrbatec
