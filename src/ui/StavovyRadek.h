// The main window's status bar: three parts, the play state's icon, the recording state's
// icon and a text (the ready text, the play state or the hint of a highlighted menu item).
//
// Setting up the parts and the icons cannot fail in a working system, so such failures end
// the program. The bar belongs to this object; its icons belong to whoever passes them.
//
// As the main window's component it takes its icons and ready text from the application,
// shows the hint of a highlighted menu item, and blinks the recording icon on the window's
// timer while the snapshot says the program records.
#pragma once

#include <windows.h>

#include <string>

#include "ui/SoucastOkna.h"
#include "winapi/Handle.h"

namespace Vrbatec::Ui {

class SluzbyAplikace;

// Blinks the recording icon while the recorder records.
inline constexpr UINT_PTR kCasovacZaznamu = 1;

class StavovyRadek final : public SoucastOkna {
public:
    // A bar made with Vytvorit.
    StavovyRadek() = default;
    // The main window's bar; both outlive it, and the text is filled in before attaching.
    StavovyRadek(const SluzbyAplikace& aplikace, const std::wstring& textPripraven) noexcept
        : aplikace_(&aplikace), textPripraven_(&textPripraven) {}
    StavovyRadek(const StavovyRadek&) = delete;
    StavovyRadek& operator=(const StavovyRadek&) = delete;

    // SoucastOkna: the bar with the ready text, stopped and not recording.
    void Pripojit(HWND hlavniOkno) override;
    void Odpojit() override { Zrusit(); }
    // A recording that begins or ends shows its icon at once; the timer blinks it between.
    void Obnovit(const StavProgramu& stav) override;
    bool ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam, LRESULT& vysledek) override;

    // The playing or stopped icon of the application, when the bar exists.
    void UkazatPrehravani(bool prehrava);

    static constexpr int kCastIkonyPrehravani = 0;
    static constexpr int kCastIkonyZaznamu = 1;
    static constexpr int kCastTextu = 2;

    // Creates the bar at the bottom of the parent with its text and both icons.
    void Vytvorit(HWND rodic, HINSTANCE instance, const std::wstring& text, HICON ikonaPrehravani,
                  HICON ikonaZaznamu);
    void Zrusit();
    bool Existuje() const { return static_cast<bool>(okno_); }
    HWND Hwnd() const { return okno_.Get(); }

    void NastavitText(const std::wstring& text);
    std::wstring Text() const;
    void NastavitIkonu(int cast, HICON ikona);
    HICON Ikona(int cast) const;

    // Window height; 0 without the bar.
    int Vyska() const;
    // The bar places itself along the parent's bottom edge when told of a new size.
    void PriZmeneVelikosti();

    // One step of the blinking while recording: the recording part swaps between the two.
    void BliknoutZaznamem(HICON ikonaZaznamu, HICON ikonaBezZaznamu);

private:
    HWND PlatneOkno() const;

    const SluzbyAplikace* aplikace_ = nullptr;
    const std::wstring* textPripraven_ = nullptr;
    bool nahravani_ = false;
    WinApi::UniqueWindow okno_;
};

} // namespace Vrbatec::Ui
