#include "playback/VlaknoHlasitosti.h"

#include <memory>

#include "zaklad/Diagnostika.h"
#include "playback/DlgHlasitost.h"
#include "winapi/HraniceVyjimek.h"
#include "zaklad/IVrbatecModul.h"

namespace Vrbatec {

namespace {

// How long the destructor waits for a pop-up asked to close; its loop answers at once, but
// hiding a window can take a while.
constexpr ULONGLONG kCekaniNaKonec = 5000;
constexpr DWORD kKrokCekani = 50;

} // namespace

struct VlaknoHlasitosti::Zadani {
    HINSTANCE instance;
    HWND prijemce;
    int hlasitost;
    std::shared_ptr<std::atomic<HWND>> okno;
};

VlaknoHlasitosti::~VlaknoHlasitosti() {
    // The pop-up may not have its window yet: ask again until the thread has ended.
    const ULONGLONG konec = ::GetTickCount64() + kCekaniNaKonec;
    while (Bezi() && ::GetTickCount64() < konec) {
        if (HWND okno = okno_->load(); okno != nullptr) {
            ::PostMessageW(okno, WM_COMMAND, IDCANCEL, 0);
        }
        ::WaitForSingleObject(vlakno_.Get(), kKrokCekani);
    }
}

bool VlaknoHlasitosti::Otevrit(HWND hlavniOkno, int hlasitost) {
    if (Bezi()) {
        return false;
    }
    vlakno_.Reset();
    auto zadani = std::make_unique<Zadani>(
        Zadani{ZverejnenyModul().Instance(), hlavniOkno, hlasitost, okno_});
    vlakno_.Reset(::CreateThread(nullptr, 0, &Vlakno, zadani.get(), 0, nullptr));
    OveritVolani(static_cast<bool>(vlakno_));
    zadani.release(); // the thread owns it now
    return true;
}

bool VlaknoHlasitosti::Bezi() const {
    return vlakno_ && ::WaitForSingleObject(vlakno_.Get(), 0) == WAIT_TIMEOUT;
}

DWORD WINAPI VlaknoHlasitosti::Vlakno(void* parametr) {
    const std::unique_ptr<Zadani> zadani(static_cast<Zadani*>(parametr));
    return static_cast<DWORD>(WinApi::BezVyjimek([&]() -> INT_PTR {
        DlgHlasitost dialog(zadani->prijemce, zadani->hlasitost, zadani->okno.get());
        return dialog.Spustit(zadani->instance);
    }));
}

} // namespace Vrbatec
