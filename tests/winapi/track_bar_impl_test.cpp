// The 0-100 trackbar: what attaching sets up, what a movement tells the label and the parent,
// and that the control goes with its object.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "OknaTestu.h"
#include "winapi/TrackBarImpl.h"

namespace {

using namespace Vrbatec;
using Knihovna::TrackBarImpl;

constexpr int kIdPosuvniku = 1013;
constexpr int kIdPopisku = 1014;

class TrackBarImplTest : public ::testing::Test {
protected:
    TrackBarImplTest() {
        posuvnik_ = rodic_.VytvoritDite(TRACKBAR_CLASSW, kIdPosuvniku);
        rodic_.VytvoritDite(L"STATIC", kIdPopisku, 0, L"000");
        // Sees the parent's messages before the parent's own object does.
        EXPECT_TRUE(zpravyRodice_.Pripojit(rodic_.Hwnd()));
    }

    std::wstring Popisek() const {
        return Testy::TextOkna(::GetDlgItem(rodic_.Hwnd(), kIdPopisku));
    }

    // A drag that ended at the position, as the parent hears of it.
    void Posunout(int pozice, UINT posun) {
        ::SendMessageW(posuvnik_, TBM_SETPOS, TRUE, pozice);
        ::SendMessageW(rodic_.Hwnd(), posun, MAKEWPARAM(TB_THUMBPOSITION, pozice),
                       reinterpret_cast<LPARAM>(posuvnik_));
    }

    Testy::RodicTestu rodic_;
    Testy::ZaznamZprav zpravyRodice_;
    HWND posuvnik_ = nullptr;
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

TEST_F(TrackBarImplTest, EachMovementUpdatesTheLabelThenTellsTheParentWithIdAndWindow) {
    TrackBarImpl posuvnik;
    ASSERT_EQ(posuvnik.PripojitPosuvnik(posuvnik_, 0, kIdPopisku), S_OK);
    std::wstring popisekPriOznameni;
    zpravyRodice_.akce[32769] = [&](HWND) { popisekPriOznameni = Popisek(); };

    Posunout(37, WM_HSCROLL);
    Posunout(64, WM_VSCROLL);

    ASSERT_EQ(zpravyRodice_.Pocet(32769), 2);
    const MSG* oznameni = zpravyRodice_.Posledni(32769);
    EXPECT_EQ(oznameni->wParam, static_cast<WPARAM>(kIdPosuvniku));
    EXPECT_EQ(oznameni->lParam, reinterpret_cast<LPARAM>(posuvnik_));
    EXPECT_EQ(popisekPriOznameni, L"64");
}

TEST_F(TrackBarImplTest, WithoutLabelAndProgramMessageOnlyTheThumbMovesAndTheControlGoesWithIt) {
    auto posuvnik = std::make_unique<TrackBarImpl>();
    ASSERT_EQ(posuvnik->PripojitPosuvnik(posuvnik_, 20, 0), S_OK);
    posuvnik->NastavitZpravuPosunu(32768);
    Posunout(70, WM_HSCROLL);
    posuvnik->NastavitPozici(9);
    EXPECT_EQ(posuvnik->Pozice(), 9);
    EXPECT_EQ(Popisek(), L"000");
    EXPECT_EQ(zpravyRodice_.Pocet(32768), 0);
    posuvnik.reset();
    EXPECT_FALSE(::IsWindow(posuvnik_));
}

} // namespace
