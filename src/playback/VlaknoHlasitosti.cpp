#include "playback/VlaknoHlasitosti.h"

#include <memory>

#include "playback/DlgHlasitost.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec {

struct VlaknoHlasitosti::Zadani {
    HINSTANCE instance;
    HWND prijemce;
    int hlasitost;
    std::shared_ptr<std::atomic<HWND>> okno;
};

VlaknoHlasitosti::~VlaknoHlasitosti() {
    Zavrit();
}

void VlaknoHlasitosti::Zavrit() {
    // The pop-up's loop is not ours to poll a stop request: it is asked to close, again until
    // its thread ends, since it may not have its window yet.
    vlakno_.Zastavit(WinApi::VlaknoPrace::kLimitKonce, [okno = okno_] {
        if (HWND popup = okno->load(); popup != nullptr) {
            ::PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
        }
    });
}

bool VlaknoHlasitosti::Otevrit(HWND hlavniOkno, int hlasitost) {
    if (Bezi()) {
        return false;
    }
    vlakno_.Spustit(Zadani{ZverejnenyModul().Instance(), hlavniOkno, hlasitost, okno_},
                    [](Zadani& zadani, const WinApi::RizeniPrace<>& rizeni) {
                        if (!rizeni.KonecPozadovan()) {
                            DlgHlasitost dialog(zadani.prijemce, zadani.hlasitost,
                                                zadani.okno.get());
                            dialog.Spustit(zadani.instance);
                        }
                    });
    return true;
}

} // namespace Vrbatec
