#include "recording/GrafAsf.h"

#include <uuids.h>

#include "recording/KonfiguraceAsf.h"
#include "recording/SeznamZarizeni.h"

namespace Vrbatec {

GrafAsf::~GrafAsf() {
    Zastavit();
}

HRESULT GrafAsf::PridatZarizeni(const ZarizeniZaznamu& zarizeni) {
    Zastavit();
    HRESULT hr = ::CoCreateInstance(CLSID_CaptureGraphBuilder2, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(&stavitel_));
    if (FAILED(hr)) {
        return hr;
    }
    hr = ::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_ALL, IID_PPV_ARGS(&graf_));
    if (FAILED(hr)) {
        stavitel_.Reset();
        return hr;
    }
    hr = stavitel_->SetFiltergraph(graf_.Get());
    if (FAILED(hr)) {
        return hr;
    }
    // A device that is not there is reported as such rather than as the null filter the graph
    // would refuse.
    hr = NajitFiltrZachytu(zarizeni, filtr_);
    if (FAILED(hr)) {
        return hr;
    }
    hr = graf_->AddFilter(filtr_.Get(), L"Capture");
    if (FAILED(hr)) {
        return hr;
    }
    return graf_.As(&rizeni_);
}

HRESULT GrafAsf::NastavitVystup(const std::wstring& soubor, const Guid& profil) {
    if (!stavitel_) {
        return E_UNEXPECTED;
    }
    profil_.Reset();
    HRESULT hr = spravce_.Vytvorit();
    if (FAILED(hr)) {
        return hr;
    }
    // Before the writer, which creates the file: a profile that cannot be loaded leaves none.
    hr = spravce_.Nacist(profil, profil_);
    if (FAILED(hr)) {
        return hr;
    }
    hr = stavitel_->SetOutputFileName(&MEDIASUBTYPE_Asf, soubor.c_str(), &zapisovac_, nullptr);
    if (FAILED(hr)) {
        return hr;
    }
    if (!zapisovac_) {
        return E_FAIL;
    }
    Microsoft::WRL::ComPtr<IConfigAsfWriter> konfigurace;
    hr = zapisovac_.As(&konfigurace);
    if (FAILED(hr)) {
        return hr;
    }
    return konfigurace->ConfigureFilterUsingProfile(profil_.Get());
}

HRESULT GrafAsf::Spustit() {
    if (!stavitel_ || !rizeni_ || !zapisovac_) {
        return E_UNEXPECTED;
    }
    const HRESULT hr = stavitel_->RenderStream(&PIN_CATEGORY_CAPTURE, &MEDIATYPE_Audio,
                                               filtr_.Get(), nullptr, zapisovac_.Get());
    if (FAILED(hr)) {
        return hr;
    }
    return rizeni_->Run();
}

void GrafAsf::Zastavit() {
    // Each step is done whatever the one before gave: there is nothing left to report to.
    if (rizeni_) {
        rizeni_->StopWhenReady();
    }
    if (graf_ && zapisovac_) {
        graf_->RemoveFilter(zapisovac_.Get());
    }
    zapisovac_.Reset();
    if (graf_ && filtr_) {
        graf_->RemoveFilter(filtr_.Get());
    }
    filtr_.Reset();
    rizeni_.Reset();
    graf_.Reset();
    stavitel_.Reset();
    profil_.Reset();
}

} // namespace Vrbatec
