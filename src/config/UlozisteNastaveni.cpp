#include "config/UlozisteNastaveni.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <span>
#include <utility>
#include <variant>

#include "winapi/KlicRegistru.h"
#include "winapi/ZnameSlozky.h"
#include "config/PopisNastaveni.h"
#include "config/PravidlaNastaveni.h"
#include "config/RegistrHorkychKlaves.h"

namespace Vrbatec {

namespace {

HRESULT OtevritSkupinu(KlicRegistru& klic, const SkupinaHodnot& skupina, bool vytvorit) {
    if (skupina.klic[0] == L'\0') {
        return klic.Otevrit(vytvorit);
    }
    return klic.Otevrit(skupina.klic, vytvorit);
}

// Missing, unreadable and wrongly sized values leave the field as it was.
void NacistHodnotu(const KlicRegistru& klic, const PopisHodnoty& hodnota, Nastaveni& n) {
    struct Cteni {
        const KlicRegistru& klic;
        const wchar_t* nazev;
        Nastaveni& n;
        void operator()(std::uint32_t Nastaveni::*p) const { klic.CistDword(nazev, n.*p); }
        void operator()(std::int32_t Nastaveni::*p) const { klic.CistCislo(nazev, n.*p); }
        void operator()(bool Nastaveni::*p) const { klic.CistAnoNe(nazev, n.*p); }
        void operator()(std::wstring Nastaveni::*p) const { klic.CistRetezec(nazev, n.*p); }
        // A shorter value replaces only the bytes it has.
        void operator()(Guid Nastaveni::*p) const {
            BajtyGuid bajty = NaBajty(n.*p);
            std::size_t precteno = 0;
            if (klic.CistBinarni(nazev, bajty, precteno) == S_OK) {
                n.*p = GuidZBajtu(bajty);
            }
        }
    };
    std::visit(Cteni{klic, hodnota.nazev, n}, hodnota.pole);
}

HRESULT ZapsatHodnotu(const KlicRegistru& klic, const PopisHodnoty& hodnota, const Nastaveni& n) {
    struct Zapis {
        const KlicRegistru& klic;
        const wchar_t* nazev;
        const Nastaveni& n;
        HRESULT operator()(std::uint32_t Nastaveni::*p) const {
            return klic.ZapsatDword(nazev, n.*p);
        }
        HRESULT operator()(std::int32_t Nastaveni::*p) const {
            return klic.ZapsatCislo(nazev, n.*p);
        }
        HRESULT operator()(bool Nastaveni::*p) const { return klic.ZapsatAnoNe(nazev, n.*p); }
        HRESULT operator()(std::wstring Nastaveni::*p) const {
            return klic.ZapsatRetezec(nazev, n.*p);
        }
        HRESULT operator()(Guid Nastaveni::*p) const {
            return klic.ZapsatBinarni(nazev, NaBajty(n.*p));
        }
    };
    return std::visit(Zapis{klic, hodnota.nazev, n}, hodnota.pole);
}

HRESULT ZapsatSkupiny(const std::wstring& koren, std::span<const SkupinaHodnot> skupiny,
                      const Nastaveni& n) {
    KlicRegistru klic(HKEY_CURRENT_USER, koren);
    for (const SkupinaHodnot& skupina : skupiny) {
        HRESULT hr = OtevritSkupinu(klic, skupina, true);
        if (hr != S_OK) {
            return hr;
        }
        for (const PopisHodnoty& hodnota : skupina.hodnoty) {
            hr = ZapsatHodnotu(klic, hodnota, n);
            if (hr != S_OK) {
                return hr;
            }
        }
    }
    return S_OK;
}

} // namespace

UlozisteNastaveni::UlozisteNastaveni(std::wstring koren) : koren_(std::move(koren)) {}

void UlozisteNastaveni::NastavitVychozi(const std::optional<VychoziZarizeni>& prvniZarizeni) {
    const std::lock_guard zamek(zamek_);
    Vrbatec::NastavitVychozi(hodnoty_, WinApi::ZnamaSlozka(FOLDERID_Documents), prvniZarizeni);
}

int UlozisteNastaveni::Nacist() {
    const std::lock_guard zamek(zamek_);
    KlicRegistru klic(HKEY_CURRENT_USER, koren_);
    if (klic.Otevrit(false) != S_OK) {
        return 1;
    }
    for (const SkupinaHodnot& skupina : HodnotyNastaveni()) {
        if (OtevritSkupinu(klic, skupina, false) != S_OK) {
            continue;
        }
        for (const PopisHodnoty& hodnota : skupina.hodnoty) {
            NacistHodnotu(klic, hodnota, hodnoty_);
        }
    }
    klic.Zavrit();
    Vrbatec::NacistHorkeKlavesy(hodnoty_.horkeKlavesy, koren_);
    return 0;
}

void UlozisteNastaveni::DoplnitZarizeni(const std::optional<VychoziZarizeni>& prvniZarizeni) {
    const std::lock_guard zamek(zamek_);
    zarizeniDoplneno_ = true;
    if (!prvniZarizeni) {
        return;
    }
    hodnoty_.friendlyName = prvniZarizeni->friendlyName;
    hodnoty_.popisZarizeni = prvniZarizeni->popis;
    hodnoty_.devicePath = prvniZarizeni->devicePath;
    KlicRegistru klic(HKEY_CURRENT_USER, koren_);
    if (klic.Otevrit(false) != S_OK) {
        return;
    }
    const PoleNastaveni poleZarizeni[] = {&Nastaveni::friendlyName, &Nastaveni::devicePath};
    for (const SkupinaHodnot& skupina : HodnotyNastaveni()) {
        for (const PopisHodnoty& hodnota : skupina.hodnoty) {
            if (std::find(std::begin(poleZarizeni), std::end(poleZarizeni), hodnota.pole) ==
                    std::end(poleZarizeni) ||
                OtevritSkupinu(klic, skupina, false) != S_OK) {
                continue;
            }
            NacistHodnotu(klic, hodnota, hodnoty_);
        }
    }
}

HRESULT UlozisteNastaveni::UlozitVse() {
    const std::lock_guard zamek(zamek_);
    const HRESULT hr = ZapsatSkupiny(koren_, HodnotyNastaveni(), hodnoty_);
    if (hr != S_OK) {
        return hr;
    }
    // The values are what matters; the hotkeys follow them or stay as they were stored.
    UlozitHorkeKlavesy(hodnoty_.horkeKlavesy, koren_);
    return S_OK;
}

HRESULT UlozisteNastaveni::Pouzit(const Nastaveni& kopie, Ulozeni ulozeni, std::wstring* chyba) {
    const std::lock_guard zamek(zamek_);
    if (const auto zprava = PravidlaNastaveni::PrvniChyba(kopie, hodnoty_)) {
        if (chyba != nullptr) {
            *chyba = *zprava;
        }
        return E_INVALIDARG;
    }
    HRESULT hr = S_OK;
    switch (ulozeni) {
    case Ulozeni::Vse:
        hr = ZapsatSkupiny(koren_, HodnotyNastaveni(), kopie);
        if (hr == S_OK) {
            // The values are what matters; the hotkeys follow them or stay as they were.
            UlozitHorkeKlavesy(kopie.horkeKlavesy, koren_);
        }
        break;
    case Ulozeni::StavZobrazeni:
        hr = ZapsatSkupiny(koren_, HodnotyStavuZobrazeni(), kopie);
        break;
    case Ulozeni::Nic:
        break;
    }
    if (hr != S_OK) {
        return hr;
    }
    hodnoty_ = kopie;
    return S_OK;
}

HRESULT UlozisteNastaveni::UlozitStavZobrazeni() {
    const std::lock_guard zamek(zamek_);
    return ZapsatSkupiny(koren_, HodnotyStavuZobrazeni(), hodnoty_);
}

HRESULT UlozisteNastaveni::NacistHorkeKlavesy() {
    return Vrbatec::NacistHorkeKlavesy(hodnoty_.horkeKlavesy, koren_);
}

UlozisteNastaveni& UlozisteAplikace() {
    static UlozisteNastaveni uloziste(kKorenNastaveni);
    return uloziste;
}

Nastaveni& NastaveniAplikace() {
    return UlozisteAplikace().Hodnoty();
}

} // namespace Vrbatec
