#include "update/DlgProgramInfo.h"

#include <commctrl.h>

#include <cstddef>
#include <iterator>
#include <string>

#include "res/resource.h"
#include "update/Odkazy.h"
#include "update/VerzeProgramu.h"
#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/VerzniInformace.h"

namespace Vrbatec {

namespace {

constexpr int kOdkazyJinychAplikaci[] = {IDC_ODKAZ_APLIKACE_1, IDC_ODKAZ_APLIKACE_2};
static_assert(std::size(kOdkazyJinychAplikaci) == Odkazy::kJineAplikace.size());

// Only the main window's thread opens the dialog, so the one slot needs no lock.
HWND g_otevrene = nullptr;

} // namespace

bool DlgProgramInfo::PriInicializaci() {
    Pripravit({IDC_IKONA_APLIKACE, IDC_NADPIS, IDC_COPYRIGHT, IDC_VERZE, IDC_NADPIS_VYZKOUSEJTE,
               IDC_ODKAZ_EMAIL, IDC_ODKAZ_WEB_FIRMY, IDC_ODKAZ_APLIKACE_1, IDC_ODKAZ_APLIKACE_2});
    HWND okno = Hwnd();
    g_otevrene = okno;
    std::wstring copyright;
    NacistHodnotuVerze(L"LegalCopyright", copyright);
    ::SetDlgItemTextW(okno, IDC_COPYRIGHT, copyright.c_str());
    ::SetDlgItemTextW(okno, IDC_VERZE,
                      (L"verze: " + VerzeProgramu() + L"  (64-bitová verze)").c_str());

    vyzkousejte_.PripojitNadpis(::GetDlgItem(okno, IDC_NADPIS_VYZKOUSEJTE));
    vyzkousejte_.NastavitPozadi(::GetSysColorBrush(COLOR_WINDOW));
    vyzkousejte_.NastavitNazevPisma(L"Verdana");

    email_.PripojitOdkaz(::GetDlgItem(okno, IDC_ODKAZ_EMAIL), Odkazy::EmailKontaktu().c_str());
    webFirmy_.PripojitOdkaz(::GetDlgItem(okno, IDC_ODKAZ_WEB_FIRMY),
                            std::wstring(Odkazy::kWebFirmy).c_str());
    PridatTipy(okno);
    Ukazat();
    return true;
}

void DlgProgramInfo::PridatTipy(HWND okno) {
    const HINSTANCE instance = ZverejnenyModul().Instance();
    tipy_.Vytvorit(okno, instance);
    tipy_.PridatNastroj(::GetDlgItem(okno, IDC_ODKAZ_EMAIL), instance, IDS_TIP_EMAIL_FIRME);
    tipy_.PridatNastroj(::GetDlgItem(okno, IDC_ODKAZ_WEB_FIRMY), instance, IDS_TIP_WEB_FIRMY);
    for (std::size_t i = 0; i < Odkazy::kJineAplikace.size(); ++i) {
        tipy_.PridatNastroj(::GetDlgItem(okno, kOdkazyJinychAplikaci[i]),
                            Odkazy::TipJineAplikace(Odkazy::kJineAplikace[i]));
    }
}

bool DlgProgramInfo::PriOznameni(const NMHDR& oznameni, LRESULT&) {
    if (oznameni.code != NM_CLICK && oznameni.code != NM_RETURN) {
        return false;
    }
    for (std::size_t i = 0; i < Odkazy::kJineAplikace.size(); ++i) {
        if (oznameni.idFrom == static_cast<UINT_PTR>(kOdkazyJinychAplikaci[i])) {
            ZverejnenyModul().OtevritUrl(Odkazy::WebJineAplikace(Odkazy::kJineAplikace[i]));
            return true;
        }
    }
    return false;
}

void ZobrazitOProgramu() {
    if (g_otevrene != nullptr) {
        ::SetForegroundWindow(g_otevrene);
        return;
    }
    // The slot is filled once the window exists: WM_INITDIALOG is the first message that
    // reaches the object with its window.
    DlgProgramInfo dialog;
    struct Uklid {
        ~Uklid() { g_otevrene = nullptr; }
    } uklid;
    const INITCOMMONCONTROLSEX odkazy{sizeof(odkazy), ICC_LINK_CLASS};
    ::InitCommonControlsEx(&odkazy);
    dialog.SpustitModalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_PROGRAM_INFO),
                          nullptr);
}

HWND OknoOProgramu() {
    return g_otevrene;
}

void ZavritOProgramu() {
    if (g_otevrene != nullptr) {
        ::PostMessageW(g_otevrene, WM_COMMAND, IDCANCEL, 0);
    }
}

} // namespace Vrbatec
