#include "winapi/Multimedia.h"

namespace Vrbatec {

HRESULT HResultZMm(MMRESULT vysledek) {
    switch (vysledek) {
    case MMSYSERR_NOERROR:
        return S_OK;
    case MMSYSERR_BADDEVICEID:
    case MMSYSERR_NODRIVER:
        return HRESULT_FROM_WIN32(ERROR_DEVICE_NOT_CONNECTED);
    case MMSYSERR_ALLOCATED:
        return HRESULT_FROM_WIN32(ERROR_BUSY);
    case WAVERR_BADFORMAT:
    case MMSYSERR_NOTSUPPORTED:
    case ACMERR_NOTPOSSIBLE:
        return HRESULT_FROM_WIN32(ERROR_NOT_SUPPORTED);
    case MMSYSERR_NOMEM:
        return E_OUTOFMEMORY;
    case MMSYSERR_INVALPARAM:
        return E_INVALIDARG;
    default:
        return E_FAIL;
    }
}

} // namespace Vrbatec
