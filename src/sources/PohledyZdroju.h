// The two views of the source list, the list view and the combo box of the rebar, kept on
// one selected index, and the commands that add, edit, remove and sort sources.
//
// Indexes stay plain numbers through every change of the list: after a sort the selection
// stays on its row, which now shows another source; after a removal it stays on its number
// unless that is past the end. Playing and the command states belong to the main window,
// reached through Okoli.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "sources/ListViewSeznamZdroju.h"
#include "sources/PravidlaVyberu.h"
#include "sources/SeznamZdroju.h"
#include "sources/UlozisteZdroju.h"
#include "winapi/ComboBox.h"

namespace Vrbatec {

class PohledyZdroju {
public:
    class Okoli {
    public:
        // The selection has changed: the command states need refreshing.
        virtual void ZmenilSeVyber() = 0;
        // Starts playing the source at the selected index (command 40006).
        virtual void PrehratVybrany() = 0;
        // Stops playback (command 40007).
        virtual void Zastavit() = 0;
        // -1 when nothing from the list plays.
        virtual int PrehravanyIndex() const = 0;

    protected:
        ~Okoli() = default;
    };

    PohledyZdroju(SeznamZdroju& seznam, UlozisteZdroju& uloziste, Okoli& okoli) noexcept
        : seznam_(seznam), uloziste_(uloziste), okoli_(okoli) {}
    PohledyZdroju(const PohledyZdroju&) = delete;
    PohledyZdroju& operator=(const PohledyZdroju&) = delete;

    // Creates the list view over the parent's client area, fills it and selects; with
    // obnovitPosledni the last played source is selected when it still exists.
    void VytvoritSeznam(HINSTANCE instance, HWND rodic, bool obnovitPosledni);
    // The selection is kept for when the list is shown again.
    void ZrusitSeznam();
    // nullptr while the list view is hidden.
    HWND SeznamHwnd() const noexcept;
    void UmistitSeznam(const RECT& obdelnik);

    // The bars create and destroy the combo box; attaching fills it.
    void PripojitCombo(HWND combo);
    void OdpojitCombo();

    void NaplnitSeznam(bool obnovitPosledni);
    void NaplnitCombo();
    // Reads the list from another file (with the list file's rules for a file that cannot be
    // read) and refills both views.
    void NacistZnovu(const std::wstring& cesta);

    int VybranyIndex() const noexcept { return vybrany_; }
    // Selects the source in both views.
    void VybratIndex(int index);

    // Notifications of the list view (control 1028) that its parent passes on; true when
    // handled, with the result for the parent to return.
    bool PriOznameniSeznamu(const NMHDR& oznameni, LRESULT& vysledek);
    // CBN_SELCHANGE of the combo box (control 1027).
    void PriZmeneCombo();

    void Pridat();
    void Upravit();
    void Odebrat();
    void SeraditPodleSloupce(int sloupec);

private:
    void PriZmenePolozky(const NMLISTVIEW& zmena);
    bool OveritVyber() const;
    void VybratVSeznamu(int index);
    void VybratVCombu(int index);
    void NaplnitOba();
    void UlozitSoubor();

    SeznamZdroju& seznam_;
    UlozisteZdroju& uloziste_;
    Okoli& okoli_;
    std::unique_ptr<ListViewSeznamZdroju> seznamView_;
    WinApi::ComboBox combo_;
    int vybrany_ = PravidlaVyberu::kZadnyVyber;
    PravidlaVyberu::Razeni razeni_;
};

} // namespace Vrbatec
