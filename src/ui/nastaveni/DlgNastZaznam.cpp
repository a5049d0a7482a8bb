#include "ui/nastaveni/DlgNastZaznam.h"

#include <utility>

#include "recording/SeznamZarizeni.h"
#include "res/resource.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/nastaveni/KomboVoleb.h"
#include "ui/nastaveni/PravidlaStranek.h"
#include "winapi/Diagnostika.h"
#include "winapi/OknoImpl.h"

namespace Vrbatec::Ui {

DlgNastZaznam::DlgNastZaznam(KontextStranek& kontext, VyjmenovaniZarizeni vyjmenovat)
    : StrankaZeSablony(kontext, IDD_NAST_ZAZNAM),
      vyjmenovat_(vyjmenovat ? std::move(vyjmenovat) : VyjmenovaniZarizeni(&VyjmenovatZarizeni)) {}

DlgNastZaznam::~DlgNastZaznam() {
    Zrusit();
}

bool DlgNastZaznam::PriInicializaci() {
    HWND okno = Hwnd();
    const Nastaveni& kopie = kontext_.kopie;
    slozka_.PripojitEdit(::GetDlgItem(okno, IDC_SLOZKA_ZAZNAMU), kopie.slozka.c_str(),
                         kontext_.malyPruh.Seznam(), kObrazekProchazeni);
    // A listing that fails part-way is no reason to keep the user from the other settings:
    // the page offers the devices that were found.
    vyjmenovat_();
    NaplnitKomboVoleb(priSpusteni_, okno, IDC_PRI_SPUSTENI_ZAZNAMU,
                      PravidlaStranek::PravidlaSpusteniZaznamu(), kopie.priSpusteni);

    zarizeni_.Pripojit(::GetDlgItem(okno, IDC_ZARIZENI_ZAZNAMU));
    if (const HRESULT hr =
            zarizeni_.Naplnit({kopie.friendlyName, kopie.popisZarizeni, kopie.devicePath});
        FAILED(hr)) {
        FatalniHResult(hr);
    }

    // A manager that cannot be created leaves the WAV profile, which needs none.
    spravceProfilu_.Vytvorit();
    profil_.Pripojit(::GetDlgItem(okno, IDC_PROFIL_ZAZNAMU));
    if (const HRESULT hr = NaplnitKomboProfilu(profil_, spravceProfilu_, kopie.profil);
        FAILED(hr)) {
        FatalniHResult(hr);
    }
    return false;
}

bool DlgNastZaznam::PriPrikazu(WORD id, WORD kod, HWND) {
    const bool zmena = (id == IDC_SLOZKA_ZAZNAMU && kod == EN_CHANGE) ||
                       ((id == IDC_ZARIZENI_ZAZNAMU || id == IDC_PROFIL_ZAZNAMU ||
                         id == IDC_PRI_SPUSTENI_ZAZNAMU) &&
                        kod == CBN_SELCHANGE);
    if (zmena) {
        OznamitZmenu();
    }
    return zmena;
}

bool DlgNastZaznam::PriPouziti() {
    Nastaveni& kopie = kontext_.kopie;
    // An empty folder is kept as the user left it.
    kopie.slozka = WinApi::TextOkna(slozka_.Hwnd());
    ZarizeniZaznamu vybrane;
    if (zarizeni_.Vybrane(vybrane) == 0) {
        kopie.friendlyName = vybrane.nazev;
        kopie.popisZarizeni = vybrane.popis;
        kopie.devicePath = vybrane.cesta;
    }
    if (const ProfilyZaznamu::Profil* profil = VybranyProfil(profil_)) {
        kopie.profil = profil->id;
    }
    kopie.priSpusteni = VybranaVolba(priSpusteni_);
    return true;
}

} // namespace Vrbatec::Ui
