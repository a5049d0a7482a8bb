#include "ui/SoucastAktualizace.h"

#include <utility>

#include "res/resource.h"
#include "ui/SluzbyAplikace.h"
#include "update/DlgProgramInfo.h"
#include "winapi/Diagnostika.h"

namespace Vrbatec::Ui {

SoucastAktualizace::SoucastAktualizace(SluzbyAplikace& aplikace, PlatformaIkony& platforma) noexcept
    : aplikace_(aplikace), ikona_(platforma) {}

void SoucastAktualizace::Pripojit(HWND hlavniOkno) {
    okno_ = hlavniOkno;
}

void SoucastAktualizace::Odpojit() {
    ZavritOProgramu();
    kontrola_.Zastavit();
    ikona_.Smazat();
    okno_ = nullptr;
}

void SoucastAktualizace::NastavitZdroj(std::wstring url, LimityHttp limity) {
    nastaveni_.url = std::move(url);
    nastaveni_.limity = limity;
}

bool SoucastAktualizace::SpustitKontroluAktualizaci(bool potichu) {
    if (kontrola_.Bezi()) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    // Only to tell the user that something happens: a shell that refuses changes nothing.
    if (SUCCEEDED(ikona_.Pridat(okno_, kIkonaKontrolyAktualizaci, false))) {
        std::wstring text;
        NacistRetezec(IDS_VYHLEDAVAM_AKTUALIZACE, text);
        ikona_.ZobrazitBublinu(text, NIIF_INFO);
    }
    NastaveniKontroly nastaveni = nastaveni_;
    nastaveni.internet = aplikace_.Internet();
    kontrola_.Spustit(okno_, potichu, nastaveni);
    return true;
}

bool SoucastAktualizace::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam,
                                         LRESULT& vysledek) {
    if (zprava == WM_KONEC_STAHOVANI) {
        WinApi::ZpravaVysledku<KonecStahovani>::Prevzit(lParam);
        ikona_.Smazat();
        vysledek = 0;
        return true;
    }
    if (zprava != WM_COMMAND || HIWORD(wParam) > 1) {
        return false;
    }
    switch (LOWORD(wParam)) {
    case ID_O_PROGRAMU:
        ZobrazitOProgramu();
        break;
    case ID_AKTUALIZACE:
        SpustitKontroluAktualizaci(lParam == kTichaKontrola);
        break;
    default:
        return false;
    }
    vysledek = 0;
    return true;
}

} // namespace Vrbatec::Ui
