// The main window: the program's only top-level window and the place where every command
// arrives as WM_COMMAND (menus, accelerators, toolbar, popups, forwarded command words).
//
// It holds the rebar with the toolbar, the control panel and the sources combo box, the
// client area (the source list or, in its place, the information panel) and the status bar,
// and after every change of selection, playback, recording or bars it brings the enabled and
// checked state of its commands up to date in one pass (AktualizovatStavPrikazu).
//
// Commands whose work belongs to parts of the program that are not there yet (playback,
// recording, settings, notification icon, update check, About) reach a handler of their own
// name that says so in the status bar instead of pretending to work.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>

#include "sources/PohledyZdroju.h"
#include "ui/PanelyNastroju.h"
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

class OknoHlavni final : public WinApi::Okno, private PohledyZdroju::Okoli {
public:
    static constexpr wchar_t kTrida[] = L"ZvukoletHlavni";

    OknoHlavni();
    ~OknoHlavni() override;

    // Registers the class, creates the window with its bars and views and shows it;
    // failures are fatal.
    void Vytvorit();

    // The one pass over the command states of the menu bar and the toolbar.
    void AktualizovatStavPrikazu();
    // Restores, shows and brings the window to the front.
    void ZobrazitOkno();

    // What playback and recording report; the window's commands follow.
    void NastavitPrehravanyIndex(int index);
    void NastavitNahravani(bool nahrava);

    int VybranyIndex() const { return zdroje_.VybranyIndex(); }
    const std::wstring& TextPripraven() const { return textPripraven_; }

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    // PohledyZdroju::Okoli
    void ZmenilSeVyber() override;
    void PrehratVybrany() override;
    void Zastavit() override;
    int PrehravanyIndex() const override { return prehravanyIndex_; }

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

    // Handlers of commands whose work is not in the program yet.
    void OtevritNastaveni(LPARAM parametr);
    void ZobrazitOProgramu();
    void SpustitPrijem();
    void ZastavitPrijem();
    void PrehratZdrojIndexem(int index);
    void ZobrazitVlastnostiZdroje();
    void OtevritUrlNeboSoubor();
    void PrepnoutZtlumeni();
    void ZmenitHlasitost(int smer);
    void OtevritHlasitost();
    void SpustitKontroluAktualizaci(LPARAM parametr);
    void SpustitZaznam();
    void UkoncitZaznam();
    void ZobrazitPlovouciNabidku();
    void FunkceZatimNeni(UINT prikaz);

    std::wstring textPripraven_;
    HMENU menu_ = nullptr; // the window's own menu bar, destroyed with it
    PanelyNastroju panely_;
    StavovyRadek stavovyRadek_;
    PohledyZdroju zdroje_;
    std::unique_ptr<OknoKlientskaOblast> panelInformaci_;
    int prehravanyIndex_ = -1;
    bool nahravani_ = false;
    bool ztlumeno_ = false;
    UINT zpravaTlacitkaNaPanelu_ = 0;
};

} // namespace Vrbatec::Ui
