// The settings dialog (resource 106): a tree of the six pages on the left, the page area on the
// right, "OK", "Storno" and "Použít" below, and a line with a link to the maker's web site.
//
// Rules of the dialog:
// - It edits a copy of the settings, taken when it opens; the pages edit that copy (see
//   KontextStranek.h). Apply takes each created page's values into the copy, in the fixed order
//   general, icon, after start, player, recording, and then puts the fields that the dialog
//   edits in place of the live ones and writes all settings. Whatever else changed while the
//   dialog was open (the bars, the playing source) is kept, not overwritten by the old copy.
// - A page is created the first time it is selected; a page never shown is never applied.
// - "Použít" is enabled when the dialog opens and after every change a page reports, and
//   disabled by every apply. OK applies and closes; Storno and Esc close without applying, and
//   what an earlier "Použít" applied stays.
// - The window remembers only its position, under "ZvukoletNastaveni".
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "config/UlozisteNastaveni.h"
#include "ui/nastaveni/KontextStranek.h"
#include "winapi/Dialog.h"
#include "winapi/Handle.h"
#include "winapi/StrankaNastaveni.h"
#include "winapi/SysLink.h"
#include "winapi/ToolTip.h"

namespace Vrbatec::Ui {

// Makes the page of the given resource number; nullptr for a number that is no page.
using TovarnaStranek = std::unique_ptr<WinApi::StrankaNastaveni> (*)(int id,
                                                                     KontextStranek& kontext);
// The program's six pages.
std::unique_ptr<WinApi::StrankaNastaveni> VytvoritStrankuNastaveni(int id, KontextStranek& kontext);

class DlgNastaveni final : public WinApi::Dialog {
public:
    static constexpr wchar_t kNazevPolohy[] = L"ZvukoletNastaveni";
    static constexpr int kPocetStranek = 6;

    // startovniStranka: the resource number of the page to show first; any number that is not
    // one of the other pages shows the general page.
    DlgNastaveni(UlozisteNastaveni& uloziste, const ObrazkovyPruh& malyPruh, HWND hlavniOkno,
                 int startovniStranka, TovarnaStranek tovarna = VytvoritStrankuNastaveni);
    ~DlgNastaveni() override;

    // Runs the dialog modally without an owner; IDOK or IDCANCEL.
    INT_PTR Spustit();

    // The resource number of the page shown last.
    int AktualniStranka() const noexcept { return aktualniStranka_; }
    // The page of that number when it has been created, else nullptr.
    WinApi::StrankaNastaveni* Stranka(int id) const;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;
    bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek) override;
    void PriOk() override;
    void PriZruseni() override;

    void PouzitPismo();
    void SestavitStrom();
    void VlozitPolozku(int index);
    void VybratStranku(std::size_t index);
    void VypocistOblastStranek();
    void ZobrazitStranku(int id);
    // False, after telling the user why, when a page or the copy was refused or the settings
    // could not be written.
    bool Pouzit();
    void PovolitPouzit(bool povolit) const;
    void ZrusitStranky();

    UlozisteNastaveni& uloziste_;
    Nastaveni kopie_;
    KontextStranek kontext_;
    TovarnaStranek tovarna_;
    int startovniStranka_;
    int aktualniStranka_ = 0;
    std::array<std::unique_ptr<WinApi::StrankaNastaveni>, kPocetStranek> stranky_;
    RECT oblastStranek_{};
    HWND strom_ = nullptr;
    LRESULT vychoziVyskaPolozky_ = 0;
    WinApi::UniqueFont pismo_;
    Knihovna::SysLink odkaz_;
    WinApi::ToolTip tipy_;
};

} // namespace Vrbatec::Ui
