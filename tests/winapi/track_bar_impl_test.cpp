// The 0-100 trackbar: what attaching sets up, that it stays quiet without a label and a
// message, and that the control goes with its object. What a movement tells the label and the
// parent is seen through the control panel's and the pop-up slider's tests.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "OknaTestu.h"
#include "winapi/TrackBarImpl.h"

namespace {

using namespace Vrbatec;
using Knihovna::TrackBarImpl;

constexpr int kIdPopisku = 1014;

class TrackBarImplTest : public ::testing::Test {
protected:
    std::wstring Popisek() const { return Testy::TextOkna(popisek_); }

    Testy::RodicTestu rodic_;
    HWND posuvnik_ = rodic_.VytvoritDite(TRACKBAR_CLASSW, 1013);
    HWND popisek_ = rodic_.VytvoritDite(L"STATIC", kIdPopisku, 0, L"000");
};

TEST_F(TrackBarImplTest, AttachSetsRangePositionAndLabelWithOutOfRangeAsZero) {
    ::SendMessageW(posuvnik_, TBM_SETRANGE, TRUE, MAKELPARAM(5, 20));
    for (const auto& [hodnota, pozice] : {std::pair{42, 42}, {101, 0}, {-1, 0}}) {
        TrackBarImpl posuvnik;
        ASSERT_EQ(posuvnik.PripojitPosuvnik(posuvnik_, hodnota, kIdPopisku), S_OK);
        EXPECT_EQ(::SendMessageW(posuvnik_, TBM_GETRANGEMAX, 0, 0), 100);
        EXPECT_EQ(::SendMessageW(posuvnik_, TBM_GETRANGEMIN, 0, 0), 0);
        EXPECT_EQ(posuvnik.Pozice(), pozice) << hodnota;
        EXPECT_EQ(Popisek(), std::to_wstring(pozice)) << hodnota;
        posuvnik.Odpojit();
    }
    TrackBarImpl chybny;
    EXPECT_EQ(chybny.PripojitPosuvnik(nullptr, 10, 0), E_INVALIDARG);
    EXPECT_EQ(chybny.PripojitPosuvnik(reinterpret_cast<HWND>(0x7ff0), 10, 0), E_INVALIDARG);
}

TEST_F(TrackBarImplTest, WithoutLabelAndProgramMessageOnlyTheThumbMovesAndTheControlGoesWithIt) {
    Testy::ZaznamZprav zpravyRodice;
    ASSERT_TRUE(zpravyRodice.Pripojit(rodic_.Hwnd()));
    auto posuvnik = std::make_unique<TrackBarImpl>();
    ASSERT_EQ(posuvnik->PripojitPosuvnik(posuvnik_, 20, 0), S_OK);
    posuvnik->NastavitZpravuPosunu(32768);
    ::SendMessageW(posuvnik_, TBM_SETPOS, TRUE, 70);
    ::SendMessageW(rodic_.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 70),
                   reinterpret_cast<LPARAM>(posuvnik_));
    posuvnik->NastavitPozici(9);
    EXPECT_EQ(posuvnik->Pozice(), 9);
    EXPECT_EQ(Popisek(), L"000");
    EXPECT_EQ(zpravyRodice.Pocet(32768), 0);
    posuvnik.reset();
    EXPECT_FALSE(::IsWindow(posuvnik_));
}

} // namespace
