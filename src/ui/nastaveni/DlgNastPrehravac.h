// The player page of the settings: the seconds the player buffers, the volume it starts with,
// the step of the volume commands and whether internet radios play in the built-in player.
// The player takes the buffer and the volume when it is next created; the step counts from
// the next volume command, the choice of player from the next address played.
#pragma once

#include <windows.h>

#include "ui/nastaveni/StrankaZeSablony.h"
#include "winapi/EditCislo.h"
#include "winapi/TrackBarImpl.h"

namespace Vrbatec::Ui {

class DlgNastPrehravac final : public StrankaZeSablony {
public:
    explicit DlgNastPrehravac(KontextStranek& kontext);
    ~DlgNastPrehravac() override;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    bool PriInicializaci() override;
    bool PriPrikazu(WORD id, WORD kod, HWND prvek) override;
    bool PriPouziti() override;

private:
    WinApi::EditCislo krok_;
    WinApi::EditCislo buffer_;
    Knihovna::TrackBarImpl hlasitost_;
};

} // namespace Vrbatec::Ui
