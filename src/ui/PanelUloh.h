// The program's taskbar button as a component of the main window: the seven thumbnail buttons
// under the window's preview and the jump list's tasks, both following the program's state.
//
// The shell announces the window's taskbar button with the registered message
// "TaskbarButtonCreated", again after each restart of the shell; every time, the buttons are
// added anew in their current state. After that, a refresh changes them in place, but only
// while the window is visible: a window hidden in the notification area keeps the states and
// sends them with the next refresh that finds it shown. The jump list is replaced when its
// tasks change, and once more in its closed form when the window closes, so that after the
// program's end it offers what starts it again. All of it is cosmetic: what the shell refuses
// is left as it is.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "ui/ObsahPaneluUloh.h"
#include "ui/ShellPaneluUloh.h"
#include "ui/SoucastOkna.h"

namespace Vrbatec::Ui {

class SluzbyAplikace;

class PanelUloh final : public SoucastOkna {
public:
    // The application (for the small image strip) outlives the component.
    explicit PanelUloh(const SluzbyAplikace& aplikace,
                       std::unique_ptr<ShellPaneluUloh> shell = ShellPaneluUlohSystemu());

    void Pripojit(HWND hlavniOkno) override;
    // Leaves the closed form of the jump list behind.
    void Odpojit() override;
    void Obnovit(const StavProgramu& stav) override;
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

private:
    void PridatTlacitka();
    std::vector<THUMBBUTTON> TlacitkaShellu() const;
    void NahraditSeznamSkoku(const StavProgramu& stav);

    const SluzbyAplikace& aplikace_;
    std::unique_ptr<ShellPaneluUloh> shell_;
    HWND okno_ = nullptr;
    UINT zpravaTlacitkaNaPanelu_ = 0;
    std::vector<ObsahPaneluUloh::TlacitkoNahledu> tlacitka_ = ObsahPaneluUloh::VychoziTlacitka();
    // What the taskbar was last given; nothing before the shell announced the button.
    std::optional<std::vector<ObsahPaneluUloh::TlacitkoNahledu>> naPanelu_;
    std::optional<std::vector<ObsahPaneluUloh::UlohaSkoku>> seznamSkoku_;
};

} // namespace Vrbatec::Ui
