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
#include "winapi/Handle.h"
#include "winapi/VlaknoPrace.h"

namespace {

using namespace Vrbatec;
using WinApi::RizeniPrace;
using WinApi::UniqueHandle;
using WinApi::VlaknoPrace;

// Counts the live ones: a result the helper loses or frees twice shows in the count.
struct Vysledek {
    static inline std::atomic<int> zivych{0};

    explicit Vysledek(std::wstring t) : text(std::move(t)) { ++zivych; }
    ~Vysledek() { --zivych; }

    std::wstring text;
};

constexpr WinApi::ZpravaVysledku<Vysledek> kVysledek{WM_APP + 20};

struct Vstup {
    std::wstring text;
    HANDLE start = nullptr;              // waited for before the post
    HANDLE hotovo = nullptr;             // set after it
    std::atomic<int>* poslano = nullptr; // what the work tells of its posts
    HWND vlastnik = nullptr;             // the owner's window, for what the work sends it
};

// Posts its text once started, and tells whether the post went: 1 or 0.
void PoStartuPoslat(Vstup& v, const RizeniPrace<Vysledek>& r) {
    ::WaitForSingleObject(v.start, 10000);
    const bool poslano = r.Poslat(std::make_unique<Vysledek>(v.text));
    *v.poslano = poslano ? 1 : 0;
    ::SetEvent(v.hotovo);
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

    Testy::RodicTestu rodic_;
    Testy::ZaznamZprav zaznam_;
    std::vector<std::unique_ptr<Vysledek>> prijate_;
    const UniqueHandle start_{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    const UniqueHandle hotovo_{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::atomic<int> poslano_{-1};
};

TEST_F(VlaknoPraceTest, TheWorkReadsItsOwnCopyOfTheInputAndItsResultArrivesOnceWithItsContents) {
    Vstup vstup{L"Český rozhlas Dvojka", start_.Get(), hotovo_.Get(), &poslano_};
    VlaknoPrace vlakno;
    vlakno.Spustit(rodic_.Hwnd(), kVysledek, vstup, &PoStartuPoslat);
    // Longer than any small-string buffer, so the caller's old text is freed memory now.
    vstup.text.assign(200, L'x');
    ::SetEvent(start_.Get());

    ASSERT_TRUE(Testy::CekatNa([&] { return !prijate_.empty(); }));
    EXPECT_EQ(prijate_[0]->text, L"Český rozhlas Dvojka");
    EXPECT_TRUE(vlakno.Zastavit());
    Testy::Pumpovat(50);
    EXPECT_EQ(prijate_.size(), 1u);
    prijate_.clear();
    EXPECT_EQ(Vysledek::zivych, 0);
}

// Work that waits for the stop request between posts while the owner does not take its
// messages: the posts stop at the request, what was queued is freed by the join, and the join
// answers what the work sends to the owner's window at its end (or both wait until the limit).
TEST_F(VlaknoPraceTest, TheStopReachesTheWorkNoResultArrivesAfterItAndTheJoinAnswersTheWork) {
    std::atomic<int> poslano{0};
    VlaknoPrace vlakno;
    vlakno.Spustit(rodic_.Hwnd(), kVysledek, Vstup{L"", nullptr, nullptr, &poslano, rodic_.Hwnd()},
                   [](Vstup& v, const RizeniPrace<Vysledek>& r) {
                       while (!r.Pockat(1)) {
                           r.Poslat(std::make_unique<Vysledek>(L""));
                           ++*v.poslano;
                       }
                       const bool poPozadavku = r.Poslat(std::make_unique<Vysledek>(L""));
                       *v.poslano = r.KonecPozadovan() && !poPozadavku ? -1 : -2;
                       ::SendMessageW(v.vlastnik, Testy::kZpravaTestu, 0, 0);
                   });
    for (int i = 0; i < 500 && poslano < 20; ++i) {
        ::Sleep(10);
    }
    ASSERT_GE(poslano, 20);
    EXPECT_TRUE(vlakno.Zastavit());
    EXPECT_EQ(poslano, -1) << "the stop request, as the work sees it and its posts";
    EXPECT_EQ(zaznam_.Pocet(Testy::kZpravaTestu), 1);
    EXPECT_EQ(Vysledek::zivych, 0);
    Testy::Pumpovat(50);
    EXPECT_TRUE(prijate_.empty());
}

// A result that cannot be posted is freed on the spot: its window is gone, or its work ignored
// the stop request and outlived the limit and its owner, into whose freed memory it then
// writes nothing.
TEST_F(VlaknoPraceTest, AResultThatCannotBePostedIsFreedAndWorkLeftRunningLeavesItsOwnerAlone) {
    alignas(VlaknoPrace) unsigned char pamet[sizeof(VlaknoPrace)];
    auto* vlastnik = new (pamet) VlaknoPrace;
    HWND okno = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr);
    vlastnik->Spustit(okno, kVysledek, Vstup{L"", start_.Get(), hotovo_.Get(), &poslano_},
                      &PoStartuPoslat);
    ::DestroyWindow(okno);
    ::SetEvent(start_.Get());
    ASSERT_EQ(::WaitForSingleObject(hotovo_.Get(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(poslano_, 0);

    ::ResetEvent(start_.Get());
    ::ResetEvent(hotovo_.Get());
    poslano_ = -1;
    vlastnik->Spustit(rodic_.Hwnd(), kVysledek, Vstup{L"", start_.Get(), hotovo_.Get(), &poslano_},
                      &PoStartuPoslat);
    const ULONGLONG zacatek = ::GetTickCount64();
    EXPECT_FALSE(vlastnik->Zastavit(200));
    EXPECT_LT(::GetTickCount64() - zacatek, 2000u);
    vlastnik->~VlaknoPrace();
    std::fill(std::begin(pamet), std::end(pamet), 0xAB);
    ::SetEvent(start_.Get());
    ASSERT_EQ(::WaitForSingleObject(hotovo_.Get(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(poslano_, 0);
    Testy::Pumpovat(50);
    EXPECT_TRUE(prijate_.empty());
    EXPECT_EQ(Vysledek::zivych, 0);
    EXPECT_TRUE(
        std::all_of(std::begin(pamet), std::end(pamet), [](unsigned char b) { return b == 0xAB; }));
}

} // namespace
