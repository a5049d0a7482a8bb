#include "ui/DlgKlientskaOblast.h"

#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include <cstddef>
#include <iterator>
#include <string>
#include <utility>

#include "winapi/Diagnostika.h"
#include "winapi/VerzniInformace.h"
#include "res/resource.h"
#include "update/Odkazy.h"
#include "update/PrikazyOdkazu.h"
#include "winapi/OtviracOdkazu.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec {

namespace {

constexpr int kPrvky[] = {IDC_NADPIS,           IDC_COPYRIGHT,          IDC_ODKAZ_WEB_FIRMY,
                          IDC_ODKAZ_EMAIL,      IDC_NADPIS_VYZKOUSEJTE, IDC_ODKAZ_APLIKACE_1,
                          IDC_ODKAZ_APLIKACE_2, IDC_ODKAZ_WEB_APLIKACE};
constexpr int kOdkazyJinychAplikaci[] = {IDC_ODKAZ_APLIKACE_1, IDC_ODKAZ_APLIKACE_2};
static_assert(std::size(kOdkazyJinychAplikaci) == Odkazy::kJineAplikace.size());

BOOL CALLBACK NastavitPismoPotomka(HWND potomek, LPARAM pismo) {
    ::SendMessageW(potomek, WM_SETFONT, static_cast<WPARAM>(pismo), TRUE);
    return TRUE;
}

// The panel's own links: nothing to tell the user when no program takes them.
void OtevritPotichu(const std::wstring& cil) {
    WinApi::OtevritOdkaz(cil, SW_MAXIMIZE);
}

} // namespace

DlgKlientskaOblast::~DlgKlientskaOblast() {
    Zrusit();
}

HWND DlgKlientskaOblast::Vytvorit(HINSTANCE instance, HWND rodic) {
    const INITCOMMONCONTROLSEX odkazy{sizeof(odkazy), ICC_LINK_CLASS};
    if (!::InitCommonControlsEx(&odkazy)) {
        return nullptr;
    }
    instance_ = instance;
    return VytvoritNemodalne(instance, MAKEINTRESOURCEW(IDD_KLIENTSKA_OBLAST), rodic);
}

bool DlgKlientskaOblast::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                         LRESULT& vysledek) {
    // The base first: it reflects the colour messages to the controls before they are answered
    // here for the panel as a whole.
    if (Dialog::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    switch (zprava) {
    case WM_THEMECHANGED:
        PouzitPismoMotivu(okno);
        return false;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        vysledek = BarvaPozadi(reinterpret_cast<HDC>(wParam));
        return true;
    default:
        return false;
    }
}

bool DlgKlientskaOblast::PriInicializaci() {
    HWND okno = Hwnd();
    for (const int id : kPrvky) {
        if (::GetDlgItem(okno, id) == nullptr) {
            FatalniHResult(E_HANDLE);
        }
    }
    pismoDialogu_ = reinterpret_cast<HFONT>(::SendMessageW(okno, WM_GETFONT, 0, 0));
    const HBRUSH pozadi = ::GetSysColorBrush(COLOR_WINDOW);

    // The headings take their font from the control's, so they come before the theme font.
    nazev_.PripojitNadpis(::GetDlgItem(okno, IDC_NADPIS));
    nazev_.NastavitPozadi(pozadi);
    nazev_.NastavitNazevPisma(L"Verdana");
    ::SetDlgItemTextW(okno, IDC_NADPIS, ZverejnenyModul().NazevAplikace().c_str());
    vyzkousejte_.PripojitNadpis(::GetDlgItem(okno, IDC_NADPIS_VYZKOUSEJTE));
    vyzkousejte_.NastavitPozadi(pozadi);

    std::wstring copyright;
    NacistHodnotuVerze(L"LegalCopyright", copyright);
    ::SetDlgItemTextW(okno, IDC_COPYRIGHT, (L" " + copyright).c_str());

    PouzitPismoMotivu(okno);
    PridatTipy(okno);
    return false; // the focus stays where the main window has it
}

void DlgKlientskaOblast::PridatTipy(HWND okno) {
    tipy_.Vytvorit(okno, instance_);
    tipy_.PridatNastroj(::GetDlgItem(okno, IDC_ODKAZ_EMAIL), instance_, IDS_TIP_EMAIL_FIRME);
    tipy_.PridatNastroj(::GetDlgItem(okno, IDC_ODKAZ_WEB_FIRMY), instance_, IDS_TIP_WEB_FIRMY);
    tipy_.PridatNastroj(::GetDlgItem(okno, IDC_ODKAZ_WEB_APLIKACE), instance_,
                        IDS_TIP_WEB_APLIKACE);
    for (std::size_t i = 0; i < Odkazy::kJineAplikace.size(); ++i) {
        tipy_.PridatNastroj(::GetDlgItem(okno, kOdkazyJinychAplikaci[i]),
                            Odkazy::TipJineAplikace(Odkazy::kJineAplikace[i]));
    }
}

void DlgKlientskaOblast::PouzitPismoMotivu(HWND okno) {
    WinApi::UniqueFont pismoMotivu;
    LOGFONTW parametry{};
    if (::IsAppThemed() && SUCCEEDED(::GetThemeSysFont(nullptr, TMT_MSGBOXFONT, &parametry))) {
        pismoMotivu.Reset(::CreateFontIndirectW(&parametry));
    }
    HFONT pismo = pismoMotivu ? pismoMotivu.Get() : pismoDialogu_;
    ::EnumChildWindows(okno, &NastavitPismoPotomka, reinterpret_cast<LPARAM>(pismo));
    // The previous theme font goes only now that no control uses it.
    pismoMotivu_ = std::move(pismoMotivu);
}

bool DlgKlientskaOblast::PriOznameni(const NMHDR& oznameni, LRESULT&) {
    if (oznameni.code != NM_CLICK && oznameni.code != NM_RETURN) {
        return false;
    }
    switch (oznameni.idFrom) {
    case IDC_ODKAZ_WEB_FIRMY:
        OtevritPotichu(std::wstring(Odkazy::kWebFirmy));
        return true;
    case IDC_ODKAZ_EMAIL:
        OtevritPotichu(Odkazy::EmailPodporyPanelu());
        return true;
    case IDC_ODKAZ_WEB_APLIKACE:
        PrikazyOdkazu::OtevritWebAplikace();
        return true;
    case IDC_ODKAZ_APLIKACE_1:
    case IDC_ODKAZ_APLIKACE_2: {
        const std::size_t i = oznameni.idFrom == IDC_ODKAZ_APLIKACE_1 ? 0 : 1;
        ZverejnenyModul().OtevritUrl(Odkazy::WebJineAplikace(Odkazy::kJineAplikace[i]));
        return true;
    }
    default:
        return false;
    }
}

LRESULT DlgKlientskaOblast::BarvaPozadi(HDC dc) {
    ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
    ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
}

} // namespace Vrbatec
