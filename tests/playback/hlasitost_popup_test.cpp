// The pop-up volume slider on its own thread: how it opens, how a movement reaches
// the thread that opened it, that only one runs, and that it ends when it loses activation or
// its owner goes.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <new>
#include <optional>

#include "../winapi/OknaTestu.h"
#include "playback/DlgHlasitost.h"
#include "playback/VlaknoHlasitosti.h"
#include "support/Cekani.h"
#include "winapi/Handle.h"
#include "res/resource.h"

namespace {

using namespace Vrbatec;

using Testy::CekatNa;

class HlasitostPopupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { Testy::PripravitProstredkyAplikace(); }

    HlasitostPopupTest() {
        // Posted: the sender does not wait for this thread to take it.
        zpravy_.akce[WM_HLASITOST_Z_POPUPU] = [this](HWND) {
            prijate_.push_back(::InSendMessage() ? -1
                                                 : static_cast<int>(zpravy_.zpravy.back().wParam));
        };
        EXPECT_TRUE(zpravy_.Pripojit(rodic_.Hwnd()));
    }

    HWND Otevrit(int hlasitost) {
        EXPECT_TRUE(popup_->Otevrit(rodic_.Hwnd(), hlasitost));
        EXPECT_TRUE(CekatNa([this] { return popup_->Okno() != nullptr; }));
        return popup_->Okno();
    }

    Testy::RodicTestu rodic_;
    Testy::ZaznamZprav zpravy_;
    std::vector<int> prijate_;
    std::optional<VlaknoHlasitosti> popup_{std::in_place};
};

TEST_F(HlasitostPopupTest, OpensOncePostsEachMovementAsTheVolumeAndClosesWhenDeactivated) {
    HWND popup = Otevrit(30);
    ASSERT_NE(popup, nullptr);
    HWND posuvnik = ::GetDlgItem(popup, IDC_HLASITOST);
    EXPECT_EQ(::SendMessageW(posuvnik, TBM_GETPOS, 0, 0), 70);
    EXPECT_FALSE(popup_->Otevrit(rodic_.Hwnd(), 80));
    EXPECT_EQ(popup_->Okno(), popup);

    for (const int pozice : {0, 75}) {
        ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, pozice);
        ::SendMessageW(popup, WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, pozice),
                       reinterpret_cast<LPARAM>(posuvnik));
    }
    EXPECT_TRUE(CekatNa([this] { return prijate_.size() >= 2; }));
    EXPECT_EQ(prijate_, (std::vector<int>{100, 25}));

    // Another window activated closes it, and it can then open again.
    ASSERT_TRUE(CekatNa([popup] { return ::GetForegroundWindow() == popup; }));
    ::ShowWindow(rodic_.Hwnd(), SW_SHOW);
    ::SetForegroundWindow(rodic_.Hwnd());
    EXPECT_TRUE(CekatNa([this] { return !popup_->Bezi(); }));
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_EQ(prijate_.size(), 2u);

    // It opens again, and its owner's end closes it.
    const HWND druhy = Otevrit(50);
    ASSERT_NE(druhy, nullptr);
    popup_.reset();
    EXPECT_FALSE(::IsWindow(druhy));
}

// A pop-up whose thread does not answer while its owner goes: the owner gives up waiting,
// and the pop-up, once it runs again, closes without writing into the owner's memory.
TEST_F(HlasitostPopupTest, APopUpThatOutlivesItsOwnerLeavesTheOwnersMemoryAlone) {
    alignas(VlaknoHlasitosti) unsigned char pamet[sizeof(VlaknoHlasitosti)];
    auto* vlastnik = new (pamet) VlaknoHlasitosti;
    ASSERT_TRUE(vlastnik->Otevrit(rodic_.Hwnd(), 40));
    ASSERT_TRUE(CekatNa([&] { return vlastnik->Okno() != nullptr; }));
    const HWND popup = vlastnik->Okno();
    const WinApi::UniqueHandle vlakno(::OpenThread(SYNCHRONIZE | THREAD_SUSPEND_RESUME, FALSE,
                                                   ::GetWindowThreadProcessId(popup, nullptr)));
    ASSERT_TRUE(vlakno);
    ASSERT_NE(::SuspendThread(vlakno.Get()), static_cast<DWORD>(-1));

    vlastnik->~VlaknoHlasitosti();
    std::fill(std::begin(pamet), std::end(pamet), 0xAB);
    ::ResumeThread(vlakno.Get());

    ASSERT_EQ(::WaitForSingleObject(vlakno.Get(), 5000), WAIT_OBJECT_0);
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_TRUE(
        std::all_of(std::begin(pamet), std::end(pamet), [](unsigned char b) { return b == 0xAB; }));
}

} // namespace
