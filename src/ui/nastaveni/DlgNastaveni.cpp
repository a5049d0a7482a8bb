#include "ui/nastaveni/DlgNastaveni.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <string>

#include "res/resource.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/nastaveni/PravidlaDialoguNastaveni.h"
#include "update/Odkazy.h"
#include "winapi/Diagnostika.h"
#include "winapi/Dpi.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/UmisteniOkna.h"

namespace Vrbatec::Ui {

namespace Pravidla = PravidlaDialoguNastaveni;

namespace {

constexpr int kVyskaPolozkySObrazky = 20;
// The page area keeps this far from the tree and the dialog's right edge, and leaves this much
// for the buttons and the link below it (pixels).
constexpr int kOdstupStranky = 12;
constexpr int kMistoProTlacitka = 50;

std::wstring NazevAplikace() {
    return ZverejnenyModul().NazevAplikace();
}

} // namespace

DlgNastaveni::DlgNastaveni(UlozisteNastaveni& uloziste, const ObrazkovyPruh& malyPruh,
                           HWND hlavniOkno, int startovniStranka, TovarnaStranek tovarna)
    : uloziste_(uloziste), kopie_(uloziste.Kopie()), kontext_{.kopie = kopie_,
                                                              .malyPruh = malyPruh,
                                                              .hlavniOkno = hlavniOkno},
      tovarna_(tovarna), startovniStranka_(startovniStranka) {}

DlgNastaveni::~DlgNastaveni() {
    ZrusitStranky();
}

INT_PTR DlgNastaveni::Spustit() {
    NastavitKlicRegistru(uloziste_.Koren().c_str());
    const INT_PTR vysledek =
        SpustitModalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_NASTAVENI), nullptr);
    ZrusitStranky();
    return vysledek;
}

WinApi::StrankaNastaveni* DlgNastaveni::Stranka(int id) const {
    const std::size_t index = Pravidla::IndexStranky(id);
    return index < stranky_.size() ? stranky_[index].get() : nullptr;
}

void DlgNastaveni::ZrusitStranky() {
    // The pages go in this order, the hotkey page first.
    for (const int id : {Pravidla::kHorkeKlavesy, Pravidla::kIkona, Pravidla::kObecne,
                         Pravidla::kPoSpusteni, Pravidla::kPrehravac, Pravidla::kZaznam}) {
        stranky_[Pravidla::IndexStranky(id)].reset();
    }
}

bool DlgNastaveni::PriInicializaci() {
    const HWND okno = Hwnd();
    IVrbatecModul& modul = ZverejnenyModul();
    NastavitTitulek(NazevAplikace() + L" - Nastavení");
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());

    odkaz_.PripojitOdkaz(::GetDlgItem(okno, IDC_ODKAZ_NASTAVENI),
                         std::wstring(Odkazy::kWebFirmy).c_str());
    tipy_.Vytvorit(okno, modul.Instance());
    tipy_.PridatNastroj(::GetDlgItem(Hwnd(), IDC_ODKAZ_NASTAVENI), modul.Instance(),
                        IDS_TIP_WEB_FIRMY);

    strom_ = ::GetDlgItem(okno, IDC_STROM_STRANEK);
    if (strom_ == nullptr) {
        FatalniPosledniChyba();
    }
    // Only the look: a tree without the theme is still a tree.
    ::SetWindowTheme(strom_, L"Explorer", nullptr);
    vychoziVyskaPolozky_ = ::SendMessageW(strom_, TVM_GETITEMHEIGHT, 0, 0);
    PouzitPismo();
    VypocistOblastStranek();
    SestavitStrom();

    if (NacistPolohu(kNazevPolohy, true) != 0) {
        WinApi::Vycentrovat(okno);
    }
    return true;
}

void DlgNastaveni::PouzitPismo() {
    WinApi::UniqueFont pismo;
    LOGFONTW parametry{};
    if (::IsAppThemed() && SUCCEEDED(::GetThemeSysFont(nullptr, TMT_MSGBOXFONT, &parametry))) {
        pismo.Reset(::CreateFontIndirectW(&parametry));
    }
    const HFONT pouzite =
        pismo ? pismo.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    ::SendMessageW(strom_, WM_SETFONT, reinterpret_cast<WPARAM>(pouzite), TRUE);
    ::SendMessageW(::GetDlgItem(Hwnd(), IDC_ODKAZ_NASTAVENI), WM_SETFONT,
                   reinterpret_cast<WPARAM>(pouzite), TRUE);
    // The previous font goes only now that neither control uses it.
    pismo_ = std::move(pismo);
}

void DlgNastaveni::VypocistOblastStranek() {
    RECT klient{};
    RECT strom{};
    if (!::GetClientRect(Hwnd(), &klient) || !::GetWindowRect(strom_, &strom)) {
        FatalniPosledniChyba();
    }
    oblastStranek_ = {klient.left + (strom.right - strom.left) + kOdstupStranky, klient.top,
                      klient.right - kOdstupStranky, klient.bottom - kMistoProTlacitka};
}

void DlgNastaveni::SestavitStrom() {
    ::SendMessageW(strom_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    if (kopie_.vlastniVzhled) {
        ::SendMessageW(strom_, TVM_SETITEMHEIGHT,
                       static_cast<WPARAM>(WinApi::PodleDpi(Hwnd(), kVyskaPolozkySObrazky)), 0);
        ::SendMessageW(strom_, TVM_SETIMAGELIST, TVSIL_NORMAL,
                       reinterpret_cast<LPARAM>(kontext_.malyPruh.Seznam()));
    } else {
        ::SendMessageW(strom_, TVM_SETITEMHEIGHT, static_cast<WPARAM>(vychoziVyskaPolozky_), 0);
        ::SendMessageW(strom_, TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    }
    for (std::size_t i = 0; i < Pravidla::kStranky.size(); ++i) {
        VlozitPolozku(static_cast<int>(i));
    }
    VybratStranku(Pravidla::StartovniStranka(startovniStranka_));
}

void DlgNastaveni::VybratStranku(std::size_t index) {
    HTREEITEM polozka = TreeView_GetRoot(strom_);
    for (std::size_t i = 0; i < index && polozka != nullptr; ++i) {
        polozka = TreeView_GetNextSibling(strom_, polozka);
    }
    // Selecting the item shows its page (TVN_SELCHANGED).
    TreeView_SelectItem(strom_, polozka);
}

void DlgNastaveni::VlozitPolozku(int index) {
    const Pravidla::PopisStranky& popis = Pravidla::kStranky[static_cast<std::size_t>(index)];
    std::wstring text(popis.text);
    TVINSERTSTRUCTW vlozeni{};
    vlozeni.hParent = TVI_ROOT;
    vlozeni.hInsertAfter = TVI_LAST;
    vlozeni.item.mask = TVIF_TEXT | TVIF_PARAM;
    vlozeni.item.pszText = text.data();
    vlozeni.item.lParam = popis.id;
    if (kopie_.vlastniVzhled) {
        vlozeni.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        vlozeni.item.iImage = popis.obrazek;
        vlozeni.item.iSelectedImage = popis.obrazek;
    }
    if (::SendMessageW(strom_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&vlozeni)) == 0) {
        FatalniHResult(E_FAIL);
    }
}

void DlgNastaveni::ZobrazitStranku(int id) {
    const std::size_t index = Pravidla::IndexStranky(id);
    if (index >= stranky_.size()) {
        return;
    }
    for (const auto& stranka : stranky_) {
        if (stranka) {
            stranka->Skryt();
        }
    }
    aktualniStranka_ = id;
    auto& stranka = stranky_[index];
    if (!stranka) {
        stranka = tovarna_(id, kontext_);
        if (!stranka) {
            FatalniHResult(E_UNEXPECTED);
        }
    }
    if (const HRESULT hr = stranka->Ukazat(Hwnd(), oblastStranek_); FAILED(hr)) {
        FatalniHResult(hr);
    }
    NastavitTitulek(L" " + NazevAplikace() + L" - Nastavení: " +
                    std::wstring(Pravidla::kStranky[index].titulek));
}

bool DlgNastaveni::Pouzit() {
    PovolitPouzit(false);
    for (const int id : Pravidla::kPoradiPouziti) {
        WinApi::StrankaNastaveni* stranka = Stranka(id);
        if (stranka != nullptr && !stranka->Pouzit()) {
            VybratStranku(Pravidla::IndexStranky(id));
            PovolitPouzit(true);
            return false;
        }
    }
    Nastaveni nove = uloziste_.Kopie();
    Pravidla::PrevzitUpravy(nove, kopie_);
    std::wstring chyba;
    const HRESULT hr = uloziste_.Pouzit(nove, Ulozeni::Vse, &chyba);
    if (SUCCEEDED(hr)) {
        return true;
    }
    if (hr == E_INVALIDARG && !chyba.empty()) {
        ZobrazitChybu(chyba);
    } else {
        ZobrazitChybuSPopisem(L"Nastavení se nepodařilo uložit.", hr);
    }
    PovolitPouzit(true);
    return false;
}

void DlgNastaveni::PovolitPouzit(bool povolit) const {
    ::EnableWindow(::GetDlgItem(Hwnd(), IDC_POUZIT), povolit ? TRUE : FALSE);
}

bool DlgNastaveni::PriPrikazu(WORD id, WORD kod, HWND) {
    if (id == IDC_POUZIT && kod == BN_CLICKED) {
        Pouzit();
        return true;
    }
    return false;
}

void DlgNastaveni::PriOk() {
    if (!Pouzit()) {
        return;
    }
    UlozitPolohu(kNazevPolohy);
    Ukoncit(IDOK);
}

void DlgNastaveni::PriZruseni() {
    UlozitPolohu(kNazevPolohy);
    Ukoncit(IDCANCEL);
}

bool DlgNastaveni::PriOznameni(const NMHDR& oznameni, LRESULT&) {
    if (oznameni.hwndFrom == strom_ && oznameni.code == TVN_SELCHANGEDW) {
        const auto& zmena = reinterpret_cast<const NMTREEVIEWW&>(oznameni);
        if (zmena.itemNew.hItem != nullptr) {
            ZobrazitStranku(static_cast<int>(zmena.itemNew.lParam));
        }
        return true;
    }
    return false;
}

bool DlgNastaveni::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                   LRESULT& vysledek) {
    switch (zprava) {
    case WinApi::WM_ZMENA_STRANKY:
        PovolitPouzit(true);
        vysledek = 0;
        return true;
    case WM_THEMECHANGED:
        PouzitPismo();
        break;
    default:
        break;
    }
    return Dialog::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
}

} // namespace Vrbatec::Ui
