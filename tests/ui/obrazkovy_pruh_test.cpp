// The image strips built from the real resources of this test executable. The pictures
// themselves are checked where they are generated, their grey form and menu cut-outs by the
// portable tests, and their places on the toolbar by the toolbar's test.
#include "ui/ObrazkovyPruh.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "app/Diagnostika.h"
#include "app/GdiPlus.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/Handle.h"

namespace Vrbatec::Ui {
namespace {

class ObrazkovyPruhTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(GdiPlus::Spustit(gdiplus_));
        maly_ = std::make_unique<ObrazkovyPruh>(::GetModuleHandleW(nullptr), IDB_MALE_IKONY, true);
        velky_ =
            std::make_unique<ObrazkovyPruh>(::GetModuleHandleW(nullptr), IDB_VELKE_IKONY, false);
    }
    static void TearDownTestSuite() {
        maly_.reset();
        velky_.reset();
        GdiPlus::Ukoncit(gdiplus_);
    }

    static inline ULONG_PTR gdiplus_ = 0;
    static inline std::unique_ptr<ObrazkovyPruh> maly_;
    static inline std::unique_ptr<ObrazkovyPruh> velky_;
};

TEST_F(ObrazkovyPruhTest, SmallStripHas34ImagesOf16AndLargeStrip10Of32InBothListsAndIcons) {
    for (const auto& [pruh, pocet, strana] :
         {std::tuple{maly_.get(), 34, 16}, std::tuple{velky_.get(), 10, 32}}) {
        EXPECT_EQ(pocet, pruh->Pocet());
        EXPECT_EQ(strana, pruh->VelikostObrazku());
        EXPECT_EQ(pocet, ::ImageList_GetImageCount(pruh->Seznam()));
        EXPECT_EQ(pocet, ::ImageList_GetImageCount(pruh->SedySeznam()));
        int cx = 0, cy = 0;
        ASSERT_TRUE(::ImageList_GetIconSize(pruh->SedySeznam(), &cx, &cy));
        EXPECT_EQ(std::pair(strana, strana), std::pair(cx, cy));
        EXPECT_TRUE(pruh->Ikona(pocet - 1));
        EXPECT_FALSE(pruh->Ikona(pocet));
    }
}

TEST(ObrazkovyPruhSelhani, MissingBitmapEndsTheProgram) {
    Testy::ZaznamHlaseni hlaseni;
    EXPECT_THROW(ObrazkovyPruh(::GetModuleHandleW(nullptr), 9999, false), Testy::UkonceniProcesu);
    ASSERT_EQ(1u, hlaseni.okna.size());
    EXPECT_NE(std::wstring::npos, hlaseni.okna[0].text.find(L"Došlo k významné chybě!"));
}

} // namespace
} // namespace Vrbatec::Ui
