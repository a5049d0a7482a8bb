// The first-run dialog (resource 126), shown once for a user before any setting is stored:
// where the source list file lives and which input device recordings use, and whether the
// whole settings dialog should follow.
//
// However it is closed ("Zavřít", Esc, the close box), it puts the chosen list file and device
// in place and writes all settings, so that the settings root exists from then on and the
// dialog is not shown again. A write that fails is not reported: the next start is then again
// a first run and asks once more.
#pragma once

#include <windows.h>

#include <string>

#include "config/UlozisteNastaveni.h"
#include "recording/ComboBoxZarizeniZaznam.h"
#include "winapi/ComboBox.h"
#include "winapi/Dialog.h"
#include "winapi/StaticNadpis.h"

namespace Vrbatec::Ui {

class DlgPrvniSpusteni final : public WinApi::Dialog {
public:
    // Where the list file can live, in the order of the location list.
    enum class MistoSeznamu { SlozkaProgramu, Dokumenty, DataAplikaci };

    explicit DlgPrvniSpusteni(UlozisteNastaveni& uloziste) noexcept : uloziste_(uloziste) {}

    // Runs the dialog modally without an owner; true when the user asked for all settings.
    bool Spustit();

    // The list file for a location: the folder's "Zvukolet.xml". The application data place
    // is the maker's folder under the user's local application data, created when missing.
    // A folder the system does not give leaves the file name alone; the list file's own rules
    // deal with such a path when it is read or written.
    static std::wstring SouborSeznamu(MistoSeznamu misto);

private:
    bool PriInicializaci() override;
    void PriOk() override;
    void PriZruseni() override;
    void UlozitVolbu();

    UlozisteNastaveni& uloziste_;
    Knihovna::StaticNadpis nadpis_;
    WinApi::ComboBox mista_;
    ComboBoxZarizeniZaznam zarizeni_;
    bool zobrazitNastaveni_ = false;
};

} // namespace Vrbatec::Ui
