// A player for tests: writes every call into one log, answers as the test tells it, and
// fires play states at whoever listens, as the control would.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "playback/Prehravac.h"

namespace Vrbatec::Testy {

class SkriptovanyPrehravac final : public Prehravac {
public:
    struct Skript {
        bool maNastaveni = true;
        bool maSit = true;
        // What get_mute answers; the control here cannot say (E_NOTIMPL) under some hosts.
        HRESULT cteniZtlumeni = S_OK;
        // The "Bitrate" attribute of the open media, or the failure to give it.
        HRESULT informaceMedia = S_OK;
        std::wstring bitovaRychlost;
        // Thrown by stop, as a host that lost its control would.
        HRESULT vyjimkaPriZastaveni = S_OK;
        // Fired while stopping, as the control reports "stopped" from inside stop.
        bool stavPriZastaveni = false;
    };

    SkriptovanyPrehravac(PosluchacPrehravace& posluchac, Skript skript)
        : posluchac_(posluchac), skript_(std::move(skript)) {}

    void Oznamit(std::int32_t stav) { posluchac_.PriZmeneStavu(stav); }

    HRESULT Zastavit() override {
        if (FAILED(skript_.vyjimkaPriZastaveni)) {
            throw skript_.vyjimkaPriZastaveni;
        }
        volani.push_back(L"stop");
        if (skript_.stavPriZastaveni) {
            Oznamit(1);
        }
        return S_OK;
    }
    HRESULT Prehrat() override {
        volani.push_back(L"play");
        return S_OK;
    }
    HRESULT OtevritUrl(const std::wstring& url) override {
        volani.push_back(L"url " + url);
        return S_OK;
    }
    bool MaNastaveni() const override { return skript_.maNastaveni; }
    HRESULT NastavitHlasitost(std::int32_t hlasitost) override {
        volani.push_back(L"volume " + std::to_wstring(hlasitost));
        return skript_.maNastaveni ? S_OK : E_POINTER;
    }
    HRESULT Ztlumeno(bool& ztlumeno) const override {
        if (!skript_.maNastaveni) {
            return E_POINTER;
        }
        if (FAILED(skript_.cteniZtlumeni)) {
            return skript_.cteniZtlumeni;
        }
        ztlumeno = ztlumeno_;
        return S_OK;
    }
    HRESULT NastavitZtlumeni(bool ztlumit) override {
        volani.push_back(ztlumit ? L"mute on" : L"mute off");
        ztlumeno_ = ztlumit;
        return S_OK;
    }
    bool MaSit() const override { return skript_.maSit; }
    HRESULT NastavitDobuBufferu(std::int32_t milisekund) override {
        volani.push_back(L"buffer " + std::to_wstring(milisekund));
        return skript_.maSit ? S_OK : E_POINTER;
    }
    HRESULT InformaceMedia(const std::wstring& atribut, std::wstring& hodnota) const override {
        if (atribut != L"Bitrate" || FAILED(skript_.informaceMedia)) {
            return FAILED(skript_.informaceMedia) ? skript_.informaceMedia : E_INVALIDARG;
        }
        hodnota = skript_.bitovaRychlost;
        return S_OK;
    }
    HRESULT NazevMedia(std::wstring& nazev) const override {
        nazev = L"media";
        return S_OK;
    }

    std::vector<std::wstring> volani;

private:
    PosluchacPrehravace& posluchac_;
    Skript skript_;
    bool ztlumeno_ = false;
};

} // namespace Vrbatec::Testy
