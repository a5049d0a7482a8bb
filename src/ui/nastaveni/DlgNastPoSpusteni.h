// The after-start page of the settings: the actions the program takes by itself once it has
// started, as a list of ticks.
#pragma once

#include <windows.h>

#include "ui/nastaveni/StrankaZeSablony.h"
#include "winapi/CheckListView.h"

namespace Vrbatec::Ui {

class DlgNastPoSpusteni final : public StrankaZeSablony {
public:
    explicit DlgNastPoSpusteni(KontextStranek& kontext);
    ~DlgNastPoSpusteni() override;

protected:
    bool PriInicializaci() override;
    bool PriOznameni(const NMHDR& oznameni, LRESULT& vysledek) override;
    bool PriPouziti() override;

private:
    WinApi::CheckListView akce_;
};

} // namespace Vrbatec::Ui
