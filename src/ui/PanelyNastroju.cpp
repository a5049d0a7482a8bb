#include "ui/PanelyNastroju.h"

#include <commctrl.h>

#include <array>

#include "winapi/Diagnostika.h"
#include "playback/DlgOvladaciPanel.h"
#include "res/resource.h"
#include "ui/ObrazkovyPruh.h"
#include "winapi/PopisOkna.h"

namespace Vrbatec::Ui {

namespace {

struct TlacitkoPanelu {
    int prikaz; // 0 for a separator
    int obrazekVelky;
    int obrazekMaly;
    BYTE styl;
};

constexpr TlacitkoPanelu kOddelovac{0, 0, 0, BTNS_SEP};

constexpr std::array<TlacitkoPanelu, 15> kTlacitka{{
    {ID_OTEVRIT_URL, 3, 23, BTNS_AUTOSIZE},
    kOddelovac,
    {ID_SPUSTIT_PRIJEM, 4, 0, BTNS_AUTOSIZE},
    {ID_ZASTAVIT_PRIJEM, 5, 10, BTNS_AUTOSIZE},
    kOddelovac,
    // The whole volume button opens the volume pop-up.
    {ID_HLASITOST, 6, 17, BTNS_AUTOSIZE | BTNS_WHOLEDROPDOWN},
    kOddelovac,
    {ID_SPUSTIT_ZAZNAM, 7, 11, BTNS_AUTOSIZE},
    {ID_UKONCIT_ZAZNAM, 5, 10, BTNS_AUTOSIZE},
    kOddelovac,
    {ID_NASTAVENI, 1, 14, BTNS_AUTOSIZE},
    kOddelovac,
    // Its arrow opens the help menu; the button itself opens About.
    {ID_O_PROGRAMU, 2, 16, BTNS_AUTOSIZE | BTNS_DROPDOWN},
    kOddelovac,
    {ID_KONEC, 0, 15, BTNS_AUTOSIZE},
}};

constexpr UINT kStylPasu = RBBS_BREAK | RBBS_GRIPPERALWAYS;
constexpr UINT kSirkaPasuTlacitek = 240;

void OveritZpravu(LRESULT vysledek) {
    if (vysledek == 0) {
        FatalniPosledniChyba();
    }
}

SIZE VelikostOkna(HWND okno) {
    RECT obdelnik{};
    if (!::GetWindowRect(okno, &obdelnik)) {
        FatalniPosledniChyba();
    }
    return {obdelnik.right - obdelnik.left, obdelnik.bottom - obdelnik.top};
}

} // namespace

PanelyNastroju::PanelyNastroju() = default;

PanelyNastroju::~PanelyNastroju() {
    Zrusit();
}

void PanelyNastroju::Sestavit(HWND hlavniOkno, HINSTANCE instance, const ObrazkovyPruh& pruh,
                              bool velke, const Viditelnost& viditelnost) {
    Zrusit();
    VytvoritRebar(hlavniOkno, instance);
    VytvoritToolbar(hlavniOkno, instance, pruh, velke);
    VlozitPasTlacitek(pruh.VelikostObrazku());
    VytvoritOvladaciPanel(instance);
    VytvoritCombo(instance);
    ZobrazitPas(kPasOvladani, viditelnost.ovladani);
    ZobrazitPas(kPasTlacitek, viditelnost.tlacitka);
    ZobrazitPas(kPasZdroju, viditelnost.zdroje);
}

void PanelyNastroju::Zrusit() {
    if (ovladaciPanel_) {
        ovladaciPanel_->Zrusit();
        ovladaciPanel_.reset();
    }
    combo_.Uvolnit();
    toolbar_.Reset();
    rebar_.Reset();
}

bool PanelyNastroju::PasViditelny(UINT idPasu) const {
    if (!rebar_) {
        return false;
    }
    const int index = IndexPasu(idPasu);
    if (index < 0) {
        return false;
    }
    REBARBANDINFOW pas{};
    pas.cbSize = sizeof(pas);
    pas.fMask = RBBIM_STYLE;
    if (::SendMessageW(rebar_.Get(), RB_GETBANDINFOW, static_cast<WPARAM>(index),
                       reinterpret_cast<LPARAM>(&pas)) == 0) {
        return false;
    }
    return (pas.fStyle & RBBS_HIDDEN) == 0;
}

void PanelyNastroju::ZobrazitPas(UINT idPasu, bool zobrazit) {
    const int index = IndexPasu(idPasu);
    if (index < 0) {
        FatalniHResult(E_INVALIDARG);
    }
    OveritZpravu(::SendMessageW(rebar_.Get(), RB_SHOWBAND, static_cast<WPARAM>(index),
                                zobrazit ? TRUE : FALSE));
}

int PanelyNastroju::VyskaRebaru() const {
    return rebar_ ? VelikostOkna(rebar_.Get()).cy : 0;
}

void PanelyNastroju::PriZmeneVelikosti(int sirka) {
    if (rebar_) {
        ::MoveWindow(rebar_.Get(), 0, 0, sirka, VyskaRebaru(), TRUE);
    }
}

void PanelyNastroju::PouzitStav(const PravidlaPrikazu::Stav& stav) {
    using PravidlaPrikazu::Povrch;
    const HWND toolbar = toolbar_.Get();
    if (toolbar == nullptr) {
        return;
    }
    for (const std::uint32_t prikaz : PravidlaPrikazu::PrikazySPravidlem(Povrch::PanelNastroju)) {
        const auto tlacitko = PravidlaPrikazu::Urcit(prikaz, stav, Povrch::PanelNastroju);
        OveritZpravu(
            ::SendMessageW(toolbar, TB_HIDEBUTTON, prikaz, MAKELPARAM(!tlacitko.viditelne, 0)));
        OveritZpravu(
            ::SendMessageW(toolbar, TB_ENABLEBUTTON, prikaz, MAKELPARAM(tlacitko.povoleno, 0)));
    }
}

void PanelyNastroju::VytvoritRebar(HWND hlavniOkno, HINSTANCE instance) {
    rebar_.Reset(::CreateWindowExW(
        0, REBARCLASSNAMEW, L"RRebar",
        WS_CHILD | WS_VISIBLE | CCS_TOP | CCS_NOPARENTALIGN | CCS_NODIVIDER | RBS_BANDBORDERS, 0, 0,
        0, 0, hlavniOkno, WinApi::MenuZId(IDC_REBAR), instance, nullptr));
    if (!rebar_) {
        FatalniPosledniChyba();
    }
    // Not every rebar keeps the text given at creation; the name identifies the window.
    OveritZpravu(::SetWindowTextW(rebar_.Get(), L"RRebar"));
    REBARINFO info{};
    info.cbSize = sizeof(info);
    OveritZpravu(::SendMessageW(rebar_.Get(), RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info)));
}

void PanelyNastroju::VytvoritToolbar(HWND hlavniOkno, HINSTANCE instance, const ObrazkovyPruh& pruh,
                                     bool velke) {
    // Created in the main window, so that its notifications reach the main window after
    // the rebar has adopted it.
    toolbar_.Reset(::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                         CCS_TOP | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS |
                                         TBSTYLE_WRAPABLE | TBSTYLE_FLAT | TBSTYLE_TRANSPARENT,
                                     0, 0, 0, 0, hlavniOkno, WinApi::MenuZId(IDC_PANEL_NASTROJU),
                                     instance, nullptr));
    if (!toolbar_) {
        FatalniPosledniChyba();
    }
    const HWND toolbar = toolbar_.Get();
    ::SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pruh.Seznam()));
    ::SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    ::SendMessageW(toolbar, TB_SETDISABLEDIMAGELIST, 0,
                   reinterpret_cast<LPARAM>(pruh.SedySeznam()));
    for (const TlacitkoPanelu& t : kTlacitka) {
        TBBUTTON tlacitko{};
        tlacitko.iBitmap = t.prikaz == 0 ? 0 : (velke ? t.obrazekVelky : t.obrazekMaly);
        tlacitko.idCommand = t.prikaz;
        tlacitko.fsState = TBSTATE_ENABLED;
        tlacitko.fsStyle = t.styl;
        tlacitko.iString = -1;
        OveritZpravu(::SendMessageW(toolbar, TB_INSERTBUTTONW, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(&tlacitko)));
    }
}

void PanelyNastroju::VlozitPasTlacitek(int vyskaObrazku) {
    REBARBANDINFOW pas{};
    pas.cbSize = sizeof(pas);
    pas.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    pas.fStyle = kStylPasu;
    pas.lpText = const_cast<wchar_t*>(L"");
    pas.hwndChild = toolbar_.Get();
    pas.cxMinChild = kSirkaPasuTlacitek;
    pas.cyMinChild = static_cast<UINT>(vyskaObrazku + 8);
    pas.cx = kSirkaPasuTlacitek;
    pas.wID = kPasTlacitek;
    VlozitPas(pas);
}

void PanelyNastroju::VytvoritOvladaciPanel(HINSTANCE instance) {
    ovladaciPanel_ = std::make_unique<DlgOvladaciPanel>();
    const HWND panel = ovladaciPanel_->Vytvorit(instance, rebar_.Get());
    if (panel == nullptr) {
        FatalniPosledniChyba();
    }
    VlozitPasSPrvkem(kPasOvladani, panel);
    ::ShowWindow(panel, SW_SHOW);
}

void PanelyNastroju::VytvoritCombo(HINSTANCE instance) {
    combo_.Vytvorit({.trida = WC_COMBOBOXW,
                     .styl = WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST,
                     .x = 0,
                     .y = 0,
                     .sirka = 250,
                     .vyska = 200,
                     .rodic = rebar_.Get(),
                     .menu = WinApi::MenuZId(IDC_COMBO_ZDROJU),
                     .instance = instance});
    ::SendMessageW(combo_.Hwnd(), WM_SETFONT,
                   reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    VlozitPasSPrvkem(kPasZdroju, combo_.Hwnd());
}

// The control panel and the combo box keep the size they were created with.
void PanelyNastroju::VlozitPasSPrvkem(UINT idPasu, HWND prvek) {
    const SIZE velikost = VelikostOkna(prvek);
    REBARBANDINFOW pas{};
    pas.cbSize = sizeof(pas);
    pas.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID;
    pas.fStyle = kStylPasu;
    pas.hwndChild = prvek;
    pas.cxMinChild = static_cast<UINT>(velikost.cx);
    pas.cyMinChild = static_cast<UINT>(velikost.cy);
    pas.cx = static_cast<UINT>(velikost.cx);
    pas.wID = idPasu;
    VlozitPas(pas);
}

void PanelyNastroju::VlozitPas(REBARBANDINFOW& pas) {
    OveritZpravu(::SendMessageW(rebar_.Get(), RB_INSERTBANDW, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(&pas)));
}

int PanelyNastroju::IndexPasu(UINT idPasu) const {
    if (!rebar_) {
        return -1;
    }
    return static_cast<int>(::SendMessageW(rebar_.Get(), RB_IDTOINDEX, idPasu, 0));
}

} // namespace Vrbatec::Ui
