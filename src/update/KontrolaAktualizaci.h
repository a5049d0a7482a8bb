// The update check's work on a thread of its own, one check at a time: fetch the file that
// names the newest version, judge it, then show the result dialog (or, unless silent, the
// error box) on that thread, so that the main window stays usable meanwhile.
//
// The thread never touches the main window or its icon: when the fetch has ended it posts
// KonecStahovani to the receiver (the main window removes its temporary icon), and nothing is
// posted once the owner has asked the check to stop. Zastavit, called before the receiver's
// window goes, closes a dialog or box of the check that is open and waits for the thread; a
// fetch that is still waiting on the network is left to end on its own (its time-outs bound
// it) and then shows nothing.
#pragma once

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "update/HttpTextSoubor.h"
#include "winapi/VlaknoPrace.h"

namespace Vrbatec {

struct KonecStahovani {
    HRESULT vysledek; // S_OK when the file was valid
};

struct NastaveniKontroly {
    // Empty: the program's update URL from the string table.
    std::wstring url;
    LimityHttp limity;
    // The application's session; null opens one for each check.
    HINTERNET internet = nullptr;
};

class KontrolaAktualizaci {
public:
    // How long Zastavit waits for a thread that is still fetching.
    static constexpr DWORD kLimitKonce = 2000;

    // KonecStahovani reaches the receiver under this message.
    explicit KontrolaAktualizaci(WinApi::ZpravaVysledku<KonecStahovani> zprava) noexcept
        : zprava_(zprava) {}
    ~KontrolaAktualizaci() { Zastavit(); }
    KontrolaAktualizaci(const KontrolaAktualizaci&) = delete;
    KontrolaAktualizaci& operator=(const KontrolaAktualizaci&) = delete;

    // False when a check runs already (its dialog still open counts). A silent check shows no
    // error box. A thread that cannot be started is fatal.
    bool Spustit(HWND prijemce, bool potichu, const NastaveniKontroly& nastaveni);
    bool Bezi() const noexcept { return vlakno_.Bezi(); }
    void Zastavit(DWORD limit = kLimitKonce);

    WinApi::ZpravaVysledku<KonecStahovani> Zprava() const noexcept { return zprava_; }

private:
    struct Zadani;

    WinApi::ZpravaVysledku<KonecStahovani> zprava_;
    WinApi::VlaknoPrace vlakno_;
    // The worker's thread, for closing the windows it shows.
    std::shared_ptr<std::atomic<DWORD>> idVlakna_ = std::make_shared<std::atomic<DWORD>>(0);
};

} // namespace Vrbatec
