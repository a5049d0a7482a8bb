#include "recording/SeznamZarizeni.h"

#include <oaidl.h>
#include <uuids.h>

#include <optional>
#include <utility>

#include "config/UlozisteNastaveni.h"
#include "recording/PravidlaZarizeni.h"

namespace Vrbatec {

namespace {

using Microsoft::WRL::ComPtr;

// A string property of the device; nothing when it is missing or not a string.
std::optional<std::wstring> CistRetezec(IPropertyBag& vlastnosti, const wchar_t* nazev) {
    VARIANT hodnota;
    ::VariantInit(&hodnota);
    std::optional<std::wstring> text;
    if (SUCCEEDED(vlastnosti.Read(nazev, &hodnota, nullptr)) && hodnota.vt == VT_BSTR) {
        text.emplace(hodnota.bstrVal ? hodnota.bstrVal : L"");
    }
    ::VariantClear(&hodnota);
    return text;
}

// The monikers of the audio input category; none (with S_FALSE) when the system lists no
// device.
HRESULT VytvoritVycet(DWORD servery, ComPtr<IEnumMoniker>& vycet) {
    ComPtr<ICreateDevEnum> systemovy;
    HRESULT hr =
        ::CoCreateInstance(CLSID_SystemDeviceEnum, nullptr, servery, IID_PPV_ARGS(&systemovy));
    if (FAILED(hr)) {
        return hr;
    }
    if (!systemovy) {
        return E_FAIL;
    }
    hr = systemovy->CreateClassEnumerator(CLSID_AudioInputDeviceCategory, &vycet, 0);
    if (FAILED(hr)) {
        return hr;
    }
    return vycet ? S_OK : S_FALSE;
}

HRESULT OtevritVlastnosti(IMoniker& moniker, ComPtr<IPropertyBag>& vlastnosti) {
    const HRESULT hr = moniker.BindToStorage(nullptr, nullptr, IID_PPV_ARGS(&vlastnosti));
    if (FAILED(hr)) {
        return hr;
    }
    return vlastnosti ? S_OK : E_FAIL;
}

ZarizeniZaznamu Zaznam(IPropertyBag& vlastnosti, std::wstring nazev) {
    return {std::move(nazev), CistRetezec(vlastnosti, L"Description").value_or(L""),
            CistRetezec(vlastnosti, L"DevicePath").value_or(L"")};
}

} // namespace

std::vector<ZarizeniZaznamu>& SeznamZarizeni() {
    static std::vector<ZarizeniZaznamu> seznam;
    return seznam;
}

HRESULT VyjmenovatZarizeni() {
    std::vector<ZarizeniZaznamu>& seznam = SeznamZarizeni();
    seznam.clear();

    ComPtr<IEnumMoniker> vycet;
    const HRESULT hr = VytvoritVycet(CLSCTX_INPROC_SERVER, vycet);
    if (hr != S_OK) {
        return hr;
    }
    ComPtr<IMoniker> moniker;
    while (vycet->Next(1, moniker.ReleaseAndGetAddressOf(), nullptr) == S_OK && moniker) {
        ComPtr<IPropertyBag> vlastnosti;
        if (const HRESULT otevreni = OtevritVlastnosti(*moniker.Get(), vlastnosti);
            FAILED(otevreni)) {
            return otevreni;
        }
        if (auto nazev = CistRetezec(*vlastnosti.Get(), L"FriendlyName")) {
            seznam.push_back(Zaznam(*vlastnosti.Get(), std::move(*nazev)));
        }
    }
    SeraditAOcislovat(seznam);
    return seznam.empty() ? S_FALSE : S_OK;
}

void ZajistitVychoziZarizeni(UlozisteNastaveni& uloziste) {
    if (uloziste.ZarizeniDoplneno()) {
        return;
    }
    VyjmenovatZarizeni();
    const std::vector<ZarizeniZaznamu>& seznam = SeznamZarizeni();
    if (seznam.empty()) {
        uloziste.DoplnitZarizeni(std::nullopt);
        return;
    }
    const ZarizeniZaznamu& prvni = seznam.front();
    uloziste.DoplnitZarizeni(VychoziZarizeni{prvni.nazev, prvni.popis, prvni.cesta});
}

HRESULT NajitFiltrZachytu(const std::wstring& nazev, ComPtr<IBaseFilter>& filtr) {
    return NajitFiltrZachytu(ZarizeniZaznamu{nazev, {}, {}}, filtr);
}

HRESULT NajitFiltrZachytu(const ZarizeniZaznamu& zarizeni, ComPtr<IBaseFilter>& filtr) {
    if (filtr) {
        return S_FALSE;
    }
    if (zarizeni.nazev.empty()) {
        return E_INVALIDARG;
    }
    ComPtr<IEnumMoniker> vycet;
    const HRESULT hr = VytvoritVycet(CLSCTX_ALL, vycet);
    if (FAILED(hr)) {
        return hr;
    }
    constexpr HRESULT kNenalezeno = HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
    if (!vycet) {
        return kNenalezeno;
    }

    // Every device that tells its name, in the system's order; the choice needs them all
    // when the name carries a number.
    std::vector<ZarizeniZaznamu> vlastni;
    std::vector<ComPtr<IMoniker>> monikery;
    vycet->Reset();
    ComPtr<IMoniker> moniker;
    while (vycet->Next(1, moniker.ReleaseAndGetAddressOf(), nullptr) == S_OK && moniker) {
        ComPtr<IPropertyBag> vlastnosti;
        if (FAILED(OtevritVlastnosti(*moniker.Get(), vlastnosti))) {
            continue;
        }
        if (auto nazev = CistRetezec(*vlastnosti.Get(), L"FriendlyName")) {
            vlastni.push_back(Zaznam(*vlastnosti.Get(), std::move(*nazev)));
            monikery.push_back(moniker);
        }
    }
    const std::optional<std::size_t> zvolene = VybratZarizeni(vlastni, zarizeni);
    if (!zvolene) {
        return kNenalezeno;
    }
    return monikery[*zvolene]->BindToObject(nullptr, nullptr, IID_PPV_ARGS(&filtr));
}

} // namespace Vrbatec
