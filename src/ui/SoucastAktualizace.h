// The Help commands that tell about the program, as a component of the main window: About
// (40003), the update check (40027) and the temporary notification icon (255) whose balloon
// says that a check runs.
//
// The icon belongs to the main window's thread: it is added when a check starts and removed
// when the check's thread reports that the fetch has ended, or when the window closes. The
// check's thread never touches the window or the icon (KontrolaAktualizaci). A second 40027
// while a check runs (its result dialog still open included) only beeps; 40027 with lParam
// 0xFFFF is a silent check, which shows no error box.
#pragma once

#include <windows.h>

#include <string>

#include "ui/IkonaOznameni.h"
#include "ui/SoucastOkna.h"
#include "update/KontrolaAktualizaci.h"

namespace Vrbatec::Ui {

class SluzbyAplikace;

// The check's thread reports the end of the fetch to the main window with this message.
inline constexpr UINT WM_KONEC_STAHOVANI = WM_APP + 15;
inline constexpr LPARAM kTichaKontrola = 0xFFFF;

class SoucastAktualizace final : public SoucastOkna {
public:
    // The application and the platform outlive the component.
    SoucastAktualizace(SluzbyAplikace& aplikace, PlatformaIkony& platforma) noexcept;

    void Pripojit(HWND hlavniOkno) override;
    // Closes what the check and About show and lets go of the icon.
    void Odpojit() override;
    void Obnovit(const StavProgramu&) override {}
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    // False, after a beep, when a check runs already.
    bool SpustitKontroluAktualizaci(bool potichu);
    bool KontrolaBezi() const noexcept { return kontrola_.Bezi(); }
    const IkonaOznameni& Ikona() const noexcept { return ikona_; }

    // For tests: where the check fetches from and how long it waits, instead of the program's
    // own URL and time-outs.
    void NastavitZdroj(std::wstring url, LimityHttp limity);

private:
    SluzbyAplikace& aplikace_;
    IkonaOznameni ikona_;
    KontrolaAktualizaci kontrola_{{WM_KONEC_STAHOVANI}};
    NastaveniKontroly nastaveni_;
    HWND okno_ = nullptr;
};

} // namespace Vrbatec::Ui
