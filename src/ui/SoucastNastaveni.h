// The settings sequence of the main window: command 40002 opens the settings dialog, and what
// the dialog changed is taken into use when it closes; and, on the first start for a user, the
// first-run dialog.
//
// Rules:
// - One settings dialog at a time: 40002 while it is open only brings it to the front. While a
//   recording runs the command does nothing, as its disabled menu item and button say.
// - The global hotkeys are unregistered while the dialog is open (its hotkey page edits the
//   table) and registered again afterwards from the table the registry now holds, so edits
//   that were not saved are dropped.
// - After the dialog, OK or Storno alike: the source list is read again when its file is now
//   another one (letter case does not count), and the priority and the notification icon
//   follow the settings.
// - After the first-run dialog the list is read again too when the chosen file is not the one
//   read at start, so that a list that is already there is shown and never overwritten.
// - A main window that closes while a dialog is open ends the dialog; nothing of the sequence
//   runs after it.
#pragma once

#include <windows.h>

#include <string>

#include "config/UlozisteNastaveni.h"
#include "ui/SluzbyAplikace.h"
#include "ui/SoucastOkna.h"
#include "ui/nastaveni/DlgNastaveni.h"

namespace Vrbatec::Ui {

class SoucastNastaveni final : public SoucastOkna {
public:
    // What the sequence asks of the main window.
    class Okoli {
    public:
        // Unregisters the global hotkeys; whether they had been registered.
        virtual bool OdregistrovatKlavesy() = 0;
        // Reads the hotkey table from the registry and registers it.
        virtual void ZnovuRegistrovatKlavesy() = 0;
        // Reads the source list from the file the settings name and refills the views.
        virtual void NacistZdrojeZnovu() = 0;
        // The process priority and the notification icon by the settings.
        virtual void ZnovuPouzitNastaveni() = 0;

    protected:
        ~Okoli() = default;
    };

    SoucastNastaveni(Okoli& okoli, SluzbyAplikace& aplikace,
                     UlozisteNastaveni& uloziste = UlozisteAplikace(),
                     TovarnaStranek tovarna = VytvoritStrankuNastaveni) noexcept
        : okoli_(okoli), aplikace_(aplikace), uloziste_(uloziste), tovarna_(tovarna) {}

    void Pripojit(HWND hlavniOkno) override { hlavniOkno_ = hlavniOkno; }
    void Odpojit() override;
    void Obnovit(const StavProgramu& stav) override { nahravani_ = stav.nahravani; }
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    // The settings dialog with its start page, and everything that follows it.
    void OtevritNastaveni(LPARAM startovniStranka);
    // The first-run dialog; posts 40002 afterwards when the user asked for all settings.
    void PrvniSpusteni();
    // The open settings dialog's window, else nullptr.
    HWND OtevreneNastaveni() const;

private:
    void NacistZdrojeKdyzJinySoubor(const std::wstring& puvodni);

    Okoli& okoli_;
    SluzbyAplikace& aplikace_;
    UlozisteNastaveni& uloziste_;
    TovarnaStranek tovarna_;
    HWND hlavniOkno_ = nullptr;
    bool nahravani_ = false;
    DlgNastaveni* otevrene_ = nullptr;
    WinApi::Dialog* otevrenyDialog_ = nullptr;
};

} // namespace Vrbatec::Ui
