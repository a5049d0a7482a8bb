#include "playback/PripojeniUdalosti.h"

#include "winapi/Diagnostika.h"
#include "winapi/HraniceVyjimek.h"

using Microsoft::WRL::ComPtr;

namespace Vrbatec {

class PrijemceUdalosti final : private IDispatch {
public:
    PrijemceUdalosti(REFIID zdroj, PosluchacPrehravace& posluchac) noexcept
        : zdroj_(zdroj), posluchac_(&posluchac) {}

    void Odpojit() noexcept { posluchac_ = nullptr; }
    IUnknown* Rozhrani() noexcept { return static_cast<IDispatch*>(this); }

    STDMETHODIMP QueryInterface(REFIID iid, void** objekt) override {
        if (objekt == nullptr) {
            return E_POINTER;
        }
        // The connection point may ask for the source interface itself before it accepts us.
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == zdroj_) {
            *objekt = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *objekt = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override {
        return static_cast<ULONG>(::InterlockedIncrement(&pocetOdkazu_));
    }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG zbyva = ::InterlockedDecrement(&pocetOdkazu_);
        if (zbyva == 0) {
            delete this;
        }
        return static_cast<ULONG>(zbyva);
    }

    STDMETHODIMP GetTypeInfoCount(UINT* pocet) override {
        if (pocet == nullptr) {
            return E_POINTER;
        }
        *pocet = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info != nullptr) {
            *info = nullptr;
        }
        return E_NOTIMPL;
    }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* argumenty, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        std::int32_t stav = 0;
        if (id == kDispIdZmenaStavu && posluchac_ != nullptr && StavZArgumentu(argumenty, stav)) {
            WinApi::BezVyjimek([&] { posluchac_->PriZmeneStavu(stav); });
        }
        return S_OK;
    }

private:
    ~PrijemceUdalosti() = default;

    LONG pocetOdkazu_ = 0;
    IID zdroj_;
    PosluchacPrehravace* posluchac_;
};

namespace {

IID VychoziZdrojUdalosti(IUnknown* prvek) {
    ComPtr<IProvideClassInfo2> info;
    HRESULT hr = prvek->QueryInterface(IID_PPV_ARGS(&info));
    if (FAILED(hr)) {
        VyhoditHResult(hr);
    }
    IID zdroj{};
    hr = info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &zdroj);
    if (FAILED(hr)) {
        VyhoditHResult(hr);
    }
    return zdroj;
}

} // namespace

bool StavZArgumentu(const DISPPARAMS* argumenty, std::int32_t& stav) {
    if (argumenty == nullptr || argumenty->cArgs != 1 || argumenty->rgvarg == nullptr) {
        return false;
    }
    const VARIANT& hodnota = argumenty->rgvarg[0];
    switch (hodnota.vt) {
    case VT_I4:
        stav = hodnota.lVal;
        return true;
    case VT_UI4:
        stav = static_cast<std::int32_t>(hodnota.ulVal);
        return true;
    default:
        return false;
    }
}

PripojeniUdalosti::PripojeniUdalosti(IUnknown* prvek, PosluchacPrehravace& posluchac) {
    const IID zdroj = VychoziZdrojUdalosti(prvek);
    ComPtr<IConnectionPointContainer> kontejner;
    HRESULT hr = prvek->QueryInterface(IID_PPV_ARGS(&kontejner));
    if (FAILED(hr)) {
        VyhoditHResult(hr);
    }
    hr = kontejner->FindConnectionPoint(zdroj, &bod_);
    if (FAILED(hr)) {
        VyhoditHResult(hr);
    }
    prijemce_ = new PrijemceUdalosti(zdroj, posluchac);
    hr = bod_->Advise(prijemce_->Rozhrani(), &cookie_);
    if (FAILED(hr)) {
        VyhoditHResult(hr);
    }
}

PripojeniUdalosti::~PripojeniUdalosti() {
    prijemce_->Odpojit();
    // A failed disconnect leaves only a sink that no longer reaches the listener.
    bod_->Unadvise(cookie_);
}

} // namespace Vrbatec
