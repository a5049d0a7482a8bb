#include "winapi/VlaknoPrace.h"

#include <algorithm>

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

namespace {

constexpr DWORD kKrokPobidky = 50;

// Waits for the handle while answering messages that other threads send to this one: work
// whose window sends to the owner's (activation, a SendMessage of its own) would otherwise wait
// for the owner that waits for it, until the limit. Posted messages stay queued.
bool CekatOdpovidaje(HANDLE h, DWORD milisekund) {
    const ULONGLONG konec = ::GetTickCount64() + milisekund;
    for (;;) {
        const ULONGLONG ted = ::GetTickCount64();
        const auto zbyva = static_cast<DWORD>(konec > ted ? konec - ted : 0);
        switch (::MsgWaitForMultipleObjects(1, &h, FALSE, zbyva, QS_SENDMESSAGE)) {
        case WAIT_OBJECT_0:
            return true;
        case WAIT_OBJECT_0 + 1: {
            MSG zprava;
            ::PeekMessageW(&zprava, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            break;
        }
        case WAIT_TIMEOUT:
            return false;
        default:
            // The handle is ours and open: a failed wait means the process is broken.
            FatalniPosledniChyba();
        }
    }
}

// Asks pobidka every step, so that work which has no window yet when first asked is asked
// again once it has.
bool CekatNaKonec(HANDLE vlakno, DWORD limit, const std::function<void()>& pobidka) {
    const ULONGLONG konec = ::GetTickCount64() + limit;
    for (;;) {
        if (pobidka) {
            pobidka();
        }
        const ULONGLONG ted = ::GetTickCount64();
        const auto krok =
            static_cast<DWORD>(std::min<ULONGLONG>(konec > ted ? konec - ted : 0, kKrokPobidky));
        if (CekatOdpovidaje(vlakno, krok)) {
            return true;
        }
        if (::GetTickCount64() >= konec) {
            return false;
        }
    }
}

// Only the receiver's thread can take its messages; elsewhere they stay for it to receive.
void ZahoditCekajici(const Detail::StavPrace& stav, void (*zahodit)(LPARAM)) {
    const HWND prijemce = stav.Prijemce();
    if (::GetWindowThreadProcessId(prijemce, nullptr) != ::GetCurrentThreadId()) {
        return;
    }
    const UINT zprava = stav.Zprava();
    MSG cekajici;
    while (::PeekMessageW(&cekajici, prijemce, zprava, zprava, PM_REMOVE)) {
        zahodit(cekajici.lParam);
    }
}

} // namespace

namespace Detail {

StavPrace::StavPrace(HWND prijemce, UINT zprava)
    : prijemce_(prijemce), zprava_(zprava), konec_(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    OveritVolani(static_cast<bool>(konec_));
}

void StavPrace::PozadatOKonec() noexcept {
    const std::lock_guard zamek(zamek_);
    konecPozadovan_ = true;
    ::SetEvent(konec_.Get());
}

bool StavPrace::KonecPozadovan() const noexcept {
    const std::lock_guard zamek(zamek_);
    return konecPozadovan_;
}

bool StavPrace::Poslat(LPARAM vysledek) const noexcept {
    const std::lock_guard zamek(zamek_);
    return !konecPozadovan_ && prijemce_ != nullptr &&
           ::PostMessageW(prijemce_, zprava_, 0, vysledek);
}

} // namespace Detail

bool VlaknoPrace::Bezi() const noexcept {
    return vlakno_ && ::WaitForSingleObject(vlakno_.Get(), 0) == WAIT_TIMEOUT;
}

bool VlaknoPrace::Zastavit(DWORD limit, const std::function<void()>& pobidka) {
    // The run leaves the members first: what the window's procedure does with this object
    // while the wait answers sent messages concerns a run of its own.
    const UniqueHandle vlakno = std::move(vlakno_);
    const std::shared_ptr<Detail::StavPrace> stav = std::move(stav_);
    void (*const zahodit)(LPARAM) = std::exchange(zahodit_, nullptr);
    if (!stav) {
        return true;
    }
    stav->PozadatOKonec();
    const bool skoncilo = CekatNaKonec(vlakno.Get(), limit, pobidka);
    if (zahodit != nullptr) {
        ZahoditCekajici(*stav, zahodit);
    }
    // A thread left running holds its own share of the run and ends on its own.
    return skoncilo;
}

void VlaknoPrace::SpustitVlakno(std::shared_ptr<Detail::StavPrace> stav, void (*zahodit)(LPARAM),
                                LPTHREAD_START_ROUTINE beh, void* zakazka) {
    if (Bezi()) {
        Zastavit();
    }
    // An ended run is let go without Zastavit: its results are still wanted.
    stav_.reset();
    zahodit_ = nullptr;
    vlakno_.Reset(::CreateThread(nullptr, 0, beh, zakazka, 0, nullptr));
    OveritVolani(static_cast<bool>(vlakno_));
    stav_ = std::move(stav);
    zahodit_ = zahodit;
}

} // namespace Vrbatec::WinApi
