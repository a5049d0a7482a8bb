#include "playback/PrehravacSmerovany.h"

#include <optional>
#include <utility>

#include "playback/VolbaPrehravace.h"

namespace Vrbatec {

namespace {

class PrehravacSmerovany final : public Prehravac {
public:
    PrehravacSmerovany(TovarnyPrehravace tovarny, PosluchacPrehravace& posluchac)
        : tovarny_(std::move(tovarny)), posluchac_(posluchac),
          ovladac_(tovarny_.ovladac(vstupOvladace_)) {}

    HRESULT Zastavit() override { return Aktivni().Zastavit(); }
    HRESULT Prehrat() override { return Aktivni().Prehrat(); }

    HRESULT OtevritUrl(const std::wstring& url) override {
        const bool motor =
            VolbaPrehravace::ProAdresu(url, tovarny_.volba()) == VolbaPrehravace::Cil::Motor;
        if (motor && !motor_) {
            VytvoritMotor();
        }
        // Without an engine the control tries what it can.
        hrajeMotor_ = motor && motor_ != nullptr;
        return Aktivni().OtevritUrl(url);
    }

    // The engine can always take the volume, so the program may always set it; the control
    // follows when it has its settings object.
    bool MaNastaveni() const override { return true; }

    HRESULT NastavitHlasitost(std::int32_t hlasitost) override {
        hlasitost_ = hlasitost;
        return ProOba([&](Prehravac& p) { return p.NastavitHlasitost(hlasitost); },
                      &Prehravac::MaNastaveni);
    }

    HRESULT Ztlumeno(bool& ztlumeno) const override {
        if (!Aktivni().MaNastaveni()) {
            ztlumeno = ztlumeno_;
            return S_OK;
        }
        return Aktivni().Ztlumeno(ztlumeno);
    }

    HRESULT NastavitZtlumeni(bool ztlumit) override {
        ztlumeno_ = ztlumit;
        return ProOba([&](Prehravac& p) { return p.NastavitZtlumeni(ztlumit); },
                      &Prehravac::MaNastaveni);
    }

    bool MaSit() const override { return true; }

    HRESULT NastavitDobuBufferu(std::int32_t milisekund) override {
        dobaBufferu_ = milisekund;
        return ProOba([&](Prehravac& p) { return p.NastavitDobuBufferu(milisekund); },
                      &Prehravac::MaSit);
    }

    HRESULT InformaceMedia(const std::wstring& atribut, std::wstring& hodnota) const override {
        return Aktivni().InformaceMedia(atribut, hodnota);
    }

    HRESULT NazevMedia(std::wstring& nazev) const override { return Aktivni().NazevMedia(nazev); }

    std::wstring DuvodSelhani() const override { return Aktivni().DuvodSelhani(); }

    bool MaOvladac() const { return ovladac_ != nullptr; }

private:
    // What one of the players tells, passed on while that player is the one playing.
    class Vstup final : public PosluchacPrehravace {
    public:
        Vstup(PrehravacSmerovany& smerovany, bool motor) : smerovany_(smerovany), motor_(motor) {}

        void PriZmeneStavu(std::int32_t stav) override {
            if (Slysen()) {
                smerovany_.posluchac_.PriZmeneStavu(stav);
            }
        }
        void PriZmeneTitulu() override {
            if (Slysen()) {
                smerovany_.posluchac_.PriZmeneTitulu();
            }
        }
        bool PrevzitAdresu(const std::wstring& adresa) override {
            return motor_ && Slysen() && smerovany_.PredatOvladaci(adresa);
        }

    private:
        bool Slysen() const { return smerovany_.hrajeMotor_ == motor_; }

        PrehravacSmerovany& smerovany_;
        bool motor_;
    };

    Prehravac& Aktivni() const { return hrajeMotor_ ? *motor_ : *ovladac_; }

    void VytvoritMotor() {
        motor_ = tovarny_.motor(vstupMotoru_);
        if (!motor_) {
            return;
        }
        // What the program set before the engine existed holds for it too.
        if (hlasitost_) {
            motor_->NastavitHlasitost(*hlasitost_);
        }
        motor_->NastavitZtlumeni(ztlumeno_);
        if (dobaBufferu_) {
            motor_->NastavitDobuBufferu(*dobaBufferu_);
        }
    }

    // The answer is the playing player's; the other one only follows.
    template <class Krok>
    HRESULT ProOba(Krok krok, bool (Prehravac::*umi)() const) {
        HRESULT vysledek = S_OK;
        for (Prehravac* p : {ovladac_.get(), motor_.get()}) {
            if (p == nullptr || !(p->*umi)()) {
                continue;
            }
            const HRESULT hr = krok(*p);
            if (p == &Aktivni()) {
                vysledek = hr;
            }
        }
        return vysledek;
    }

    bool PredatOvladaci(const std::wstring& adresa) {
        hrajeMotor_ = false;
        // Not waited for, as with any address: the control's play states tell how it goes.
        ovladac_->OtevritUrl(adresa);
        ovladac_->Prehrat();
        return true;
    }

    TovarnyPrehravace tovarny_;
    PosluchacPrehravace& posluchac_;
    std::optional<std::int32_t> hlasitost_;
    std::optional<std::int32_t> dobaBufferu_;
    bool ztlumeno_ = false;
    bool hrajeMotor_ = false;
    Vstup vstupOvladace_{*this, false};
    Vstup vstupMotoru_{*this, true};
    // After the listeners they use, so they go first.
    std::unique_ptr<Prehravac> ovladac_;
    std::unique_ptr<Prehravac> motor_;
};

} // namespace

std::unique_ptr<Prehravac> VytvoritPrehravacSmerovany(TovarnyPrehravace tovarny,
                                                      PosluchacPrehravace& posluchac) {
    auto smerovany = std::make_unique<PrehravacSmerovany>(std::move(tovarny), posluchac);
    // Without the control there is nothing to fall back on.
    return smerovany->MaOvladac() ? std::move(smerovany) : nullptr;
}

} // namespace Vrbatec
