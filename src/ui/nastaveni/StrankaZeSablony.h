// A page of the settings dialog made from its own dialog template, whose resource number is
// also the page's identifier, and which edits the dialog's copy of the settings (kontext).
//
// A derived page's PriInicializaci returns false, so that the frame's tree keeps the focus
// when a page appears. A derived page destroys its window in its own destructor (Zrusit), while the
// objects of the controls it attached still exist to see their windows go.
#pragma once

#include <windows.h>

#include "ui/nastaveni/KontextStranek.h"
#include "winapi/StrankaNastaveni.h"

namespace Vrbatec::Ui {

class StrankaZeSablony : public WinApi::StrankaNastaveni {
protected:
    StrankaZeSablony(KontextStranek& kontext, int sablona) noexcept
        : StrankaNastaveni(sablona), kontext_(kontext), sablona_(sablona) {}

    // The template from the program's resources, as a child of the frame.
    HWND VytvoritOkno(HWND ramec) override;

    KontextStranek& kontext_;

private:
    int sablona_;
};

} // namespace Vrbatec::Ui
