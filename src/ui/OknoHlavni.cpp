#include "ui/OknoHlavni.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/VzorTextu.h"
#include "config/PopisNastaveni.h"
#include "config/UlozisteNastaveni.h"
#include "playback/DlgHlasitost.h"
#include "playback/DlgOvladaciPanel.h"
#include "playback/PrehravacSmerovany.h"
#include "playback/PrehravacStreamu.h"
#include "playback/PrehravacWmp.h"
#include "res/resource.h"
#include "sources/DlgVstupUrl.h"
#include "sources/DlgZdrojInfo.h"
#include "sources/UlozisteZdroju.h"
#include "ui/NabidkyHlavnihoOkna.h"
#include "ui/ObrazkovyPruh.h"
#include "ui/OknoKlientskaOblast.h"
#include "ui/PravidlaOkna.h"
#include "ui/PravidlaPrikazu.h"
#include "ui/RozvrzeniOkna.h"
#include "ui/StavPrikazu.h"
#include "update/PrikazyOdkazu.h"
#include "winapi/OdrazitOznameni.h"
#include "winapi/RegistraceTridy.h"
#include "winapi/UmisteniOkna.h"

namespace Vrbatec::Ui {

namespace {

std::wstring FormatovatTextPripraven(const std::wstring& nazevProduktu) {
    std::wstring vzor;
    NacistRetezec(IDS_PRIPRAVEN, vzor);
    return VzorTextu::Dosadit(vzor, {nazevProduktu});
}

int PasPrikazu(UINT prikaz) {
    return static_cast<int>(prikaz - ID_PANEL_TLACITEK);
}

} // namespace

Prehravani::TovarnaPrehravace OknoHlavni::TovarnaPrehravaceAplikace() {
    return [](HWND rodic, PosluchacPrehravace& posluchac) {
        const HINSTANCE instance = ZverejnenyModul().Instance();
        TovarnyPrehravace tovarny{
            .ovladac =
                [instance, rodic](PosluchacPrehravace& p) {
                    return VytvoritPrehravacWmp(instance, rodic, p);
                },
            .motor =
                [instance, rodic](PosluchacPrehravace& p) {
                    return VytvoritPrehravacStreamu(instance, rodic, p);
                },
            .volba = [] { return NastaveniAplikace().prehravacStreamu; },
        };
        return VytvoritPrehravacSmerovany(std::move(tovarny), posluchac);
    };
}

OknoHlavni::OknoHlavni(SluzbyAplikace& aplikace, Prehravani::TovarnaPrehravace tovarna,
                       TovarnaGrafu tovarnaGrafu, PlatformaIkony& platformaIkony)
    : aplikace_(aplikace), zdroje_(Zdroje(), UlozisteSeznamuZdroju(), *this),
      prehravani_(*this, std::move(tovarna), ProstrediAplikace()), nabidka_(aplikace, panely_),
      soucastZdroju_(zdroje_), stavovyRadek_(aplikace, textPripraven_),
      soucastPanelu_(aplikace, panely_, zdroje_, soucastPrehravani_),
      soucastPrehravani_(prehravani_), soucastZaznamu_(*this, prehravani_, std::move(tovarnaGrafu)),
      soucastIkony_(aplikace, prehravani_, platformaIkony),
      horkeKlavesy_(*this, aplikace.PrvniInstance()), panelUloh_(aplikace),
      soucastNastaveni_(*this, aplikace), soucastAktualizace_(aplikace, platformaIkony),
      soucasti_{&nabidka_,           &soucastZdroju_,    &stavovyRadek_,      &soucastPanelu_,
                &soucastPrehravani_, &soucastZaznamu_,   &soucastIkony_,      &horkeKlavesy_,
                &panelUloh_,         &soucastNastaveni_, &soucastAktualizace_} {}

OknoHlavni::~OknoHlavni() {
    // The window's last messages must still reach this object, so it goes down here.
    if (HWND okno = Hwnd(); okno != nullptr && VytvorenoObjektem()) {
        ::DestroyWindow(okno);
    }
}

void OknoHlavni::Vytvorit() {
    IVrbatecModul& modul = ZverejnenyModul();
    NastavitKlicRegistru(kKorenNastaveni);
    textPripraven_ = FormatovatTextPripraven(modul.NazevAplikace());
    textStavu_ = textPripraven_;

    WNDCLASSEXW trida{};
    trida.hInstance = modul.Instance();
    trida.lpszClassName = kTrida;
    trida.lpszMenuName = MAKEINTRESOURCEW(IDR_HLAVNI_MENU);
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    if (WinApi::RegistrovatTriduOkna(trida) == 0) {
        FatalniPosledniChyba();
    }
    // The first size is for 100 %; on a denser screen the window grows with the text in it.
    const int dpi = static_cast<int>(::GetDpiForSystem());
    const HWND okno = OknoImpl::Vytvorit({.trida = kTrida,
                                          .text = modul.NazevAplikace().c_str(),
                                          .styl = WS_OVERLAPPEDWINDOW,
                                          .x = 0,
                                          .y = 0,
                                          .sirka = ::MulDiv(520, dpi, USER_DEFAULT_SCREEN_DPI),
                                          .vyska = ::MulDiv(280, dpi, USER_DEFAULT_SCREEN_DPI),
                                          .instance = modul.Instance()});
    if (okno == nullptr) {
        FatalniPosledniChyba();
    }
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    ::SetWindowTextW(okno, modul.NazevAplikace().c_str());

    // A size this version does not know is taken as small, and kept so from now on.
    Nastaveni kopie = UlozisteAplikace().Kopie();
    kopie.toolBar = PravidlaOkna::VelikostPanelu(kopie.toolBar);
    PouzitNastaveni(kopie, Ulozeni::Nic);
    const Nastaveni& nastaveni = NastaveniAplikace();
    PripojitSoucasti();
    if (nastaveni.ikona >= kIkonaVzdy) {
        ZajistitIkonuOznameni();
    }
    if (NacistPolohu(nullptr, false) != 0) {
        WinApi::Vycentrovat(okno);
    }
    AktualizovatStavPrikazu();
    ::ShowWindow(okno, SW_SHOW);
    if (nastaveni.spustitDoIkony) {
        ZajistitIkonuOznameni();
        if (IkonaOznameniExistuje()) {
            ::ShowWindow(okno, SW_HIDE);
        }
    }
    NakreslitHned();
    // The hosted control is never seen and is slow to create, so the window is drawn first.
    // The player is still there before any posted message, the start command and the
    // automatic start among them, is handled.
    soucastPrehravani_.VytvoritPrehravac();
    ::PostMessageW(okno, WM_PO_VYTVORENI, 0, 0);
    PoslatZmenuVelikosti();
}

void OknoHlavni::NakreslitHned() {
    const HWND okno = Hwnd();
    if (!::IsWindowVisible(okno)) {
        return;
    }
    // The same layout the posted size change brings, only now, so that the first picture
    // is the right one.
    RECT klient{};
    ::GetClientRect(okno, &klient);
    ::SendMessageW(okno, WM_SIZE, SIZE_RESTORED, MAKELPARAM(klient.right, klient.bottom));
    ::RedrawWindow(okno, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void OknoHlavni::PripojitSoucasti() {
    // A component sees its own window's first messages (the list view's selection among
    // them), so it counts as attached from the moment it starts attaching.
    for (SoucastOkna* soucast : soucasti_) {
        ++pripojeno_;
        soucast->Pripojit(Hwnd());
    }
}

void OknoHlavni::OdpojitSoucasti() {
    while (pripojeno_ > 0) {
        soucasti_[--pripojeno_]->Odpojit();
    }
}

bool OknoHlavni::NabidnoutSoucastem(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) {
    for (std::size_t i = 0; i < pripojeno_; ++i) {
        if (soucasti_[i]->ZpracovatZpravu(zprava, wParam, lParam, vysledek)) {
            return true;
        }
    }
    return false;
}

StavProgramu OknoHlavni::Snimek() const {
    return StavProgramu{
        .vybranyIndex = zdroje_.VybranyIndex(),
        .pocetZdroju = Zdroje().Pocet(),
        .prehravanyIndex = prehravani_.PrehravanyIndex(),
        .nahravani = soucastZaznamu_.Nahrava(),
        .ztlumeno = prehravani_.Ztlumeno(),
        .oknoViditelne = Hwnd() != nullptr && ::IsWindowVisible(Hwnd()) != FALSE,
        .seznamZobrazen = zdroje_.SeznamHwnd() != nullptr,
    };
}

void OknoHlavni::AktualizovatStavPrikazu() {
    const StavProgramu stav = Snimek();
    for (std::size_t i = 0; i < pripojeno_; ++i) {
        soucasti_[i]->Obnovit(stav);
    }
}

void OknoHlavni::ZobrazitOkno() {
    const HWND okno = PlatneOkno();
    ::ShowWindow(okno, SW_RESTORE);
    ::ShowWindow(okno, SW_SHOW);
    ::SetForegroundWindow(okno);
    PoslatZmenuVelikosti();
}

bool OknoHlavni::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                                 LRESULT& vysledek) {
    // A control's own notifications go back to the control before anyone else sees them.
    if (zprava == WM_NOTIFY && WinApi::OdrazitOznameni(okno, zprava, wParam, lParam, vysledek)) {
        return true;
    }
    if (NabidnoutSoucastem(zprava, wParam, lParam, vysledek)) {
        return true;
    }
    return ZpracovatVlastniZpravu(zprava, wParam, lParam, vysledek);
}

bool OknoHlavni::ZpracovatVlastniZpravu(UINT zprava, WPARAM wParam, LPARAM lParam,
                                        LRESULT& vysledek) {
    switch (zprava) {
    case WM_COMMAND:
        PriPrikazu(LOWORD(wParam));
        vysledek = 0;
        return true;
    case WM_NOTIFY:
        return PriOznameni(*reinterpret_cast<const NMHDR*>(lParam), vysledek);
    case WM_CONTEXTMENU:
        vysledek = 0;
        return PriKontextoveNabidce(reinterpret_cast<HWND>(wParam));
    case WM_SIZE:
        PriZmeneVelikosti(LOWORD(lParam), HIWORD(lParam));
        vysledek = 0;
        return true;
    case WM_SYSCOMMAND:
        return PriSystemovemPrikazu(wParam, lParam, vysledek);
    case WM_HLASITOST_Z_POPUPU:
        PriHlasitostiZPopupu(static_cast<int>(wParam));
        vysledek = 0;
        return true;
    case WM_ZNOVU_POUZIT:
        ZnovuPouzitNastaveni();
        vysledek = 0;
        return true;
    case WM_PO_VYTVORENI:
        PoVytvoreni();
        vysledek = 0;
        return true;
    case WM_CLOSE:
    case WM_ENDSESSION:
        // Whether the session really ends does not matter: everything worth keeping is saved.
        PriUkonceni();
        return false;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        vysledek = 0;
        return true;
    default:
        return false;
    }
}

void OknoHlavni::PoVytvoreni() {
    if (aplikace_.PrvniSpusteni()) {
        soucastNastaveni_.PrvniSpusteni();
    }
    aplikace_.NastavitPrioritu();
    if (const std::uint32_t prikaz = aplikace_.StartovniPrikaz(); prikaz != 0) {
        ::PostMessageW(Hwnd(), WM_COMMAND, prikaz, 0);
        return;
    }
    const Nastaveni& nastaveni = NastaveniAplikace();
    if (nastaveni.skrytDoIkony) {
        ::PostMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, kVynucenaMinimalizace);
    }
    if (nastaveni.spustitPrijem) {
        ::PostMessageW(Hwnd(), WM_COMMAND, ID_SPUSTIT_PRIJEM, 0);
    }
}

void OknoHlavni::PriUkonceni() {
    UlozitPolohu(nullptr);
    if (const HRESULT hr = UlozisteAplikace().UlozitStavZobrazeni(); FAILED(hr)) {
        ZobrazitChybuSPopisem(L"Stav zobrazení se nepodařilo uložit.", hr);
    }
    // The pop-up's thread ends before the window it reports to.
    popupHlasitosti_.Zavrit();
    panelInformaci_.reset();
    OdpojitSoucasti();
}

void OknoHlavni::PriPrikazu(UINT prikaz) {
    switch (prikaz) {
    case ID_KONEC:
        ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
        break;
    case ID_WEBOVE_STRANKY:
        PrikazyOdkazu::OtevritWebAplikace();
        break;
    case ID_TECHNICKA_PODPORA:
        PrikazyOdkazu::OtevritPodporu();
        break;
    case ID_VLASTNOSTI_ZDROJE:
        ZobrazitVlastnostiZdroje();
        break;
    case ID_OTEVRIT_URL:
        OtevritUrlNeboSoubor();
        break;
    case ID_SEZNAM_ZDROJU:
        PrepnoutKlientskouOblast();
        break;
    case ID_PANEL_TLACITEK:
    case ID_PANEL_OVLADANI:
    case ID_PANEL_ZDROJU:
        PrepnoutPas(prikaz);
        break;
    case ID_ZOBRAZIT_SKRYT_OKNO:
        ZobrazitNeboSkryt();
        break;
    case ID_ZOBRAZIT_OKNO:
        ZobrazitOkno();
        break;
    case ID_SKRYT_OKNO:
        SkrytDoIkony();
        break;
    case ID_MALE_IKONY:
        ZmenitVelikostIkon(kPanelMaleIkony);
        break;
    case ID_VELKE_IKONY:
        ZmenitVelikostIkon(kPanelVelkeIkony);
        break;
    default:
        break;
    }
}

bool OknoHlavni::PriOznameni(const NMHDR& oznameni, LRESULT& vysledek) {
    switch (oznameni.code) {
    case TBN_DROPDOWN: {
        const auto& tlacitko = reinterpret_cast<const NMTOOLBARW&>(oznameni);
        if (tlacitko.iItem == ID_O_PROGRAMU) {
            OtevritNabidku(IDR_MENU_NAPOVEDA, {});
        } else if (tlacitko.iItem == ID_HLASITOST) {
            OtevritHlasitost();
        }
        vysledek = TBDDRET_DEFAULT;
        return true;
    }
    case TTN_GETDISPINFOW:
        return NabidkyHlavnihoOkna::PriTipuTlacitka(
            *reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(&oznameni)));
    case RBN_HEIGHTCHANGE:
        UmistitSeznam();
        vysledek = 0;
        return true;
    default:
        return false;
    }
}

void OknoHlavni::PriZmeneVelikosti(int sirka, int vyska) {
    panely_.PriZmeneVelikosti(sirka);
    stavovyRadek_.PriZmeneVelikosti();
    const auto oblast =
        RozvrzeniOkna::OblastSeznamu(sirka, vyska, panely_.VyskaRebaru(), stavovyRadek_.Vyska());
    const RECT obdelnik{oblast.x, oblast.y, oblast.x + oblast.sirka, oblast.y + oblast.vyska};
    if (const HWND seznam = zdroje_.SeznamHwnd(); seznam != nullptr && ::IsWindowVisible(seznam)) {
        zdroje_.UmistitSeznam(obdelnik);
    }
    if (panelInformaci_ && panelInformaci_->Hwnd() != nullptr) {
        ::SetWindowPos(panelInformaci_->Hwnd(), nullptr, oblast.x, oblast.y, oblast.sirka,
                       oblast.vyska, SWP_NOZORDER);
    }
}

void OknoHlavni::UmistitSeznam() {
    RECT klient{};
    if (zdroje_.SeznamHwnd() == nullptr || !::GetClientRect(Hwnd(), &klient)) {
        return;
    }
    const auto oblast = RozvrzeniOkna::OblastSeznamu(klient.right, klient.bottom,
                                                     panely_.VyskaRebaru(), stavovyRadek_.Vyska());
    zdroje_.UmistitSeznam(
        RECT{oblast.x, oblast.y, oblast.x + oblast.sirka, oblast.y + oblast.vyska});
}

bool OknoHlavni::PriSystemovemPrikazu(WPARAM wParam, LPARAM lParam, LRESULT& vysledek) {
    if (wParam == SC_RESTORE) {
        vysledek = VychoziZpracovani();
        PoslatZmenuVelikosti();
        return true;
    }
    if (wParam != SC_MINIMIZE) {
        return false;
    }
    const Nastaveni& nastaveni = NastaveniAplikace();
    if (!PravidlaOkna::IkonaPriMinimalizaci(nastaveni.ikona, lParam == kVynucenaMinimalizace)) {
        return false;
    }
    ZajistitIkonuOznameni();
    vysledek = VychoziZpracovani();
    if (!nastaveni.pruhUloh && IkonaOznameniExistuje()) {
        ::ShowWindow(Hwnd(), SW_HIDE);
    }
    return true;
}

bool OknoHlavni::PriKontextoveNabidce(HWND okno) {
    if (okno == nullptr) {
        return false;
    }
    if (okno == panely_.Rebar()) {
        OtevritNabidku(IDR_MENU_PANELY,
                       {.panely = &panely_, .toolBar = NastaveniAplikace().toolBar});
        return true;
    }
    if (okno == zdroje_.SeznamHwnd()) {
        OtevritNabidku(IDR_MENU_SEZNAM, {.prehravanyIndex = prehravani_.PrehravanyIndex(),
                                         .ztlumeno = prehravani_.Ztlumeno()});
        return true;
    }
    return false;
}

void OknoHlavni::OtevritNabidku(UINT idNabidky, const NabidkyHlavnihoOkna::StavNabidky& stav) {
    NabidkyHlavnihoOkna::Otevrit(idNabidky, Hwnd(), stav, aplikace_.MalyPruh(),
                                 aplikace_.VerzeWindows());
}

void OknoHlavni::PoslatZmenuVelikosti() {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    ::PostMessageW(Hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(klient.right, klient.bottom));
}

void OknoHlavni::PrepnoutKlientskouOblast() {
    const HINSTANCE instance = ZverejnenyModul().Instance();
    if (zdroje_.SeznamHwnd() != nullptr) {
        zdroje_.ZrusitSeznam();
        if (!panelInformaci_) {
            panelInformaci_ = std::make_unique<OknoKlientskaOblast>();
            panelInformaci_->Vytvorit(instance, Hwnd());
        }
    } else {
        panelInformaci_.reset();
        zdroje_.VytvoritSeznam(instance, Hwnd(), false);
    }
    PoslatZmenuVelikosti();
    AktualizovatStavPrikazu();
}

void OknoHlavni::PrepnoutPas(UINT prikaz) {
    if (panely_.Rebar() == nullptr) {
        return;
    }
    const int pas = PasPrikazu(prikaz);
    const bool viditelny = !panely_.PasViditelny(pas);
    Nastaveni kopie = UlozisteAplikace().Kopie();
    bool* nastaveniPasu[] = {&kopie.toolBarHlavni, &kopie.ovladaciPanel, &kopie.cbSeznamZdroju};
    *nastaveniPasu[pas] = viditelny;
    // The bands are written with the rest of the view when the session ends.
    if (PouzitNastaveni(kopie, Ulozeni::Nic)) {
        panely_.ZobrazitPas(pas, viditelny);
        AktualizovatStavPrikazu();
    }
}

void OknoHlavni::ZmenitVelikostIkon(std::uint32_t velikost) {
    Nastaveni kopie = UlozisteAplikace().Kopie();
    kopie.toolBar = velikost;
    if (!PouzitNastaveni(kopie, Ulozeni::StavZobrazeni)) {
        return;
    }
    soucastPanelu_.Sestavit(velikost == kPanelVelkeIkony);
    AktualizovatStavPrikazu();
    PoslatZmenuVelikosti();
}

bool OknoHlavni::PouzitNastaveni(const Nastaveni& kopie, Ulozeni ulozeni) {
    std::wstring chyba;
    const HRESULT hr = UlozisteAplikace().Pouzit(kopie, ulozeni, &chyba);
    if (hr == E_INVALIDARG && !chyba.empty()) {
        ZobrazitChybu(chyba);
        return false;
    }
    if (FAILED(hr)) {
        ZobrazitChybuSPopisem(ulozeni == Ulozeni::StavZobrazeni
                                  ? L"Stav zobrazení se nepodařilo uložit."
                                  : L"Nastavení se nepodařilo uložit.",
                              hr);
        return false;
    }
    return true;
}

void OknoHlavni::ZobrazitNeboSkryt() {
    if (!::IsWindowVisible(Hwnd())) {
        ZobrazitOkno();
    } else {
        ::SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
}

void OknoHlavni::SkrytDoIkony() {
    ::SendMessageW(Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, kVynucenaMinimalizace);
}

void OknoHlavni::ZnovuPouzitNastaveni() {
    aplikace_.NastavitPrioritu();
    const std::uint32_t ikona = NastaveniAplikace().ikona;
    // A hidden window keeps its icon: it is the only way back to it.
    if (::IsWindowVisible(Hwnd()) && ikona < kIkonaVzdy) {
        soucastIkony_.Smazat();
    }
    if (ikona == kIkonaVzdy) {
        ZajistitIkonuOznameni();
    }
}

// SoucastNastaveni::Okoli

bool OknoHlavni::OdregistrovatKlavesy() {
    const bool registrovany = horkeKlavesy_.Registrovano();
    if (registrovany) {
        horkeKlavesy_.OdregistrovatVse();
    }
    return registrovany;
}

void OknoHlavni::ZnovuRegistrovatKlavesy() {
    // Nothing stored leaves the table as the dialog left it in memory.
    UlozisteAplikace().NacistHorkeKlavesy();
    horkeKlavesy_.RegistrovatVse();
}

void OknoHlavni::NacistZdrojeZnovu() {
    zdroje_.NacistZnovu(NastaveniAplikace().soubor);
    AktualizovatStavPrikazu();
}

void OknoHlavni::OznamitNaIkone(const std::wstring& bublina, const std::wstring& tip) {
    ZobrazitBublinu(bublina, NIIF_INFO);
    NastavitTipIkony(tip);
}

void OknoHlavni::ZobrazitBublinu(const std::wstring& text, DWORD ikona) {
    soucastIkony_.ZobrazitBublinu(text, ikona);
}

void OknoHlavni::NastavitTipIkony(const std::wstring& tip) {
    soucastIkony_.NastavitTip(tip.empty() ? ZverejnenyModul().NazevAplikace() : tip);
}

// PohledyZdroju::Okoli

void OknoHlavni::ZmenilSeVyber() {
    AktualizovatStavPrikazu();
}

void OknoHlavni::PrehratVybrany() {
    prehravani_.Spustit();
}

void OknoHlavni::Zastavit() {
    prehravani_.Zastavit();
}

// Prehravani::Okoli

void OknoHlavni::NastavitTitulek(const std::wstring& titulek) {
    ::SetWindowTextW(PlatneOkno(), titulek.c_str());
}

void OknoHlavni::NastavitIkonuPrehravani(bool prehrava) {
    stavovyRadek_.UkazatPrehravani(prehrava);
}

void OknoHlavni::NastavitTextStavu(const std::wstring& text) {
    textStavu_ = text;
    ZnovuZobrazitTextStavu();
}

void OknoHlavni::ZnovuZobrazitTextStavu() {
    if (stavovyRadek_.Existuje()) {
        stavovyRadek_.NastavitText(textStavu_);
    }
}

void OknoHlavni::NastavitTextZtlumeni(bool ztlumeno) {
    nabidka_.NastavitTextZtlumeni(ztlumeno);
}

void OknoHlavni::UkazatHlasitostNaPanelu(std::uint32_t hlasitost) {
    if (DlgOvladaciPanel* panel = panely_.OvladaciPanel()) {
        panel->UkazatHlasitost(static_cast<int>(hlasitost));
    }
}

void OknoHlavni::UkazatZtlumeniNaPanelu(bool ztlumeno) {
    if (DlgOvladaciPanel* panel = panely_.OvladaciPanel()) {
        panel->UkazatZtlumeni(ztlumeno);
    }
}

void OknoHlavni::ZobrazitVlastnostiZdroje() {
    DlgZdrojInfo dialog(prehravani_.AktualniPrehravac(), Zdroje(), prehravani_.PrehravanyIndex());
    dialog.Spustit(::GetActiveWindow());
}

void OknoHlavni::OtevritUrlNeboSoubor() {
    DlgVstupUrl dialog;
    dialog.url = prehravani_.OtevrenaAdresa();
    if (dialog.Spustit(::GetActiveWindow(), aplikace_.MalyPruh().Seznam()) == IDOK) {
        prehravani_.PrehratAdresu(dialog.url);
    }
}

void OknoHlavni::OtevritHlasitost() {
    // A second drop-down while the pop-up is open does nothing.
    popupHlasitosti_.Otevrit(Hwnd(), static_cast<int>(NastaveniAplikace().hlasitost));
}

void OknoHlavni::PriHlasitostiZPopupu(int hlasitost) {
    prehravani_.NastavitHlasitostOvladanim(static_cast<std::uint32_t>(hlasitost));
    UkazatHlasitostNaPanelu(static_cast<std::uint32_t>(hlasitost));
}

} // namespace Vrbatec::Ui
