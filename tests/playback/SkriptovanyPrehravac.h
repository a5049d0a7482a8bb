// A player for tests: logs every call, answers as its script says, and fires play states at
// its listener as the control would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "playback/Prehravac.h"

namespace Vrbatec::Testy {

class SkriptovanyPrehravac final : public Prehravac {
public:
    struct Skript {
        HRESULT cteniZtlumeni = S_OK; // some hosts cannot say (E_NOTIMPL)
        std::wstring bitovaRychlost;
        HRESULT vyjimkaPriZastaveni = S_OK;
        std::wstring titul;
        std::wstring duvodSelhani;
    };

    SkriptovanyPrehravac(PosluchacPrehravace& posluchac, Skript s)
        : skript(std::move(s)), posluchac_(posluchac) {}

    void Oznamit(std::int32_t stav) { posluchac_.PriZmeneStavu(stav); }
    PosluchacPrehravace& Posluchac() { return posluchac_; }

    HRESULT Zastavit() override {
        if (FAILED(skript.vyjimkaPriZastaveni)) {
            throw skript.vyjimkaPriZastaveni;
        }
        return Zapsat(L"stop");
    }
    HRESULT Prehrat() override { return Zapsat(L"play"); }
    HRESULT OtevritUrl(const std::wstring& url) override { return Zapsat(L"url " + url); }
    bool MaNastaveni() const override { return true; }
    HRESULT NastavitHlasitost(std::int32_t h) override { return Zapsat(L"volume ", h); }
    HRESULT Ztlumeno(bool& ztlumeno) const override {
        if (SUCCEEDED(skript.cteniZtlumeni)) {
            ztlumeno = ztlumeno_;
        }
        return skript.cteniZtlumeni;
    }
    HRESULT NastavitZtlumeni(bool ztlumit) override {
        ztlumeno_ = ztlumit;
        return Zapsat(ztlumit ? L"mute on" : L"mute off");
    }
    bool MaSit() const override { return true; }
    HRESULT NastavitDobuBufferu(std::int32_t ms) override { return Zapsat(L"buffer ", ms); }
    HRESULT InformaceMedia(const std::wstring& atribut, std::wstring& hodnota) const override {
        hodnota = atribut == L"Title" ? skript.titul : skript.bitovaRychlost;
        return (atribut == L"Bitrate" || atribut == L"Title") && !hodnota.empty() ? S_OK : E_FAIL;
    }
    HRESULT NazevMedia(std::wstring&) const override { return E_NOTIMPL; }
    std::wstring DuvodSelhani() const override { return skript.duvodSelhani; }

    std::vector<std::wstring> volani;
    Skript skript;

private:
    HRESULT Zapsat(std::wstring co, std::optional<std::int32_t> cislo = std::nullopt) {
        volani.push_back(cislo ? co + std::to_wstring(*cislo) : std::move(co));
        return S_OK;
    }

    PosluchacPrehravace& posluchac_;
    bool ztlumeno_ = false;
};

} // namespace Vrbatec::Testy
