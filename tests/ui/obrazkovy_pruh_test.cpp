// The image strips built from the real resources of this test executable. The pictures
// themselves are checked where they are generated, their grey form and menu cut-outs by the
// portable tests, and their places on the toolbar by the toolbar's test.
#include "ui/ObrazkovyPruh.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "app/Aplikace.h"
#include "app/Diagnostika.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"

namespace Vrbatec::Ui {
namespace {

class ObrazkovyPruhTest : public testing::Test {
protected:
    // The application builds both strips as the program does, GDI+ started for them.
    static void SetUpTestSuite() {
        ASSERT_EQ(AplikaceInstance().PripravitOkenniProstredky(::GetModuleHandleW(nullptr)), S_OK);
    }
};

TEST_F(ObrazkovyPruhTest, SmallStripHas34ImagesOf16AndLargeStrip10Of32InBothListsAndIcons) {
    for (const auto& [pruh, pocet, strana] :
         {std::tuple{&AplikaceInstance().MalyPruh(), 34, 16},
          std::tuple{&AplikaceInstance().VelkyPruh(), 10, 32}}) {
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
