// Work on a thread of its own, owned by an object that lives on a window's thread and calls it
// only there. VlaknoPrace runs one piece of work at a time:
//
// - The work is a plain function (a lambda without captures) with a copy of its input: all it
//   reads belongs to its thread. A pointer or handle in the input is the owner's promise that
//   what it names outlives the thread, even one left running (below).
// - Its results are heap objects posted to the owner's window under a message the owner chose
//   (ZpravaVysledku<T>), one number per run: the window's procedure takes each with Prevzit. A
//   result that cannot be posted (the window is gone, the queue is full) or that comes after
//   the stop request is freed on the spot.
// - Zastavit, and the destructor, ask the work to stop, wait for its thread while answering what
//   other threads send to this one, and free the results of that number still queued for the
//   window. The owner calls it before its window is destroyed: the system drops what is queued
//   for a destroyed window, and what those results own is lost, which is why they own memory
//   only.
// - Work that has not ended within the limit is left to end on its own. Its thread owns its
//   input and its side of the run, so it writes nothing of the owner's, and none of its results
//   is posted any more.
// - An exception that leaves the work ends the program through the fatal path (BezVyjimek).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>

#include "winapi/Handle.h"
#include "winapi/HraniceVyjimek.h"

namespace Vrbatec::WinApi {

// The message number under which results of type T reach a window. lParam carries the result.
template <class T>
struct ZpravaVysledku {
    UINT cislo;

    // For the window's procedure: the result of a message of this number, now owned by the caller.
    static std::unique_ptr<T> Prevzit(LPARAM lParam) noexcept {
        return std::unique_ptr<T>(reinterpret_cast<T*>(lParam));
    }
};

namespace Detail {

// One run, shared by the owner and the thread, so that either may go first.
class StavPrace {
public:
    // Without a receiver the run posts nothing. A failure to make the stop event is thrown.
    StavPrace(HWND prijemce, UINT zprava);

    void PozadatOKonec() noexcept;
    bool KonecPozadovan() const noexcept;
    HANDLE UdalostKonce() const noexcept { return konec_.Get(); }
    HWND Prijemce() const noexcept { return prijemce_; }
    UINT Zprava() const noexcept { return zprava_; }
    // False when it did not post: the caller still owns the result.
    bool Poslat(LPARAM vysledek) const noexcept;

private:
    HWND prijemce_;
    UINT zprava_;
    UniqueHandle konec_;
    // Taken by each post and by the stop request, so that no post follows the request.
    mutable std::mutex zamek_;
    bool konecPozadovan_ = false;
};

} // namespace Detail

// What the work is given: the stop request and, when the run has a receiver, the way to post.
template <class T = void>
class RizeniPrace {
public:
    explicit RizeniPrace(const Detail::StavPrace& stav) noexcept : stav_(stav) {}

    bool KonecPozadovan() const noexcept { return stav_.KonecPozadovan(); }
    // Manual-reset event set at the stop request, to wait on together with I/O.
    HANDLE UdalostKonce() const noexcept { return stav_.UdalostKonce(); }
    // Waits up to the time given; true once the stop is requested.
    bool Pockat(DWORD milisekund) const noexcept {
        return ::WaitForSingleObject(stav_.UdalostKonce(), milisekund) == WAIT_OBJECT_0;
    }

    // Whether it was posted; a result that was not is freed here.
    bool Poslat(std::unique_ptr<T> vysledek) const requires(!std::is_void_v<T>) {
        if (!stav_.Poslat(reinterpret_cast<LPARAM>(vysledek.get()))) {
            return false;
        }
        vysledek.release(); // the receiver's now
        return true;
    }

private:
    const Detail::StavPrace& stav_;
};

class VlaknoPrace {
public:
    // How long Zastavit waits unless told otherwise.
    static constexpr DWORD kLimitKonce = 5000;

    VlaknoPrace() = default;
    ~VlaknoPrace() { Zastavit(); }
    VlaknoPrace(const VlaknoPrace&) = delete;
    VlaknoPrace& operator=(const VlaknoPrace&) = delete;

    // Runs prace(its copy of vstup, control) on a new thread, with results posted to prijemce
    // as zprava. Work still running from an earlier start is stopped first (Zastavit); results
    // of work that ended on its own stay queued. A thread that cannot be started is thrown as
    // HRESULT.
    template <class T, class Vstup>
    void Spustit(HWND prijemce, ZpravaVysledku<T> zprava, Vstup vstup,
                 std::type_identity_t<void (*)(Vstup&, const RizeniPrace<T>&)> prace) {
        SpustitBeh<T>(std::make_shared<Detail::StavPrace>(prijemce, zprava.cislo), &Zahodit<T>,
                      std::move(vstup), prace);
    }
    // The same for work without results.
    template <class Vstup>
    void Spustit(Vstup vstup, std::type_identity_t<void (*)(Vstup&, const RizeniPrace<>&)> prace) {
        SpustitBeh<void>(std::make_shared<Detail::StavPrace>(nullptr, 0), nullptr, std::move(vstup),
                         prace);
    }

    bool Bezi() const noexcept;

    // Asks the work to stop and waits up to limit for its thread, then frees the results still
    // queued for the receiver when called on the receiver's thread. pobidka, for work that
    // cannot poll (a modal window on the thread is asked to close), is called on this thread
    // at the request and every 50 ms of the wait. True when the thread has ended (or there was
    // none); false when it was left running.
    bool Zastavit(DWORD limit = kLimitKonce, const std::function<void()>& pobidka = {});

private:
    template <class T, class Vstup>
    struct Zakazka {
        std::shared_ptr<const Detail::StavPrace> stav;
        Vstup vstup;
        void (*prace)(Vstup&, const RizeniPrace<T>&);
    };

    template <class T, class Vstup>
    void SpustitBeh(std::shared_ptr<Detail::StavPrace> stav, void (*zahodit)(LPARAM), Vstup vstup,
                    void (*prace)(Vstup&, const RizeniPrace<T>&)) {
        auto zakazka =
            std::make_unique<Zakazka<T, Vstup>>(Zakazka<T, Vstup>{stav, std::move(vstup), prace});
        SpustitVlakno(std::move(stav), zahodit, &Beh<T, Vstup>, zakazka.get());
        zakazka.release(); // the thread's now
    }

    template <class T, class Vstup>
    static DWORD WINAPI Beh(void* parametr) {
        const std::unique_ptr<Zakazka<T, Vstup>> zakazka(static_cast<Zakazka<T, Vstup>*>(parametr));
        BezVyjimek([&] { zakazka->prace(zakazka->vstup, RizeniPrace<T>(*zakazka->stav)); });
        return 0;
    }

    template <class T>
    static void Zahodit(LPARAM vysledek) noexcept {
        ZpravaVysledku<T>::Prevzit(vysledek);
    }

    void SpustitVlakno(std::shared_ptr<Detail::StavPrace> stav, void (*zahodit)(LPARAM),
                       LPTHREAD_START_ROUTINE beh, void* zakazka);

    UniqueHandle vlakno_;
    std::shared_ptr<Detail::StavPrace> stav_;
    void (*zahodit_)(LPARAM) = nullptr;
};

} // namespace Vrbatec::WinApi
