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

// The hook below runs on the held thread and knows nothing else.
struct UdalostiZdrzeni {
    HANDLE stoji = nullptr;
    HANDLE pust = nullptr;
};
UdalostiZdrzeni sUdalosti;

// Holds a thread inside its message retrieval, where it holds no lock of the system's (a
// thread suspended anywhere may hold the heap's, and then nothing else can allocate), until
// the object lets it go or goes itself.
class ZdrzeniVlakna {
public:
    explicit ZdrzeniVlakna(DWORD vlakno)
        : hak_(::SetWindowsHookExW(WH_GETMESSAGE, &ZdrzeniVlakna::Hak, nullptr, vlakno)) {
        stoji_.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        pust_.Reset(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        sUdalosti = {stoji_.Get(), pust_.Get()};
    }
    ~ZdrzeniVlakna() {
        Pustit();
        if (hak_ != nullptr) {
            ::UnhookWindowsHookEx(hak_);
        }
    }
    ZdrzeniVlakna(const ZdrzeniVlakna&) = delete;
    ZdrzeniVlakna& operator=(const ZdrzeniVlakna&) = delete;

    // Makes the thread of `okno` stop at its next message; whether it did.
    bool Zastavit(HWND okno) const {
        return hak_ != nullptr && ::PostMessageW(okno, WM_NULL, 0, 0) &&
               ::WaitForSingleObject(stoji_.Get(), 5000) == WAIT_OBJECT_0;
    }
    void Pustit() const { ::SetEvent(pust_.Get()); }

private:
    static LRESULT CALLBACK Hak(int kod, WPARAM w, LPARAM l) {
        if (kod == HC_ACTION && ::WaitForSingleObject(sUdalosti.stoji, 0) == WAIT_TIMEOUT) {
            ::SetEvent(sUdalosti.stoji);
            ::WaitForSingleObject(sUdalosti.pust, 10000);
        }
        return ::CallNextHookEx(nullptr, kod, w, l);
    }

    HHOOK hak_;
    WinApi::UniqueHandle stoji_;
    WinApi::UniqueHandle pust_;
};

// A pop-up whose thread does not answer while its owner goes: the owner gives up waiting,
// and the pop-up, once it runs again, closes without writing into the owner's memory.
TEST_F(HlasitostPopupTest, APopUpThatOutlivesItsOwnerLeavesTheOwnersMemoryAlone) {
    alignas(VlaknoHlasitosti) unsigned char pamet[sizeof(VlaknoHlasitosti)];
    auto* vlastnik = new (pamet) VlaknoHlasitosti;
    ASSERT_TRUE(vlastnik->Otevrit(rodic_.Hwnd(), 40));
    ASSERT_TRUE(CekatNa([&] { return vlastnik->Okno() != nullptr; }));
    const HWND popup = vlastnik->Okno();
    const DWORD id = ::GetWindowThreadProcessId(popup, nullptr);
    const WinApi::UniqueHandle vlakno(::OpenThread(SYNCHRONIZE, FALSE, id));
    ASSERT_TRUE(vlakno);
    const ZdrzeniVlakna zdrzeni(id);
    ASSERT_TRUE(zdrzeni.Zastavit(popup));

    vlastnik->~VlaknoHlasitosti();
    std::fill(std::begin(pamet), std::end(pamet), 0xAB);
    zdrzeni.Pustit();

    ASSERT_EQ(::WaitForSingleObject(vlakno.Get(), 5000), WAIT_OBJECT_0);
    EXPECT_FALSE(::IsWindow(popup));
    EXPECT_TRUE(
        std::all_of(std::begin(pamet), std::end(pamet), [](unsigned char b) { return b == 0xAB; }));
}

} // namespace
