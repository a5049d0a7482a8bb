#include "recording/SpravceProfilu.h"

#include <cstring>
#include <span>

#include "winapi/Diagnostika.h"

namespace Vrbatec {

namespace {

using VytvoritSpravceFn = HRESULT(WINAPI*)(IWMProfileManager**);

GUID NaGuid(const Guid& id) {
    GUID guid{id.data1, id.data2, id.data3, {}};
    std::memcpy(guid.Data4, id.data4.data(), sizeof(guid.Data4));
    return guid;
}

// WMCreateProfileManager from wmvcore.dll in the system folder (MinGW has no import library
// for it); the library stays loaded.
HRESULT NajitVytvoreniSpravce(VytvoritSpravceFn& funkce) {
    HMODULE knihovna = ::LoadLibraryExW(L"wmvcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (knihovna == nullptr) {
        return HResultPosledniChyby();
    }
    funkce = reinterpret_cast<VytvoritSpravceFn>(
        reinterpret_cast<void*>(::GetProcAddress(knihovna, "WMCreateProfileManager")));
    return funkce ? S_OK : HResultPosledniChyby();
}

} // namespace

HRESULT SpravceProfilu::Vytvorit() {
    if (spravce_) {
        return S_FALSE;
    }
    VytvoritSpravceFn vytvorit = nullptr;
    HRESULT hr = NajitVytvoreniSpravce(vytvorit);
    if (SUCCEEDED(hr)) {
        hr = vytvorit(spravce_.ReleaseAndGetAddressOf());
        if (SUCCEEDED(hr) && !spravce_) {
            hr = E_FAIL;
        }
    }
    chybaVytvoreni_ = FAILED(hr) ? hr : S_OK;
    if (FAILED(hr)) {
        spravce_.Reset();
    }
    return hr;
}

HRESULT SpravceProfilu::Nacist(const Guid& id, Microsoft::WRL::ComPtr<IWMProfile>& profil) const {
    profil.Reset();
    if (!spravce_) {
        return chybaVytvoreni_;
    }
    const HRESULT hr = spravce_->LoadProfileByID(NaGuid(id), &profil);
    if (SUCCEEDED(hr) && !profil) {
        return E_FAIL;
    }
    return hr;
}

std::wstring SpravceProfilu::Nazev(const Guid& id) const {
    Microsoft::WRL::ComPtr<IWMProfile> profil;
    if (FAILED(Nacist(id, profil))) {
        return {};
    }
    DWORD delka = 0;
    if (FAILED(profil->GetName(nullptr, &delka)) || delka == 0) {
        return {};
    }
    std::wstring nazev(delka, L'\0');
    if (FAILED(profil->GetName(nazev.data(), &delka))) {
        return {};
    }
    nazev.resize(std::wcslen(nazev.c_str())); // the length counted the terminator
    return nazev;
}

HRESULT NaplnitKomboProfilu(WinApi::ComboBox& combo, const SpravceProfilu& spravce,
                            const Guid& zvoleny) {
    combo.Vyprazdnit();
    int vybrat = -1;
    const std::span<const ProfilyZaznamu::Profil> nabizene = ProfilyZaznamu::Nabizene();
    for (std::size_t i = 0; i < nabizene.size(); ++i) {
        const ProfilyZaznamu::Profil& profil = nabizene[i];
        const std::wstring nazev = profil.vlastniNazev.empty() ? spravce.Nazev(profil.id)
                                                               : std::wstring(profil.vlastniNazev);
        if (nazev.empty()) {
            continue;
        }
        int polozka = 0;
        if (const HRESULT hr = combo.PridatPolozku(nazev, static_cast<LPARAM>(i), &polozka);
            FAILED(hr)) {
            combo.Vybrat(vybrat);
            return hr;
        }
        if (profil.id == zvoleny) {
            vybrat = polozka;
        }
    }
    combo.Vybrat(vybrat);
    return S_OK;
}

const ProfilyZaznamu::Profil* VybranyProfil(const WinApi::ComboBox& combo) {
    const int vyber = combo.Vyber();
    if (vyber < 0) {
        return nullptr;
    }
    const LPARAM index = combo.DataPolozky(vyber);
    const std::span<const ProfilyZaznamu::Profil> nabizene = ProfilyZaznamu::Nabizene();
    if (index < 0 || static_cast<std::size_t>(index) >= nabizene.size()) {
        return nullptr;
    }
    return &nabizene[static_cast<std::size_t>(index)];
}

} // namespace Vrbatec
