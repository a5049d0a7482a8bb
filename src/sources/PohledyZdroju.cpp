#include "sources/PohledyZdroju.h"

#include <shlwapi.h>

#include <string>

#include "winapi/Diagnostika.h"
#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "sources/DlgZdroj.h"

namespace Vrbatec {

namespace {

using PravidlaVyberu::JePlatnyIndex;

const std::wstring& PoleSloupce(const Zdroj& zdroj, int sloupec) {
    return sloupec == PravidlaVyberu::kSloupecNazev ? zdroj.nazev : zdroj.url;
}

std::wstring OtazkaOdebrani(const std::wstring& nazev) {
    return L"Opravdu chcete \"" + nazev + L"\" trvale odebrat ze seznamu?";
}

// A large list goes into the combo box in one allocation instead of thousands.
void RezervovatMisto(HWND combo, const SeznamZdroju& seznam) {
    std::size_t znaku = 0;
    for (const Zdroj& zdroj : seznam.Vse()) {
        znaku += zdroj.nazev.size() + 1;
    }
    ::SendMessageW(combo, CB_INITSTORAGE, seznam.Pocet(),
                   static_cast<LPARAM>(znaku * sizeof(wchar_t)));
}

} // namespace

void PohledyZdroju::VytvoritSeznam(HINSTANCE instance, HWND rodic, bool obnovitPosledni) {
    seznamView_ = std::make_unique<ListViewSeznamZdroju>(seznam_);
    seznamView_->Vytvorit(instance, rodic);
    NaplnitSeznam(obnovitPosledni);
}

void PohledyZdroju::ZrusitSeznam() {
    seznamView_.reset();
}

HWND PohledyZdroju::SeznamHwnd() const noexcept {
    return seznamView_ ? seznamView_->Hwnd() : nullptr;
}

void PohledyZdroju::UmistitSeznam(const RECT& obdelnik) {
    if (!seznamView_) {
        return;
    }
    ::MoveWindow(seznamView_->Hwnd(), obdelnik.left, obdelnik.top, obdelnik.right - obdelnik.left,
                 obdelnik.bottom - obdelnik.top, TRUE);
    seznamView_->PrizpusobitSloupce();
}

void PohledyZdroju::PripojitCombo(HWND combo) {
    combo_.Pripojit(combo);
    NaplnitCombo();
}

void PohledyZdroju::OdpojitCombo() {
    combo_.Uvolnit();
}

void PohledyZdroju::NaplnitSeznam(bool obnovitPosledni) {
    if (!seznamView_) {
        return;
    }
    seznamView_->Vyprazdnit();
    vybrany_ = PravidlaVyberu::VyberPriNaplneni(vybrany_, seznam_.Pocet(), obnovitPosledni,
                                                NastaveniAplikace().prehravanyIndex);
    seznamView_->NastavitPocetRadku(seznam_.Pocet());
    if (JePlatnyIndex(vybrany_, seznam_.Pocet())) {
        seznamView_->Vybrat(vybrany_);
    }
    ::SetFocus(seznamView_->Hwnd());
}

void PohledyZdroju::NaplnitCombo() {
    if (combo_.Hwnd() == nullptr) {
        return;
    }
    ::SendMessageW(combo_.Hwnd(), WM_SETREDRAW, FALSE, 0);
    combo_.Vyprazdnit();
    RezervovatMisto(combo_.Hwnd(), seznam_);
    const auto& zdroje = seznam_.Vse();
    for (std::size_t i = 0; i < zdroje.size(); ++i) {
        const HRESULT hr = combo_.PridatPolozku(zdroje[i].nazev, static_cast<LPARAM>(i));
        if (FAILED(hr)) {
            FatalniHResult(hr);
        }
    }
    ::SendMessageW(combo_.Hwnd(), WM_SETREDRAW, TRUE, 0);
    combo_.Vybrat(JePlatnyIndex(vybrany_, seznam_.Pocet()) ? vybrany_ : -1);
}

void PohledyZdroju::NacistZnovu(const std::wstring& cesta) {
    // What it cannot read it reports by an empty list and keeps safe; nothing to show here.
    uloziste_.Nacist(cesta);
    NaplnitOba();
}

void PohledyZdroju::VybratIndex(int index) {
    vybrany_ = index;
    VybratVCombu(index);
    VybratVSeznamu(index);
}

bool PohledyZdroju::PriOznameniSeznamu(const NMHDR& oznameni, LRESULT& vysledek) {
    vysledek = 0;
    switch (oznameni.code) {
    case LVN_ITEMCHANGED:
        PriZmenePolozky(reinterpret_cast<const NMLISTVIEW&>(oznameni));
        return true;
    case NM_DBLCLK:
    case NM_RETURN:
        okoli_.PrehratVybrany();
        return true;
    case LVN_COLUMNCLICK:
        SeraditPodleSloupce(reinterpret_cast<const NMLISTVIEW&>(oznameni).iSubItem);
        return true;
    default:
        return false;
    }
}

void PohledyZdroju::PriZmenePolozky(const NMLISTVIEW& zmena) {
    // With owner data the row is the source's index; -1 speaks of all rows at once. A row that
    // only lost the focus says nothing about the selection and may come after the new one.
    const bool zmenaVyberu = ((zmena.uOldState | zmena.uNewState) & LVIS_SELECTED) != 0;
    if (zmena.iItem < 0 || !zmenaVyberu) {
        return;
    }
    vybrany_ = zmena.iItem;
    VybratVCombu(vybrany_);
    okoli_.ZmenilSeVyber();
}

void PohledyZdroju::PriZmeneCombo() {
    const int polozka = combo_.Hwnd() != nullptr ? combo_.Vyber() : -1;
    const int index =
        polozka >= 0 ? static_cast<int>(combo_.DataPolozky(polozka)) : PravidlaVyberu::kZadnyVyber;
    vybrany_ = index;
    if (seznamView_) {
        VybratVSeznamu(index);
    } else {
        okoli_.ZmenilSeVyber();
    }
    if (NastaveniAplikace().spustitZmenouCB) {
        okoli_.Zastavit();
        okoli_.PrehratVybrany();
    }
}

void PohledyZdroju::Pridat() {
    DlgZdroj dialog;
    dialog.nazev = L"Nový zdroj";
    dialog.url = L"http://";
    if (dialog.Spustit(::GetActiveWindow()) != IDOK) {
        return;
    }
    seznam_.Pridat(dialog.nazev, dialog.url, dialog.menu);
    seznam_.NastavitHlasitost(seznam_.Pocet() - 1, dialog.hlasitost);
    NaplnitOba();
    UlozitSoubor();
}

void PohledyZdroju::Upravit() {
    if (!OveritVyber()) {
        return;
    }
    const auto index = static_cast<std::uint32_t>(vybrany_);
    const Zdroj& zdroj = seznam_.Polozka(index);
    DlgZdroj dialog;
    dialog.nazev = zdroj.nazev;
    dialog.url = zdroj.url;
    dialog.hlasitost = zdroj.hlasitost;
    dialog.menu = zdroj.menu;
    if (dialog.Spustit(::GetActiveWindow()) != IDOK) {
        return;
    }
    seznam_.NastavitNazev(index, dialog.nazev);
    seznam_.NastavitUrl(index, dialog.url);
    seznam_.NastavitHlasitost(index, dialog.hlasitost);
    seznam_.NastavitMenu(index, dialog.menu);
    UlozitSoubor();
    NaplnitOba();
    okoli_.ZmenilSeVyber();
}

void PohledyZdroju::Odebrat() {
    if (!OveritVyber()) {
        return;
    }
    const auto index = static_cast<std::uint32_t>(vybrany_);
    if (OtazkaAnoNe(OtazkaOdebrani(seznam_.Polozka(index).nazev)) != 0) {
        return;
    }
    seznam_.Odebrat(index);
    UlozitSoubor();
    vybrany_ = PravidlaVyberu::VyberPoOdebrani(vybrany_, seznam_.Pocet());
    NaplnitOba();
    okoli_.ZmenilSeVyber();
}

void PohledyZdroju::SeraditPodleSloupce(int sloupec) {
    if (sloupec != PravidlaVyberu::kSloupecNazev && sloupec != PravidlaVyberu::kSloupecUrl) {
        return;
    }
    razeni_ = PravidlaVyberu::DalsiRazeni(razeni_, sloupec);
    const bool sestupne = razeni_.sestupne;
    seznam_.Seradit([sloupec, sestupne](const Zdroj& a, const Zdroj& b) {
        const std::wstring& prvni = PoleSloupce(sestupne ? b : a, sloupec);
        const std::wstring& druhy = PoleSloupce(sestupne ? a : b, sloupec);
        return ::StrCmpW(prvni.c_str(), druhy.c_str()) < 0;
    });
    NaplnitSeznam(false);
    NaplnitCombo();
}

bool PohledyZdroju::OveritVyber() const {
    if (JePlatnyIndex(vybrany_, seznam_.Pocet())) {
        return true;
    }
    ZobrazitTextZTabulky(IDS_INDEX_MIMO_ROZSAH);
    return false;
}

void PohledyZdroju::VybratVSeznamu(int index) {
    if (!seznamView_) {
        return;
    }
    seznamView_->ZrusitVyber();
    // -1 would select every row.
    if (index >= 0) {
        seznamView_->Vybrat(index);
    }
}

void PohledyZdroju::VybratVCombu(int index) {
    if (combo_.Hwnd() == nullptr) {
        return;
    }
    // Item i carries i, as every fill puts them.
    const bool nalezena = JePlatnyIndex(index, static_cast<std::uint32_t>(combo_.Pocet())) &&
                          combo_.DataPolozky(index) == index;
    combo_.Vybrat(nalezena ? index : -1);
}

void PohledyZdroju::NaplnitOba() {
    NaplnitCombo();
    NaplnitSeznam(false);
}

void PohledyZdroju::UlozitSoubor() {
    uloziste_.Ulozit(NastaveniAplikace().soubor);
}

} // namespace Vrbatec
