#include "ui/nastaveni/DlgNastPrehravac.h"

#include "res/resource.h"
#include "winapi/Diagnostika.h"

namespace Vrbatec::Ui {

namespace {

constexpr std::int32_t kNejmensiKrok = 1;
constexpr std::int32_t kNejvetsiKrok = 10;
constexpr std::int32_t kNejvicSekundBufferu = 60;

void PrevzitCislo(const WinApi::EditCislo& edit, std::uint32_t& hodnota) {
    if (const auto cislo = edit.Precist()) {
        hodnota = *cislo;
    }
}

} // namespace

DlgNastPrehravac::DlgNastPrehravac(KontextStranek& kontext)
    : StrankaZeSablony(kontext, IDD_NAST_PREHRAVAC) {}

DlgNastPrehravac::~DlgNastPrehravac() {
    Zrusit();
}

bool DlgNastPrehravac::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                       LRESULT& vysledek) {
    // The slider's own announcement has the number of the page's change, but names the slider,
    // not the page: the frame hears of it only through the page.
    if (zprava == Knihovna::TrackBarImpl::kZpravaPosunu &&
        reinterpret_cast<HWND>(lParam) == hlasitost_.Hwnd()) {
        OznamitZmenu();
        vysledek = 0;
        return true;
    }
    return StrankaNastaveni::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
}

bool DlgNastPrehravac::PriInicializaci() {
    HWND okno = Hwnd();
    const Nastaveni& kopie = kontext_.kopie;
    krok_.PripojitEdit(::GetDlgItem(okno, IDC_KROK_HLASITOSTI), kopie.krokZmenyHlasitosti,
                       kNejmensiKrok, kNejvetsiKrok);
    buffer_.PripojitEdit(::GetDlgItem(okno, IDC_SEKUND_BUFFERU), kopie.sekundBufferu, 0,
                         kNejvicSekundBufferu);
    if (const HRESULT hr =
            hlasitost_.PripojitPosuvnik(::GetDlgItem(okno, IDC_HLASITOST),
                                        static_cast<int>(kopie.hlasitost), IDC_HLASITOST_CISLO);
        FAILED(hr)) {
        FatalniHResult(hr);
    }
    ::CheckDlgButton(okno, IDC_PREHRAVAC_STREAMU,
                     kopie.prehravacStreamu == kStreamyOvladacem ? BST_UNCHECKED : BST_CHECKED);
    return false;
}

bool DlgNastPrehravac::PriPrikazu(WORD id, WORD kod, HWND) {
    if (id == IDC_PREHRAVAC_STREAMU && kod == BN_CLICKED) {
        OznamitZmenu();
        return true;
    }
    if (kod != EN_CHANGE || (id != IDC_KROK_HLASITOSTI && id != IDC_SEKUND_BUFFERU)) {
        return false;
    }
    OznamitZmenu();
    return true;
}

// A number that is not valid now (the field may still have the focus) keeps the old value;
// the field shows its bounds to the user.
bool DlgNastPrehravac::PriPouziti() {
    Nastaveni& kopie = kontext_.kopie;
    PrevzitCislo(krok_, kopie.krokZmenyHlasitosti);
    PrevzitCislo(buffer_, kopie.sekundBufferu);
    kopie.hlasitost = static_cast<std::uint32_t>(hlasitost_.Pozice());
    kopie.prehravacStreamu = ::IsDlgButtonChecked(Hwnd(), IDC_PREHRAVAC_STREAMU) == BST_CHECKED
                                 ? kStreamyVestavenym
                                 : kStreamyOvladacem;
    return true;
}

} // namespace Vrbatec::Ui
