// The global hotkeys of the hotkey table as a component of the main window: registered for the
// window while it lives (and the settings dialog is closed), each pressed combination turned
// into its command, which then runs through the window's one dispatch as from the menu.
//
// Only the first copy of the program holds hotkeys. A combination another program already
// holds simply does not work; how many could not be registered (or let go) is told on the
// notification icon, and without the icon not at all. Only the combinations that were
// registered are let go, so a taken one is not reported a second time.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ui/SoucastOkna.h"

namespace Vrbatec::Ui {

class OznameniIkony;

namespace TextHorkeKlavesy {
// How a hotkey reads in the icon's tooltip and on the hotkey page ("Ctrl + Shift + P"), with
// the keys named by the system in the user's keyboard language.
std::wstring Zformatovat(std::uint32_t modifikatory, std::uint32_t klavesa);
} // namespace TextHorkeKlavesy

class HorkeKlavesy final : public SoucastOkna {
public:
    // The icon outlives the component.
    HorkeKlavesy(OznameniIkony& ikona, bool prvniInstance) noexcept
        : ikona_(ikona), prvniInstance_(prvniInstance) {}

    // Registers the table of the settings for the window.
    void Pripojit(HWND hlavniOkno) override;
    void Odpojit() override;
    void Obnovit(const StavProgramu&) override {}
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    // Every combination of the settings' table that has a key; nothing while registered.
    void RegistrovatVse();
    // Lets go of what RegistrovatVse registered; nothing while not registered.
    void OdregistrovatVse();
    bool Registrovano() const noexcept { return registrovano_; }

private:
    void OznamitSelhani(UINT idTextu, int pocet);

    OznameniIkony& ikona_;
    const bool prvniInstance_;
    HWND okno_ = nullptr;
    bool registrovano_ = false;
    std::vector<std::uint32_t> registrovane_;
};

} // namespace Vrbatec::Ui
