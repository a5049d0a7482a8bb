#include "ui/nastaveni/StrankaZeSablony.h"

#include "winapi/IVrbatecModul.h"

namespace Vrbatec::Ui {

HWND StrankaZeSablony::VytvoritOkno(HWND ramec) {
    return VytvoritNemodalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(sablona_), ramec);
}

} // namespace Vrbatec::Ui
