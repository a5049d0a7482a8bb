// The main window: the program's only top-level window and the place where every command
// arrives as WM_COMMAND (menus, accelerators, toolbar, popups, forwarded command words).
//
// It is a dispatcher. The subsystems that live in it are components (SoucastOkna): the menu
// bar, the source views, the status bar, the bars, playback, recording, the notification icon,
// the global hotkeys, the taskbar button, the settings sequence and About with the update check,
// attached in that
// order once the window exists and detached in the reverse order as it closes. Each message is
// offered to the components first; after every change of selection, playback, recording, mute or
// bars one snapshot of the program's state refreshes all of them (AktualizovatStavPrikazu). What
// stays here is the window's own work: its layout, the view commands, the dialogs it opens and
// minimising.
//
// Playback runs through Prehravani, with the player made by a factory (the hosted control in
// the program, a scripted player in tests); the notification icon reaches the shell through a
// platform that tests replace too.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/UlozisteNastaveni.h"
#include "playback/Prehravani.h"
#include "playback/VlaknoHlasitosti.h"
#include "sources/PohledyZdroju.h"
#include "ui/HorkeKlavesy.h"
#include "ui/NabidkaOkna.h"
#include "ui/NabidkyHlavnihoOkna.h"
#include "ui/OznameniIkony.h"
#include "ui/PanelUloh.h"
#include "ui/PanelyNastroju.h"
#include "ui/SluzbyAplikace.h"
#include "ui/SoucastAktualizace.h"
#include "ui/SoucastIkony.h"
#include "ui/SoucastNastaveni.h"
#include "ui/SoucastPanelu.h"
#include "ui/SoucastPrehravani.h"
#include "ui/SoucastZaznamu.h"
#include "ui/SoucastZdroju.h"
#include "ui/StavProgramu.h"
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

class OknoHlavni final : public WinApi::Okno,
                         private PohledyZdroju::Okoli,
                         private Prehravani::Okoli,
                         private SoucastZaznamu::Okoli,
                         private SoucastNastaveni::Okoli,
                         private OznameniIkony {
public:
    static constexpr wchar_t kTrida[] = L"ZvukoletHlavni";

    // The hosted media player control.
    static Prehravani::TovarnaPrehravace TovarnaPrehravaceAplikace();

    // The application outlives the window.
    explicit OknoHlavni(SluzbyAplikace& aplikace,
                        Prehravani::TovarnaPrehravace tovarna = TovarnaPrehravaceAplikace(),
                        TovarnaGrafu tovarnaGrafu = TovarnaGrafuSystemu(),
                        PlatformaIkony& platformaIkony = PlatformaIkonySystemu());
    ~OknoHlavni() override;

    // Registers the class, creates the window with its bars and views and shows it;
    // failures are fatal.
    void Vytvorit();

    // One snapshot of the program's state, and every component refreshed from it.
    void AktualizovatStavPrikazu() override;
    StavProgramu Snimek() const;
    // Restores, shows and brings the window to the front.
    void ZobrazitOkno();

    int VybranyIndex() const override { return zdroje_.VybranyIndex(); }
    Vrbatec::Prehravani& PrehravaniOkna() { return prehravani_; }
    const SoucastIkony& IkonaOkna() const { return soucastIkony_; }
    SoucastAktualizace& Aktualizace() { return soucastAktualizace_; }
    SoucastNastaveni& NastaveniOkna() { return soucastNastaveni_; }
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
    void UkazatHlasitostNaPanelu(std::uint32_t hlasitost) override;
    void UkazatZtlumeniNaPanelu(bool ztlumeno) override;

    // SoucastZaznamu::Okoli
    void OznamitNaIkone(const std::wstring& bublina, const std::wstring& tip) override;

    // SoucastNastaveni::Okoli
    bool OdregistrovatKlavesy() override;
    void ZnovuRegistrovatKlavesy() override;
    void NacistZdrojeZnovu() override;
    void ZnovuPouzitNastaveni() override;

    // OznameniIkony (the tooltip also for Prehravani::Okoli)
    void ZobrazitBublinu(const std::wstring& text, DWORD ikona) override;
    void NastavitTipIkony(const std::wstring& tip) override;

    void PripojitSoucasti();
    void OdpojitSoucasti();
    bool NabidnoutSoucastem(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek);
    void PoVytvoreni();
    // Lays out and paints the visible window at once, before the work the user does not see.
    void NakreslitHned();
    void PriUkonceni();

    void PriPrikazu(UINT prikaz);
    bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek);
    bool ZpracovatVlastniZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek);
    void PriZmeneVelikosti(int sirka, int vyska);
    void UmistitSeznam();
    bool PriSystemovemPrikazu(WPARAM wParam, LPARAM lParam, LRESULT& vysledek);
    bool PriKontextoveNabidce(HWND okno);
    void OtevritNabidku(UINT idNabidky, const NabidkyHlavnihoOkna::StavNabidky& stav);
    void PoslatZmenuVelikosti();

    void PrepnoutKlientskouOblast();
    void PrepnoutPas(UINT prikaz);
    void ZmenitVelikostIkon(std::uint32_t velikost);
    // A copy of the settings put in place of the live ones; false, after telling the user
    // why, when it was refused or could not be written.
    bool PouzitNastaveni(const Nastaveni& kopie, Ulozeni ulozeni);
    void ZobrazitNeboSkryt();
    void SkrytDoIkony();

    // The window is hidden only when the icon is there to bring it back.
    void ZajistitIkonuOznameni() { soucastIkony_.Zajistit(); }
    bool IkonaOznameniExistuje() const { return soucastIkony_.Existuje(); }

    void ZobrazitVlastnostiZdroje();
    void OtevritUrlNeboSoubor();
    void OtevritHlasitost();
    void PriHlasitostiZPopupu(int hlasitost);

    SluzbyAplikace& aplikace_;
    std::wstring textPripraven_;
    PanelyNastroju panely_;
    PohledyZdroju zdroje_;
    std::unique_ptr<OknoKlientskaOblast> panelInformaci_;
    Vrbatec::Prehravani prehravani_;
    VlaknoHlasitosti popupHlasitosti_;
    std::wstring textStavu_;

    // The components, in attaching order.
    NabidkaOkna nabidka_;
    SoucastZdroju soucastZdroju_;
    StavovyRadek stavovyRadek_;
    SoucastPanelu soucastPanelu_;
    SoucastPrehravani soucastPrehravani_;
    SoucastZaznamu soucastZaznamu_;
    SoucastIkony soucastIkony_;
    HorkeKlavesy horkeKlavesy_;
    PanelUloh panelUloh_;
    SoucastNastaveni soucastNastaveni_;
    SoucastAktualizace soucastAktualizace_;
    std::vector<SoucastOkna*> soucasti_;
    std::size_t pripojeno_ = 0;
};

} // namespace Vrbatec::Ui
