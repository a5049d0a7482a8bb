// The pop-up volume slider: a small vertical trackbar at the mouse cursor, full volume at the
// top. It runs modally on a thread of its own (VlaknoHlasitosti) and touches neither the
// player nor the current volume: each movement is posted to the main window as
// WM_HLASITOST_Z_POPUPU, and the main window applies it on its own thread.
//
// It ends with 1 when it loses activation (a click anywhere else) or on Enter, with 2 on
// Esc; what was moved stays applied.
#pragma once

#include <windows.h>

#include <atomic>

#include "winapi/Dialog.h"
#include "winapi/TrackBarImpl.h"

namespace Vrbatec {

// wParam: the new volume, 0-100.
inline constexpr UINT WM_HLASITOST_Z_POPUPU = WM_APP + 5;

class DlgHlasitost final : public WinApi::Dialog {
public:
    static constexpr INT_PTR kPotvrzeno = 1;
    static constexpr INT_PTR kZruseno = 2;

    // hlasitost: the current volume, read by the caller on the main window's thread. okno,
    // when given, holds the dialog's window while it exists, for other threads to close it.
    DlgHlasitost(HWND prijemce, int hlasitost, std::atomic<HWND>* okno = nullptr) noexcept
        : prijemce_(prijemce), hlasitost_(hlasitost), zverejneneOkno_(okno) {}

    // Modal, without owner; the result as above, -1 when it cannot be shown.
    INT_PTR Spustit(HINSTANCE instance);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    bool PriInicializaci() override;
    void PriOk() override { Skoncit(kPotvrzeno); }
    void PriZruseni() override { Skoncit(kZruseno); }
    void PriPosunu() const;
    void Skoncit(INT_PTR vysledek);
    void Zverejnit(HWND okno) const;

    HWND prijemce_;
    int hlasitost_;
    std::atomic<HWND>* zverejneneOkno_;
    bool konci_ = false;
    Knihovna::TrackBarImpl posuvnik_;
};

} // namespace Vrbatec
