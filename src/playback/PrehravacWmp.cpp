#include "playback/PrehravacWmp.h"

#include <oleauto.h>
#include <wmp.h>
#include <wrl/client.h>

#include <optional>
#include <string>

#include "winapi/Diagnostika.h"
#include "config/UlozisteNastaveni.h"
#include "playback/HlidacOtevirani.h"
#include "playback/HostitelPrehravace.h"
#include "playback/ZakladniHodnotyPrehravace.h"

using Microsoft::WRL::ComPtr;

namespace Vrbatec {

namespace {

constexpr wchar_t kProgIdPrehravace[] = L"WMPlayer.OCX";

// A BSTR owned for the length of one call.
class Bstr {
public:
    Bstr() noexcept = default;
    explicit Bstr(const std::wstring& text)
        : b_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
        if (b_ == nullptr) {
            VyhoditHResult(E_OUTOFMEMORY);
        }
    }
    ~Bstr() { ::SysFreeString(b_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const noexcept { return b_; }
    BSTR* Adresa() noexcept {
        ::SysFreeString(b_);
        b_ = nullptr;
        return &b_;
    }
    std::wstring Text() const { return std::wstring(b_, ::SysStringLen(b_)); }

private:
    BSTR b_ = nullptr;
};

void OveritHResult(HRESULT hr) {
    if (FAILED(hr)) {
        VyhoditHResult(hr);
    }
}

// A getter's object that may be absent: none when the call fails or gives nothing.
template <class Rozhrani, class Vlastnik, class Getter>
ComPtr<Rozhrani> NepovinnyObjekt(Vlastnik* vlastnik, Getter getter) {
    ComPtr<Rozhrani> objekt;
    if (FAILED((vlastnik->*getter)(objekt.ReleaseAndGetAddressOf()))) {
        objekt.Reset();
    }
    return objekt;
}

class PrehravacWmp final : public Prehravac {
public:
    // Throws the HRESULT of a step the player cannot do without.
    PrehravacWmp(HINSTANCE instance, HWND rodic, PosluchacPrehravace& posluchac,
                 std::uint32_t sekundBufferu, std::uint32_t hlasitost)
        : hlidac_(posluchac), hostitel_(instance, rodic, kProgIdPrehravace) {
        OveritHResult(hostitel_.Dotaz(prehravac_));
        OveritHResult(prehravac_->get_controls(&ovladani_));
        if (!ovladani_) {
            VyhoditHResult(E_POINTER);
        }
        sit_ = NepovinnyObjekt<IWMPNetwork>(prehravac_.Get(), &IWMPPlayer4::get_network);
        if (sit_) {
            sit_->put_bufferingTime(DobaBufferuMs(sekundBufferu));
        }
        nastaveni_ = NepovinnyObjekt<IWMPSettings>(prehravac_.Get(), &IWMPPlayer4::get_settings);
        if (const auto pocatecni = HlasitostPriVytvoreni(hlasitost); nastaveni_ && pocatecni) {
            nastaveni_->put_volume(*pocatecni);
        }
        hostitel_.PripojitUdalosti(hlidac_);
        hostitel_.PresunoutNaPocatek();
        const Bstr bezRozhrani(L"none");
        prehravac_->put_uiMode(bezRozhrani.Get());
    }

    ~PrehravacWmp() override {
        // The events stop before the objects that could still raise them are released.
        hostitel_.OdpojitUdalosti();
        ovladani_.Reset();
        sit_.Reset();
        prehravac_.Reset();
        nastaveni_.Reset();
    }

    HRESULT Zastavit() override {
        hlidac_.VyzvednoutNeuspesnyStart();
        return ovladani_->stop();
    }

    HRESULT Prehrat() override {
        if (hlidac_.VyzvednoutNeuspesnyStart()) {
            ovladani_->stop();
        }
        return ovladani_->play();
    }

    HRESULT OtevritUrl(const std::wstring& url) override {
        const Bstr adresa(url);
        return hlidac_.Otevrit([&] { return prehravac_->put_URL(adresa.Get()); });
    }

    bool MaNastaveni() const override { return nastaveni_ != nullptr; }

    HRESULT NastavitHlasitost(std::int32_t hlasitost) override {
        return nastaveni_ ? nastaveni_->put_volume(hlasitost) : E_POINTER;
    }

    HRESULT Ztlumeno(bool& ztlumeno) const override {
        if (!nastaveni_) {
            return E_POINTER;
        }
        VARIANT_BOOL hodnota = VARIANT_FALSE;
        const HRESULT hr = nastaveni_->get_mute(&hodnota);
        if (SUCCEEDED(hr)) {
            ztlumeno = hodnota != VARIANT_FALSE;
        }
        return hr;
    }

    HRESULT NastavitZtlumeni(bool ztlumit) override {
        return nastaveni_ ? nastaveni_->put_mute(ztlumit ? VARIANT_TRUE : VARIANT_FALSE)
                          : E_POINTER;
    }

    bool MaSit() const override { return sit_ != nullptr; }

    HRESULT NastavitDobuBufferu(std::int32_t milisekund) override {
        return sit_ ? sit_->put_bufferingTime(milisekund) : E_POINTER;
    }

    HRESULT InformaceMedia(const std::wstring& atribut, std::wstring& hodnota) const override {
        ComPtr<IWMPMedia> media;
        HRESULT hr = AktualniMedia(media);
        if (FAILED(hr)) {
            return hr;
        }
        const Bstr nazevAtributu(atribut);
        Bstr vysledek;
        hr = media->getItemInfo(nazevAtributu.Get(), vysledek.Adresa());
        if (SUCCEEDED(hr)) {
            hodnota = vysledek.Text();
        }
        return hr;
    }

    HRESULT NazevMedia(std::wstring& nazev) const override {
        ComPtr<IWMPMedia> media;
        HRESULT hr = AktualniMedia(media);
        if (FAILED(hr)) {
            return hr;
        }
        Bstr vysledek;
        hr = media->get_name(vysledek.Adresa());
        if (SUCCEEDED(hr)) {
            nazev = vysledek.Text();
        }
        return hr;
    }

private:
    HRESULT AktualniMedia(ComPtr<IWMPMedia>& media) const {
        const HRESULT hr = prehravac_->get_currentMedia(&media);
        if (FAILED(hr)) {
            return hr;
        }
        return media ? S_OK : E_POINTER;
    }

    // Declared first: the host's event connection refers to it until the host is gone.
    HlidacOtevirani hlidac_;
    HostitelPrehravace hostitel_;
    ComPtr<IWMPPlayer4> prehravac_;
    ComPtr<IWMPControls> ovladani_;
    ComPtr<IWMPNetwork> sit_;
    ComPtr<IWMPSettings> nastaveni_;
};

} // namespace

std::unique_ptr<Prehravac> VytvoritPrehravacWmp(HINSTANCE instance, HWND rodic,
                                                PosluchacPrehravace& posluchac) {
    const Nastaveni& nastaveni = NastaveniAplikace();
    try {
        return std::make_unique<PrehravacWmp>(instance, rodic, posluchac, nastaveni.sekundBufferu,
                                              nastaveni.hlasitost);
    } catch (HRESULT hr) {
        FatalniHResult(hr);
    }
}

} // namespace Vrbatec
