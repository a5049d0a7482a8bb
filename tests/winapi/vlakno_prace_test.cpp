// Work on a thread of its own: the copy of its input, results that reach the window and those
// that cannot, the stop request and the join, and work that does not stop in time.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "OknaTestu.h"
#include "support/Cekani.h"
#include "zaklad/Handle.h"
#include "winapi/VlaknoPrace.h"

namespace {

using namespace Vrbatec;
using Testy::CekatNa;
using WinApi::RizeniPrace;
using WinApi::UniqueHandle;
using WinApi::VlaknoPrace;

// Counts the live ones: a result the helper loses or frees twice shows in the count.
struct Vysledek {
    static inline std::atomic<int> zivych{0};

    Vysledek(std::wstring t, int c) : text(std::move(t)), cislo(c) { ++zivych; }
    ~Vysledek() { --zivych; }
    Vysledek(const Vysledek&) = delete;
    Vysledek& operator=(const Vysledek&) = delete;

    std::wstring text;
    int cislo;
};

constexpr WinApi::ZpravaVysledku<Vysledek> kVysledek{WM_APP + 20};

UniqueHandle NovaUdalost() {
    UniqueHandle udalost(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    EXPECT_TRUE(udalost);
    return udalost;
}

// Waits without taking this thread's messages, as an owner busy elsewhere would.
template <class Podminka>
bool CekatBezZprav(Podminka podminka) {
    for (int i = 0; i < 500 && !podminka(); ++i) {
        ::Sleep(10);
    }
    return podminka();
}

class VlaknoPraceTest : public ::testing::Test {
protected:
    VlaknoPraceTest() {
        zaznam_.akce[kVysledek.cislo] = [this](HWND) {
            prijate_.push_back(kVysledek.Prevzit(zaznam_.zpravy.back().lParam));
        };
        EXPECT_TRUE(zaznam_.Pripojit(rodic_.Hwnd()));
        Vysledek::zivych = 0;
    }

    HWND Okno() const { return rodic_.Hwnd(); }

    Testy::RodicTestu rodic_;
    Testy::ZaznamZprav zaznam_;
    std::vector<std::unique_ptr<Vysledek>> prijate_;
};

struct Vstup {
    std::wstring text;
    int cislo;
    HANDLE start;
};

TEST_F(VlaknoPraceTest, TheWorkReadsItsOwnCopyOfTheInputAndItsResultArrivesOnceWithItsContents) {
    const UniqueHandle start = NovaUdalost();
    Vstup vstup{L"Český rozhlas Dvojka", 7, start.Get()};
    VlaknoPrace vlakno;
    vlakno.Spustit(Okno(), kVysledek, vstup, [](Vstup& v, const RizeniPrace<Vysledek>& r) {
        ::WaitForSingleObject(v.start, 5000);
        r.Poslat(std::make_unique<Vysledek>(v.text, v.cislo));
    });
    // Longer than any small-string buffer, so the caller's old text is freed memory now.
    vstup.text.assign(200, L'x');
    vstup.cislo = 8;
    ::SetEvent(start.Get());

    ASSERT_TRUE(CekatNa([&] { return !prijate_.empty(); }));
    EXPECT_EQ(prijate_[0]->text, L"Český rozhlas Dvojka");
    EXPECT_EQ(prijate_[0]->cislo, 7);
    EXPECT_TRUE(vlakno.Zastavit());
    Testy::Pumpovat(50);
    EXPECT_EQ(prijate_.size(), 1u);
    prijate_.clear();
    EXPECT_EQ(Vysledek::zivych, 0);
}

struct VstupDoZniceneho {
    HANDLE start;
    std::atomic<int>* poslano; // -1 until the work has tried
};

TEST_F(VlaknoPraceTest, AResultForADestroyedWindowIsFreedByTheHelper) {
    const UniqueHandle start = NovaUdalost();
    std::atomic<int> poslano{-1};
    HWND okno = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr);
    ASSERT_NE(okno, nullptr);
    VlaknoPrace vlakno;
    vlakno.Spustit(okno, kVysledek, VstupDoZniceneho{start.Get(), &poslano},
                   [](VstupDoZniceneho& v, const RizeniPrace<Vysledek>& r) {
                       ::WaitForSingleObject(v.start, 5000);
                       *v.poslano = r.Poslat(std::make_unique<Vysledek>(L"", 1)) ? 1 : 0;
                   });
    ::DestroyWindow(okno);
    ::SetEvent(start.Get());
    ASSERT_TRUE(CekatBezZprav([&] { return poslano != -1; }));
    EXPECT_EQ(poslano, 0);
    EXPECT_TRUE(vlakno.Zastavit());
    EXPECT_EQ(Vysledek::zivych, 0);
}

struct VstupZastaveni {
    std::atomic<int>* poslano;
    std::atomic<int>* poPozadavku; // posts tried after the stop request: -1 none, else 1/0
};

// Each way the work may watch the stop request: polling it between posts, or waiting on its
// event. The owner does not take its messages meanwhile; what was queued is freed by the join.
TEST_F(VlaknoPraceTest, TheStopReachesPollingAndWaitingWorkAndNoResultArrivesAfterTheJoin) {
    std::atomic<int> poslano{0};
    std::atomic<int> poPozadavku{-1};
    VlaknoPrace vlakno;
    vlakno.Spustit(Okno(), kVysledek, VstupZastaveni{&poslano, &poPozadavku},
                   [](VstupZastaveni& v, const RizeniPrace<Vysledek>& r) {
                       while (!r.KonecPozadovan()) {
                           r.Poslat(std::make_unique<Vysledek>(L"", ++*v.poslano));
                           ::Sleep(1);
                       }
                       *v.poPozadavku = r.Poslat(std::make_unique<Vysledek>(L"", 0)) ? 1 : 0;
                   });
    ASSERT_TRUE(CekatBezZprav([&] { return poslano >= 20; }));
    ULONGLONG zacatek = ::GetTickCount64();
    EXPECT_TRUE(vlakno.Zastavit());
    EXPECT_LT(::GetTickCount64() - zacatek, 2000u);
    EXPECT_FALSE(vlakno.Bezi());
    EXPECT_EQ(poPozadavku, 0);
    EXPECT_EQ(Vysledek::zivych, 0);

    // A new start on the same helper, its work waiting on the event as it would with its I/O.
    poPozadavku = -1;
    vlakno.Spustit(Okno(), kVysledek, VstupZastaveni{&poslano, &poPozadavku},
                   [](VstupZastaveni& v, const RizeniPrace<Vysledek>& r) {
                       r.Poslat(std::make_unique<Vysledek>(L"", 1));
                       const HANDLE udalosti[] = {r.UdalostKonce()};
                       ::WaitForMultipleObjects(1, udalosti, FALSE, INFINITE);
                       *v.poPozadavku = r.Poslat(std::make_unique<Vysledek>(L"", 2)) ? 1 : 0;
                   });
    ASSERT_TRUE(CekatBezZprav([] { return Vysledek::zivych == 1; }));
    zacatek = ::GetTickCount64();
    EXPECT_TRUE(vlakno.Zastavit());
    EXPECT_LT(::GetTickCount64() - zacatek, 2000u);
    EXPECT_EQ(poPozadavku, 0);
    EXPECT_EQ(Vysledek::zivych, 0);

    Testy::Pumpovat(50);
    EXPECT_TRUE(prijate_.empty());
}

// The work's last words to its owner's window are sent, not posted: the owner that waits for
// the thread must answer them, or both wait until the limit.
TEST_F(VlaknoPraceTest, TheJoinAnswersWhatTheWorkSendsToTheOwnersWindow) {
    VlaknoPrace vlakno;
    vlakno.Spustit(Okno(), kVysledek, Okno(), [](HWND& okno, const RizeniPrace<Vysledek>& r) {
        r.Pockat(INFINITE);
        ::SendMessageW(okno, Testy::kZpravaTestu, 0, 0);
    });
    const ULONGLONG zacatek = ::GetTickCount64();
    EXPECT_TRUE(vlakno.Zastavit(3000));
    EXPECT_LT(::GetTickCount64() - zacatek, 2000u);
    EXPECT_EQ(zaznam_.Pocet(Testy::kZpravaTestu), 1);
}

struct VstupNeposlusny {
    HANDLE pustit;
    HANDLE hotovo;
    std::atomic<int>* poslano;
};

// Work that ignores the stop request outlives the limit and its owner: once it goes on, it
// posts nothing and writes nothing into the owner's freed memory.
TEST_F(VlaknoPraceTest, WorkLeftRunningAfterTheLimitPostsNothingAndLeavesItsOwnerAlone) {
    const UniqueHandle pustit = NovaUdalost();
    const UniqueHandle hotovo = NovaUdalost();
    std::atomic<int> poslano{-1};
    alignas(VlaknoPrace) unsigned char pamet[sizeof(VlaknoPrace)];
    auto* vlastnik = new (pamet) VlaknoPrace;
    vlastnik->Spustit(Okno(), kVysledek, VstupNeposlusny{pustit.Get(), hotovo.Get(), &poslano},
                      [](VstupNeposlusny& v, const RizeniPrace<Vysledek>& r) {
                          ::WaitForSingleObject(v.pustit, 10000);
                          *v.poslano = r.Poslat(std::make_unique<Vysledek>(L"", 1)) ? 1 : 0;
                          ::SetEvent(v.hotovo);
                      });

    const ULONGLONG zacatek = ::GetTickCount64();
    EXPECT_FALSE(vlastnik->Zastavit(200));
    EXPECT_LT(::GetTickCount64() - zacatek, 2000u);
    vlastnik->~VlaknoPrace();
    std::fill(std::begin(pamet), std::end(pamet), 0xAB);
    ::SetEvent(pustit.Get());

    ASSERT_EQ(::WaitForSingleObject(hotovo.Get(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(poslano, 0);
    Testy::Pumpovat(50);
    EXPECT_TRUE(prijate_.empty());
    EXPECT_EQ(Vysledek::zivych, 0);
    EXPECT_TRUE(
        std::all_of(std::begin(pamet), std::end(pamet), [](unsigned char b) { return b == 0xAB; }));
}

} // namespace
