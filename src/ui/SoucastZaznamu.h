// Recording as a component of the main window: the commands that start and end a recording and
// open the recordings folder, and what the user sees of a recording (the blinking timer, the
// command states, the notification icon's balloon and tooltip).
//
// The recorder is made with the window and lives as long as it. A start follows the
// "priSpusteni" setting (PravidloZaznamu): starting playback goes to the main window as its
// command, so it behaves exactly as if the user had asked for it. A recording still running
// when the window closes (also when the session ends, after which the process may be ended at
// any moment) is finished as the component detaches, so its file is complete.
#pragma once

#include <windows.h>

#include <string>

#include "recording/Nahravac.h"
#include "ui/SoucastOkna.h"

namespace Vrbatec {
class Prehravani;
}

namespace Vrbatec::Ui {

class SoucastZaznamu final : public SoucastOkna, private Nahravac::Okoli {
public:
    // What the component asks of the main window.
    class Okoli {
    public:
        virtual void AktualizovatStavPrikazu() = 0;
        // A balloon and a new tooltip (the title when empty) on the notification icon;
        // nothing while there is no icon.
        virtual void OznamitNaIkone(const std::wstring& bublina, const std::wstring& tip) = 0;

    protected:
        ~Okoli() = default;
    };

    // Playback and the window side outlive the component.
    SoucastZaznamu(Okoli& okoli, const Prehravani& prehravani, TovarnaGrafu tovarna);

    void Pripojit(HWND hlavniOkno) override;
    void Odpojit() override;
    void Obnovit(const StavProgramu&) override {}
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    bool Nahrava() const noexcept { return nahravac_.Bezi(); }
    const Nahravac& NahravacOkna() const noexcept { return nahravac_; }

private:
    void SpustitZaznam();
    void NahravatNyni();
    bool NecoHraje() const;
    static void OtevritSlozkuZaznamu();

    // Nahravac::Okoli
    HRESULT SpustitBlikani() override;
    HRESULT UkoncitBlikani() override;
    void OznamitNaIkone(const std::wstring& bublina, const std::wstring& tip) override;
    void ZmenilSeZaznam() override;

    Okoli& okoli_;
    const Prehravani& prehravani_;
    Nahravac nahravac_;
    HWND okno_ = nullptr;
};

} // namespace Vrbatec::Ui
