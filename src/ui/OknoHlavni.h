// The main window: the program's only top-level window and the place where every command
// arrives as WM_COMMAND (menus, accelerators, toolbar, popups, forwarded command words).
//
// It holds the rebar with the toolbar, the control panel and the sources combo box, the
// client area (the source list or, in its place, the information panel) and the status bar,
// and after every change of selection, playback, recording or bars it brings the enabled and
// checked state of its commands up to date in one pass (AktualizovatStavPrikazu).
//
// Playback runs through Prehravani, with the player made by a factory (the hosted control in
// the program, a scripted player in tests). Commands whose work belongs to parts of the
// program that are not there yet (recording, settings, notification icon, update check,
// About) reach a handler of their own name that says so in the status bar instead of
// pretending to work.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>

#include "playback/OvladaniHlasitosti.h"
#include "playback/Prehravani.h"
#include "playback/VlaknoHlasitosti.h"
#include "sources/PohledyZdroju.h"
#include "ui/NabidkyHlavnihoOkna.h"
#include "ui/PanelyNastroju.h"
#include "ui/SluzbyAplikace.h"
#include "ui/StavovyRadek.h"
#include "winapi/Okno.h"

namespace Vrbatec::Ui {

class OknoKlientskaOblast;

// Applies the process priority and the notification icon's setting again.
inline constexpr UINT WM_ZNOVU_POUZIT = WM_APP + 2;
// Posted to itself at the end of creation; delivered once the message loop runs.
inline constexpr UINT WM_PO_VYTVORENI = WM_APP + 4;
// The lParam of a minimise that hides to the notification icon whatever "ikona" says.
inline constexpr LPARAM kVynucenaMinimalizace = static_cast<LPARAM>(0xFFFFFFFF);
// Blinks the recording icon while the recorder records.
inline constexpr UINT_PTR kCasovacZaznamu = 1;

class OknoHlavni final : public WinApi::Okno,
                         private PohledyZdroju::Okoli,
                         private Prehravani::Okoli,
                         private OvladaniHlasitosti {
public:
    static constexpr wchar_t kTrida[] = L"ZvukoletHlavni";

    // The hosted media player control.
    static Prehravani::TovarnaPrehravace TovarnaPrehravaceAplikace();

    // The application outlives the window.
    explicit OknoHlavni(SluzbyAplikace& aplikace,
                        Prehravani::TovarnaPrehravace tovarna = TovarnaPrehravaceAplikace());
    ~OknoHlavni() override;

    // Registers the class, creates the window with its bars and views and shows it;
    // failures are fatal.
    void Vytvorit();

    // The one pass over the command states of the menu bar and the toolbar.
    void AktualizovatStavPrikazu() override;
    // Restores, shows and brings the window to the front.
    void ZobrazitOkno();

    // What recording reports; the window's commands follow.
    void NastavitNahravani(bool nahrava);

    int VybranyIndex() const override { return zdroje_.VybranyIndex(); }
    Vrbatec::Prehravani& PrehravaniOkna() { return prehravani_; }
    const std::wstring& TextPripraven() const { return textPripraven_; }

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    // PohledyZdroju::Okoli
    void ZmenilSeVyber() override;
    void PrehratVybrany() override;
    void Zastavit() override;
    int PrehravanyIndex() const override { return prehravani_.PrehravanyIndex(); }

    // Prehravani::Okoli
    HWND HlavniOkno() const override { return Hwnd(); }
    void VybratIndex(int index) override { zdroje_.VybratIndex(index); }
    void NastavitTitulek(const std::wstring& titulek) override;
    void NastavitIkonuPrehravani(bool prehrava) override;
    void NastavitTextStavu(const std::wstring& text) override;
    void ZnovuZobrazitTextStavu() override;
    void NastavitTextZtlumeni(bool ztlumeno) override;
    void NastavitTipIkony(const std::wstring& tip) override { tipIkony_ = tip; }
    void ObnovitTlacitkaNahledu() override;
    void UkazatHlasitostNaPanelu(std::uint32_t hlasitost) override;
    void UkazatZtlumeniNaPanelu(bool ztlumeno) override;

    // OvladaniHlasitosti
    void PriZmeneHlasitosti(int hlasitost) override;
    void PriZmeneZtlumeni(bool ztlumit) override;

    void VytvoritStavovyRadek();
    void SestavitPanely(bool velke);
    void PoVytvoreni();
    void PriUkonceni();

    void PriPrikazu(UINT prikaz, UINT kod, LPARAM lParam);
    bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek);
    void PriZmeneVelikosti(int sirka, int vyska);
    void UmistitSeznam();
    bool PriSystemovemPrikazu(WPARAM wParam, LPARAM lParam, LRESULT& vysledek);
    bool PriKontextoveNabidce(HWND okno);
    void OtevritNabidku(UINT idNabidky, const NabidkyHlavnihoOkna::StavNabidky& stav);
    void PriCasovaci(UINT_PTR id);
    void PoslatZmenuVelikosti();

    void PrepnoutKlientskouOblast();
    void PrepnoutPas(UINT prikaz);
    void ZmenitVelikostIkon(std::uint32_t velikost);
    void ZobrazitNeboSkryt();
    void SkrytDoIkony();
    void OtevritSlozkuZaznamu();
    void ZnovuPouzitNastaveni();

    // The notification icon comes with its own part of the program; until then there is no
    // icon, and the window is never hidden, since nothing would bring it back.
    void ZajistitIkonuOznameni();
    bool IkonaOznameniExistuje() const { return false; }

    void ZobrazitVlastnostiZdroje();
    void OtevritUrlNeboSoubor();
    void OtevritHlasitost();
    void PriHlasitostiZPopupu(int hlasitost);

    // Handlers of commands whose work is not in the program yet.
    void OtevritNastaveni(LPARAM parametr);
    void ZobrazitOProgramu();
    void SpustitKontroluAktualizaci(LPARAM parametr);
    void SpustitZaznam();
    void UkoncitZaznam();
    void ZobrazitPlovouciNabidku();
    void FunkceZatimNeni(UINT prikaz);

    SluzbyAplikace& aplikace_;
    std::wstring textPripraven_;
    HMENU menu_ = nullptr; // the window's own menu bar, destroyed with it
    PanelyNastroju panely_;
    StavovyRadek stavovyRadek_;
    PohledyZdroju zdroje_;
    std::unique_ptr<OknoKlientskaOblast> panelInformaci_;
    Vrbatec::Prehravani prehravani_;
    VlaknoHlasitosti popupHlasitosti_;
    std::wstring textStavu_;
    std::wstring tipIkony_; // for the notification icon once the program has it
    bool nahravani_ = false;
    UINT zpravaTlacitkaNaPanelu_ = 0;
};

} // namespace Vrbatec::Ui
