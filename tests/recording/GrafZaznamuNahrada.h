// A recording graph for tests: it writes the steps it is asked for into a log shared with the
// test (which outlives the graphs a recorder makes and destroys) and fails the step the test
// names.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "recording/GrafZaznamu.h"

namespace Vrbatec::Testy {

struct ZaznamGrafu {
    // "zarizeni:<name>", "vystup:<path>", "spustit", "zastavit", and "konec" when destroyed.
    std::vector<std::wstring> kroky;
    std::vector<ProfilyZaznamu::Zapisovac> vytvorene;
    // The step (as logged, up to its colon) that fails, with this result.
    std::wstring selhat;
    HRESULT chyba = E_FAIL;
};

class GrafZaznamuNahrada final : public GrafZaznamu {
public:
    explicit GrafZaznamuNahrada(ZaznamGrafu& zaznam) : zaznam_(zaznam) {}
    ~GrafZaznamuNahrada() override { zaznam_.kroky.push_back(L"konec"); }

    HRESULT PridatZarizeni(const ZarizeniZaznamu& zarizeni) override {
        return Krok(L"zarizeni", zarizeni.nazev);
    }
    HRESULT NastavitVystup(const std::wstring& soubor, const Guid&) override {
        return Krok(L"vystup", soubor);
    }
    HRESULT Spustit() override { return Krok(L"spustit", {}); }
    void Zastavit() override { zaznam_.kroky.push_back(L"zastavit"); }

    static TovarnaGrafu Tovarna(ZaznamGrafu& zaznam) {
        return [&zaznam](ProfilyZaznamu::Zapisovac zapisovac) {
            zaznam.vytvorene.push_back(zapisovac);
            return std::make_unique<GrafZaznamuNahrada>(zaznam);
        };
    }

private:
    HRESULT Krok(const std::wstring& nazev, const std::wstring& hodnota) {
        zaznam_.kroky.push_back(hodnota.empty() ? nazev : nazev + L":" + hodnota);
        return nazev == zaznam_.selhat ? zaznam_.chyba : S_OK;
    }

    ZaznamGrafu& zaznam_;
};

} // namespace Vrbatec::Testy
