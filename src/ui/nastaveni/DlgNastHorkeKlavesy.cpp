#include "ui/nastaveni/DlgNastHorkeKlavesy.h"

#include <string>

#include "config/HorkaKlavesa.h"
#include "res/resource.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/nastaveni/PravidlaHorkychKlaves.h"
#include "winapi/Diagnostika.h"
#include "winapi/Dpi.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec::Ui {

namespace {

namespace phk = PravidlaHorkychKlaves;

static_assert(phk::kOvladacShift == HOTKEYF_SHIFT && phk::kOvladacCtrl == HOTKEYF_CONTROL &&
              phk::kOvladacAlt == HOTKEYF_ALT && phk::kOvladacRozsirena == HOTKEYF_EXT);

constexpr int kObrazekVseobecne = 14;
constexpr int kObrazekSkupiny = 13;
constexpr int kSirkaRozbaleniSkupin = 300;

} // namespace

DlgNastHorkeKlavesy::DlgNastHorkeKlavesy(KontextStranek& kontext)
    : StrankaNastaveni(IDD_NAST_HORKE_KLAVESY), kontext_(kontext) {}

HWND DlgNastHorkeKlavesy::VytvoritOkno(HWND ramec) {
    return VytvoritNemodalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_NAST_HORKE_KLAVESY),
                             ramec);
}

bool DlgNastHorkeKlavesy::PriInicializaci() {
    HWND okno = Hwnd();
    skupiny_.Pripojit(::GetDlgItem(okno, IDC_SKUPINA_KLAVES));
    // A fixed owner-drawn combo asks for its height while the dialog is being built, before
    // this page sees any message, so the height is set here.
    if (::SendMessageW(skupiny_.Hwnd(), CB_SETDROPPEDWIDTH, kSirkaRozbaleniSkupin, 0) == CB_ERR ||
        ::SendMessageW(skupiny_.Hwnd(), CB_SETITEMHEIGHT, 0,
                       WinApi::PodleDpi(okno, kVyskaSkupiny)) == CB_ERR) {
        FatalniHResult(E_FAIL);
    }
    if (const HRESULT hr = skupiny_.PridatPolozku(L"Všechny nastavitelné", 0); FAILED(hr)) {
        FatalniHResult(hr);
    }
    PridatTextTabulky(skupiny_, IDS_VSEOBECNE, kSkupinaVseobecne);
    skupiny_.Vybrat(0);

    HINSTANCE instance = ZverejnenyModul().Instance();
    tip_.Vytvorit(okno, instance);
    tip_.PridatNastroj(::GetDlgItem(okno, IDC_NASTAVIT_KLAVESU), instance,
                       IDS_TIP_NASTAVIT_ZKRATKU);

    seznam_.PripojitSeznam(::GetDlgItem(okno, IDC_SEZNAM_KLAVES), kontext_.kopie.horkeKlavesy,
                           kontext_.malyPruh.Seznam());
    NaplnitSeznam();
    // The focus stays where the frame has it: the page only appears beside the page list.
    return false;
}

bool DlgNastHorkeKlavesy::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                          LRESULT& vysledek) {
    if (wParam == IDC_SKUPINA_KLAVES) {
        if (zprava == WM_MEASUREITEM) {
            reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight =
                static_cast<UINT>(WinApi::PodleDpi(okno, kVyskaSkupiny));
            vysledek = TRUE;
            return true;
        }
        if (zprava == WM_DRAWITEM) {
            NakreslitSkupinu(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            vysledek = TRUE;
            return true;
        }
    }
    return StrankaNastaveni::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
}

bool DlgNastHorkeKlavesy::PriPrikazu(WORD id, WORD kod, HWND) {
    switch (id) {
    case IDC_SKUPINA_KLAVES:
        if (kod == CBN_SELCHANGE) {
            NaplnitSeznam();
        }
        return true;
    case IDC_SEZNAM_KLAVES:
        if (kod == LBN_SELCHANGE) {
            ZobrazitKombinaci();
        } else if (kod == LBN_DBLCLK) {
            SpustitPrikaz();
        }
        return true;
    case IDC_KLAVESA:
        if (kod == EN_CHANGE) {
            ::EnableWindow(::GetDlgItem(Hwnd(), IDC_NASTAVIT_KLAVESU), TRUE);
            OznamitZmenu();
        }
        return true;
    case IDC_NASTAVIT_KLAVESU:
        if (kod == BN_CLICKED) {
            Nastavit();
        }
        return true;
    default:
        return false;
    }
}

void DlgNastHorkeKlavesy::NaplnitSeznam() {
    const int vyber = skupiny_.Vyber();
    const LPARAM skupina = vyber < 0 ? 0 : skupiny_.DataPolozky(vyber);
    seznam_.Naplnit(static_cast<std::uint32_t>(skupina));
    ZobrazitKombinaci();
}

void DlgNastHorkeKlavesy::ZobrazitKombinaci() {
    const auto zaznam = seznam_.VybranyZaznam();
    if (!zaznam) {
        return;
    }
    const HorkaKlavesa& klavesa = kontext_.kopie.horkeKlavesy.Zaznamy()[*zaznam];
    ::SendDlgItemMessageW(Hwnd(), IDC_KLAVESA, HKM_SETHOTKEY, phk::HodnotaOvladace(klavesa), 0);
    ::EnableWindow(::GetDlgItem(Hwnd(), IDC_NASTAVIT_KLAVESU), FALSE);
}

void DlgNastHorkeKlavesy::Nastavit() {
    const auto zaznam = seznam_.VybranyZaznam();
    if (!zaznam) {
        return;
    }
    const phk::Kombinace kombinace = phk::ZHodnotyOvladace(static_cast<std::uint32_t>(
        ::SendDlgItemMessageW(Hwnd(), IDC_KLAVESA, HKM_GETHOTKEY, 0, 0)));
    TabulkaHorkychKlaves& tabulka = kontext_.kopie.horkeKlavesy;
    if (phk::JePouzita(tabulka, kombinace)) {
        ZobrazitChybuZTabulky(IDS_ZKRATKA_POUZITA);
        ZobrazitKombinaci();
        return;
    }
    HorkaKlavesa& klavesa = tabulka.Zaznamy()[*zaznam];
    klavesa.modifikatory = kombinace.modifikatory;
    klavesa.klavesa = kombinace.klavesa;
    ::EnableWindow(::GetDlgItem(Hwnd(), IDC_NASTAVIT_KLAVESU), FALSE);
    seznam_.Prekreslit();
}

// The command runs in the main window while the settings stay open, as from its menu.
void DlgNastHorkeKlavesy::SpustitPrikaz() const {
    const auto zaznam = seznam_.VybranyZaznam();
    if (!zaznam) {
        return;
    }
    const std::uint32_t prikaz = kontext_.kopie.horkeKlavesy.Zaznamy()[*zaznam].prikaz;
    ::PostMessageW(kontext_.hlavniOkno, WM_COMMAND, prikaz, 0);
}

void DlgNastHorkeKlavesy::NakreslitSkupinu(const DRAWITEMSTRUCT& polozka) const {
    if (polozka.itemID == static_cast<UINT>(-1)) {
        return;
    }
    VyplnitPolozku(polozka);
    int odsazeni = WinApi::PodleDpi(Hwnd(), 4);
    if (kontext_.kopie.vlastniVzhled) {
        const int obrazek =
            polozka.itemData == kSkupinaVseobecne ? kObrazekVseobecne : kObrazekSkupiny;
        const int vyska = polozka.rcItem.bottom - polozka.rcItem.top;
        ::ImageList_DrawEx(kontext_.malyPruh.Seznam(), obrazek, polozka.hDC,
                           polozka.rcItem.left + 2, polozka.rcItem.top + (vyska - 16) / 2, 16, 16,
                           CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
        odsazeni = WinApi::PodleDpi(Hwnd(), ListBoxHorkeKlavesy::kOdsazeniTextu);
    }
    NakreslitTextPolozky(polozka, odsazeni, skupiny_.TextPolozky(static_cast<int>(polozka.itemID)));
}

} // namespace Vrbatec::Ui
