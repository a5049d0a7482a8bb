#include "update/KontrolaAktualizaci.h"

#include <optional>
#include <utility>

#include "res/resource.h"
#include "update/DlgAktualizace.h"
#include "update/PravidlaAktualizace.h"
#include "update/VerzeProgramu.h"
#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec {

namespace {

// Only the check's dialogs and message boxes: its other windows (tooltips) belong to them.
BOOL CALLBACK ZavritDialog(HWND okno, LPARAM) {
    wchar_t trida[8] = {};
    ::GetClassNameW(okno, trida, 8);
    if (std::wstring_view(trida) == L"#32770") {
        ::PostMessageW(okno, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

std::optional<std::wstring> StahnoutVerzi(const NastaveniKontroly& nastaveni, HRESULT& vysledek) {
    const HttpTextSoubor http(nastaveni.internet, nastaveni.limity);
    std::wstring text;
    vysledek = nastaveni.url.empty() ? http.NacistZTabulky(IDS_URL_AKTUALIZACE, text)
                                     : http.Nacist(nastaveni.url, text);
    if (FAILED(vysledek)) {
        return std::nullopt;
    }
    std::optional<std::wstring> verze = PravidlaAktualizace::VerzeNaWebu(text);
    if (!verze) {
        vysledek = E_FAIL;
    }
    return verze;
}

} // namespace

struct KontrolaAktualizaci::Zadani {
    HINSTANCE instance;
    bool potichu;
    NastaveniKontroly nastaveni;
    std::shared_ptr<std::atomic<DWORD>> idVlakna;
};

bool KontrolaAktualizaci::Spustit(HWND prijemce, bool potichu, const NastaveniKontroly& nastaveni) {
    if (Bezi()) {
        return false;
    }
    idVlakna_->store(0);
    try {
        vlakno_.Spustit(
            prijemce, zprava_, Zadani{ZverejnenyModul().Instance(), potichu, nastaveni, idVlakna_},
            [](Zadani& zadani, const WinApi::RizeniPrace<KonecStahovani>& rizeni) {
                zadani.idVlakna->store(::GetCurrentThreadId());
                HRESULT vysledek = S_OK;
                const std::optional<std::wstring> verze = StahnoutVerzi(zadani.nastaveni, vysledek);
                rizeni.Poslat(std::make_unique<KonecStahovani>(KonecStahovani{vysledek}));
                if (rizeni.KonecPozadovan()) {
                    return;
                }
                if (verze) {
                    DlgAktualizace dialog(VerzeProgramu(), *verze);
                    dialog.Spustit(zadani.instance);
                } else if (!zadani.potichu) {
                    ZobrazitTextZTabulky(IDS_CHYBA_AKTUALIZACE);
                }
            });
    } catch (HRESULT hr) {
        FatalniHResult(hr);
    }
    return true;
}

void KontrolaAktualizaci::Zastavit(DWORD limit) {
    // Asked again every step: a box may open between two of them.
    vlakno_.Zastavit(limit, [id = idVlakna_] {
        if (const DWORD vlakno = id->load(); vlakno != 0) {
            ::EnumThreadWindows(vlakno, &ZavritDialog, 0);
        }
    });
}

} // namespace Vrbatec
