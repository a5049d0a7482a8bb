// Playback as the user drives it: the commands that start, stop and mute the player and
// change its volume, the state they keep (what plays, under which index, from which
// address), and the player's play states turned into the status text.
//
// The player itself is made by a factory given at construction, so the hosted control and
// a scripted stand-in are interchangeable. Everything reaching the main window goes
// through Okoli; the settings, the source list and the saving of the view state come in
// through Prostredi. All of it runs on the user-interface thread.
//
// The player exists from VytvoritPrehravac until ZrusitPrehravac; the commands that need
// it create it again if it has gone. Failing to create it ends the program. The control's
// answers to stop, play, open and volume are not waited for: its play states tell what it
// does. Anything else failing inside a command is shown to the user, and the playback
// state stays as it was.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "config/Nastaveni.h"
#include "playback/Prehravac.h"
#include "sources/SeznamZdroju.h"

namespace Vrbatec {

class Prehravani final : public PosluchacPrehravace {
public:
    // The main window as playback needs it.
    class Okoli {
    public:
        // The parent of the player's host window.
        virtual HWND HlavniOkno() const = 0;
        virtual int VybranyIndex() const = 0;
        // Selects the source in every view of the list.
        virtual void VybratIndex(int index) = 0;
        virtual void AktualizovatStavPrikazu() = 0;
        virtual void NastavitTitulek(const std::wstring& titulek) = 0;
        // The playing or stopped icon of the status bar.
        virtual void NastavitIkonuPrehravani(bool prehrava) = 0;
        // Keeps the status text and shows it when the status bar exists.
        virtual void NastavitTextStavu(const std::wstring& text) = 0;
        // Shows the kept status text again (a menu hint may have covered it).
        virtual void ZnovuZobrazitTextStavu() = 0;
        // The text of the mute item of the main menu.
        virtual void NastavitTextZtlumeni(bool ztlumeno) = 0;
        // The control panel's slider, number and mute box, when the panel is open.
        virtual void UkazatHlasitostNaPanelu(std::uint32_t hlasitost) = 0;
        virtual void UkazatZtlumeniNaPanelu(bool ztlumeno) = 0;
        // The notification icon's tooltip for what started playing.
        virtual void NastavitTipIkony(const std::wstring& tip) = 0;

    protected:
        ~Okoli() = default;
    };

    // Makes the player in a host window below the parent and connects the listener to its
    // play states. Throws the HRESULT of a failure; null when no player can be had now.
    using TovarnaPrehravace =
        std::function<std::unique_ptr<Prehravac>(HWND rodic, PosluchacPrehravace& posluchac)>;

    struct Prostredi {
        SeznamZdroju& zdroje;
        // "hlasitost" is the current volume; "prehravanyIndex" the last played source.
        Nastaveni& nastaveni;
        // Writes the view state, "prehravanyIndex" with it.
        std::function<HRESULT()> ulozitStavZobrazeni;
        std::wstring nazevAplikace;
    };

    Prehravani(Okoli& okoli, TovarnaPrehravace tovarna, Prostredi prostredi);
    ~Prehravani();
    Prehravani(const Prehravani&) = delete;
    Prehravani& operator=(const Prehravani&) = delete;

    void VytvoritPrehravac();
    void ZrusitPrehravac();

    // Command 40006: the selected source.
    void Spustit();
    // The sources submenu (51000 + index); E_INVALIDARG, and nothing shown, for an index
    // outside the list.
    HRESULT PrehratZdroj(int index);
    // An address or path the user typed.
    void PrehratAdresu(std::wstring adresa);
    // Command 40007.
    void Zastavit();
    // Command 40013.
    void PrepnoutZtlumeni();
    // Commands 40020 and 40021.
    void ZvysitHlasitost();
    void SnizitHlasitost();

    // A volume slider moved by the user (control panel, pop-up): the current volume and the
    // player follow, only while the player has its settings object.
    void NastavitHlasitostOvladanim(std::uint32_t hlasitost);
    // The control panel's mute box: the player follows when it can; the menu says it anyway.
    void NastavitZtlumeniOvladanim(bool ztlumit);

    // PosluchacPrehravace
    void PriZmeneStavu(std::int32_t stav) override;
    void PriZmeneTitulu() override;

    // -1 when nothing from the list plays.
    int PrehravanyIndex() const { return prehravanyIndex_; }
    const std::wstring& PrehravanyNazev() const { return prehravanyNazev_; }
    const std::wstring& OtevrenaAdresa() const { return otevrenaAdresa_; }
    // The notification icon's tooltip for what plays; empty before anything from the list.
    const std::wstring& TipIkony() const { return tipIkony_; }
    // As the player has it; false without a player or its settings object.
    bool Ztlumeno() const;
    // For the source-properties dialog; null when there is no player.
    Prehravac* AktualniPrehravac() const { return prehravac_.get(); }

private:
    bool PlatnyIndex(int index) const;
    template <class Kroky>
    void ProvestPrikaz(Kroky kroky);
    // Creates the player as needed, stops it and plays the source; false without a player.
    bool ZacitZdroj(const Zdroj& zdroj);
    bool ZacitAdresu(const std::wstring& adresa);
    void PouzitVlastniHlasitost(std::int32_t hlasitost);
    void PouzitHlasitost(std::optional<std::uint32_t> hlasitost);
    void OznamitPrehravaniZdroje(const std::wstring& nazev);
    void UlozitPosledniPrehravany(int index);
    std::optional<std::wstring> TextDatovehoToku() const;
    // The stream's title as the status text and the icon's tooltip show it: the player's while
    // it plays and has told one, none once playback has ended.
    void ZobrazitTitul(std::wstring titul);

    Okoli& okoli_;
    TovarnaPrehravace tovarna_;
    Prostredi prostredi_;
    std::unique_ptr<Prehravac> prehravac_;
    int prehravanyIndex_ = kNicSeNeprehrava;
    std::wstring prehravanyNazev_;
    std::wstring otevrenaAdresa_;
    std::wstring tipIkony_;
    std::int32_t stav_ = 0;
    std::wstring titul_;
    // The mute state last set, for a control that cannot say its own.
    bool ztlumeno_ = false;
};

// The process-wide list, settings and store, and the product name.
Prehravani::Prostredi ProstrediAplikace();

} // namespace Vrbatec
