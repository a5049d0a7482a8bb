#include "playback/SpojeniStreamu.h"

#include "playback/ZruseniSpojeni.h"
#include "res/resource.h"

namespace Vrbatec::Stream {

std::vector<std::pair<std::string, std::string>> HlavickyPrehravace() {
    return {{"User-Agent", "Zvukolet/" ZV_VERZE_TEXT}, {"Icy-MetaData", "1"}};
}

std::unique_ptr<SpojeniStreamu> VytvoritSpojeni(const Adresa& adresa) {
    return adresa.schema == "https" ? VytvoritSpojeniWinHttp() : VytvoritSpojeniWinsock();
}

ZruseniSpojeni::ZruseniSpojeni() : udalost_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    if (!udalost_) {
        stav_ = HRESULT_FROM_WIN32(::GetLastError());
    }
}

void ZruseniSpojeni::Zrusit() noexcept {
    if (udalost_) {
        ::SetEvent(udalost_.Get());
    }
}

bool ZruseniSpojeni::Zruseno() const noexcept {
    return ::WaitForSingleObject(udalost_.Get(), 0) == WAIT_OBJECT_0;
}

HRESULT ZruseniSpojeni::Cekat(HANDLE udalost, ULONGLONG konec) const {
    const HANDLE udalosti[] = {udalost_.Get(), udalost};
    const ULONGLONG ted = ::GetTickCount64();
    const DWORD zbyva = ted >= konec ? 0 : static_cast<DWORD>(konec - ted);
    switch (::WaitForMultipleObjects(2, udalosti, FALSE, zbyva)) {
    case WAIT_OBJECT_0:
        return ChybaZruseno;
    case WAIT_OBJECT_0 + 1:
        return S_OK;
    case WAIT_TIMEOUT:
        return ChybaVyprselCas;
    default:
        return HRESULT_FROM_WIN32(::GetLastError());
    }
}

} // namespace Vrbatec::Stream
