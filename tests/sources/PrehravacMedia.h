// A player that knows only its current media, scripted by the test: the attributes it
// answers, and whether anything is open at all. Everything else is not implemented.
#pragma once

#include <map>
#include <string>

#include "playback/Prehravac.h"

namespace Vrbatec::Testy {

class PrehravacMedia final : public Prehravac {
public:
    HRESULT Zastavit() override { return E_NOTIMPL; }
    HRESULT Prehrat() override { return E_NOTIMPL; }
    HRESULT OtevritUrl(const std::wstring&) override { return E_NOTIMPL; }
    bool MaNastaveni() const override { return false; }
    HRESULT NastavitHlasitost(std::int32_t) override { return E_NOTIMPL; }
    HRESULT Ztlumeno(bool&) const override { return E_NOTIMPL; }
    HRESULT NastavitZtlumeni(bool) override { return E_NOTIMPL; }
    bool MaSit() const override { return false; }
    HRESULT NastavitDobuBufferu(std::int32_t) override { return E_NOTIMPL; }

    HRESULT InformaceMedia(const std::wstring& atribut, std::wstring& hodnota) const override {
        const auto polozka = atributy.find(atribut);
        if (!otevreno || polozka == atributy.end()) {
            return E_FAIL;
        }
        hodnota = polozka->second;
        return S_OK;
    }
    HRESULT NazevMedia(std::wstring& nazev) const override {
        nazev = L"stream";
        return otevreno ? S_OK : E_POINTER;
    }

    bool otevreno = true;
    std::map<std::wstring, std::wstring> atributy;
};

} // namespace Vrbatec::Testy
