// The pop-up volume slider on its own thread: where and how it opens, how a movement reaches
// the thread that opened it, that only one runs, and that it ends when it loses activation.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "../winapi/OknaTestu.h"
#include "app/Aplikace.h"
#include "playback/DlgHlasitost.h"
#include "playback/VlaknoHlasitosti.h"
#include "res/resource.h"

namespace {

using namespace Vrbatec;

// Pumps this thread's messages until the condition holds or five seconds have passed. Without
// a window manager a closing window can take two of them.
template <class Podminka>
bool CekatNa(Podminka podminka) {
    const ULONGLONG konec = ::GetTickCount64() + 5000;
    while (!podminka()) {
        if (::GetTickCount64() >= konec) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        MSG zprava;
        while (::PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            ::DispatchMessageW(&zprava);
        }
    }
    return true;
}

class HlasitostPopupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(
            SUCCEEDED(AplikaceInstance().PripravitOkenniProstredky(::GetModuleHandleW(nullptr))));
    }

    HlasitostPopupTest() {
        zpravy_.akce[WM_HLASITOST_Z_POPUPU] = [this](HWND) {
            const MSG& zprava = zpravy_.zpravy.back();
            prijate_.push_back(static_cast<int>(zprava.wParam));
            // Posted: the sender did not wait for this thread to take it.
            vlaknaPrijeti_.push_back(::InSendMessage() == FALSE);
        };
        EXPECT_TRUE(zpravy_.Pripojit(rodic_.Hwnd()));
    }

    HWND OtevritAPockat(int hlasitost) {
        EXPECT_TRUE(popup_.Otevrit(rodic_.Hwnd(), hlasitost));
        EXPECT_TRUE(CekatNa([this] { return popup_.Okno() != nullptr; }));
        return popup_.Okno();
    }

    int Pozice(HWND popup) const {
        return static_cast<int>(::SendDlgItemMessageW(popup, IDC_HLASITOST, TBM_GETPOS, 0, 0));
    }

    Testy::RodicTestu rodic_;
    Testy::ZaznamZprav zpravy_;
    std::vector<int> prijate_;
    std::vector<bool> vlaknaPrijeti_;
    VlaknoHlasitosti popup_;
};

TEST_F(HlasitostPopupTest, OpensAtTheCursorTopmostWithFullVolumeAtTheTop) {
    ASSERT_TRUE(::SetCursorPos(240, 180));
    POINT kurzor{};
    ::GetCursorPos(&kurzor);
    HWND popup = OtevritAPockat(30);
    ASSERT_NE(popup, nullptr);
    EXPECT_NE(::GetWindowThreadProcessId(popup, nullptr), ::GetCurrentThreadId());
    RECT obdelnik{};
    ::GetWindowRect(popup, &obdelnik);
    EXPECT_EQ(obdelnik.left, kurzor.x);
    EXPECT_EQ(obdelnik.top, kurzor.y);
    EXPECT_NE(::GetWindowLongW(popup, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(Pozice(popup), 70);
    EXPECT_NE(::GetWindowLongW(::GetDlgItem(popup, IDC_HLASITOST), GWL_STYLE) & TBS_NOTICKS, 0);
    ::PostMessageW(popup, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(CekatNa([this] { return !popup_.Bezi(); }));
}

TEST_F(HlasitostPopupTest, AMovementArrivesPostedAsTheVolumeAndASecondOpenDoesNothing) {
    HWND popup = OtevritAPockat(30);
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup_.Otevrit(rodic_.Hwnd(), 80));
    EXPECT_EQ(popup_.Okno(), popup);

    HWND posuvnik = ::GetDlgItem(popup, IDC_HLASITOST);
    ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, 0);
    ::SendMessageW(popup, WM_VSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 0),
                   reinterpret_cast<LPARAM>(posuvnik));
    ::SendMessageW(posuvnik, TBM_SETPOS, TRUE, 75);
    ::SendMessageW(popup, WM_VSCROLL, MAKEWPARAM(TB_ENDTRACK, 0),
                   reinterpret_cast<LPARAM>(posuvnik));
    EXPECT_TRUE(CekatNa([this] { return prijate_.size() >= 2; }));
    EXPECT_EQ(prijate_, (std::vector<int>{100, 25}));
    EXPECT_EQ(vlaknaPrijeti_, (std::vector<bool>{true, true}));

    ::PostMessageW(popup, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(CekatNa([this] { return !popup_.Bezi(); }));
    EXPECT_FALSE(::IsWindow(popup));
}

TEST_F(HlasitostPopupTest, ClosesWhenAnotherWindowIsActivatedAndCanThenOpenAgain) {
    HWND popup = OtevritAPockat(50);
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(CekatNa([popup] { return ::GetForegroundWindow() == popup; }));
    ::ShowWindow(rodic_.Hwnd(), SW_SHOW);
    ::SetForegroundWindow(rodic_.Hwnd());
    EXPECT_TRUE(CekatNa([this] { return !popup_.Bezi(); }));
    EXPECT_TRUE(prijate_.empty());

    EXPECT_NE(OtevritAPockat(50), nullptr);
}

} // namespace
