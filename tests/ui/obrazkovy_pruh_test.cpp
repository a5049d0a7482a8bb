// The image strips built from the real resources of this test executable.
#include "ui/ObrazkovyPruh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/Diagnostika.h"
#include "app/GdiPlus.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"
#include "ui/SedyObrazek.h"
#include "winapi/Handle.h"

namespace Vrbatec::Ui {
namespace {

struct Barva {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Barva&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Barva& c) {
    return os << "RGBA(" << +c.r << ", " << +c.g << ", " << +c.b << ", " << +c.a << ")";
}

// Pixel (x, y) of a 32-bit DIB section, straight from its bits.
Barva PixelSekce(HBITMAP bitmapa, int x, int y) {
    DIBSECTION dib{};
    if (::GetObjectW(bitmapa, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBitsPixel != 32) {
        return {};
    }
    // Top-down sections have a negative height in their header.
    const int radek = dib.dsBmih.biHeight < 0 ? y : dib.dsBm.bmHeight - 1 - y;
    const auto* p = static_cast<const std::uint8_t*>(dib.dsBm.bmBits) +
                    static_cast<std::size_t>(radek) * dib.dsBm.bmWidthBytes + x * 4;
    return {p[2], p[1], p[0], p[3]};
}

std::pair<int, int> Rozmery(HBITMAP bitmapa) {
    BITMAP popis{};
    ::GetObjectW(bitmapa, sizeof(popis), &popis);
    return {popis.bmWidth, popis.bmHeight};
}

// One image drawn the way a toolbar draws it, over a background of one colour.
std::vector<Barva> Nakreslit(HIMAGELIST seznam, int index, int strana, COLORREF pozadi) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), strana, -strana, 1, 32, BI_RGB}, {}};
    void* bity = nullptr;
    const WinApi::UniqueBitmap bitmapa(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bity, nullptr, 0));
    // Goes before the bitmap selected into it.
    const std::unique_ptr<HDC__, decltype(&::DeleteDC)> dc(::CreateCompatibleDC(nullptr),
                                                           &::DeleteDC);
    ::SelectObject(dc.get(), bitmapa.Get());
    const RECT vse{0, 0, strana, strana};
    ::FillRect(dc.get(), &vse, WinApi::UniqueBrush(::CreateSolidBrush(pozadi)).Get());
    EXPECT_TRUE(::ImageList_Draw(seznam, index, dc.get(), 0, 0, ILD_NORMAL));
    ::GdiFlush();
    const auto* p = static_cast<const std::uint8_t*>(bity);
    std::vector<Barva> pixely;
    for (int i = 0; i < strana * strana; ++i, p += 4) {
        pixely.push_back({p[2], p[1], p[0]});
    }
    return pixely;
}

// Drawn over black and over white: where both agree the image is opaque.
struct Kresba {
    Kresba(HIMAGELIST seznam, int index, int strana)
        : naCerne(Nakreslit(seznam, index, strana, RGB(0, 0, 0))),
          naBile(Nakreslit(seznam, index, strana, RGB(255, 255, 255))) {}
    bool Nepruhledny(std::size_t i) const { return naCerne[i] == naBile[i]; }

    std::vector<Barva> naCerne;
    std::vector<Barva> naBile;
};

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

    // The channel with the clearly largest share among the opaque pixels: 'r', 'g' or 'b',
    // and '?' for a tie decided by a few pixels.
    static char Prevazujici(const ObrazkovyPruh& pruh, int index) {
        const Kresba kresba(pruh.Seznam(), index, pruh.VelikostObrazku());
        std::pair<long, char> soucty[3] = {{0, 'r'}, {0, 'g'}, {0, 'b'}};
        for (std::size_t i = 0; i < kresba.naCerne.size(); ++i) {
            if (kresba.Nepruhledny(i)) {
                soucty[0].first += kresba.naCerne[i].r;
                soucty[1].first += kresba.naCerne[i].g;
                soucty[2].first += kresba.naCerne[i].b;
            }
        }
        std::sort(soucty, soucty + 3);
        const long nejvic = std::max(soucty[2].first, 1L);
        return 100 * (nejvic - soucty[1].first) / nejvic >= 15 ? soucty[2].second : '?';
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

        const WinApi::UniqueIcon ikona = pruh->Ikona(pocet - 1);
        ICONINFO info{};
        ASSERT_TRUE(ikona && ::GetIconInfo(ikona.Get(), &info));
        const WinApi::UniqueBitmap barvy(info.hbmColor), maska(info.hbmMask);
        EXPECT_EQ(std::pair(strana, strana), Rozmery(barvy.Get()));
        EXPECT_FALSE(pruh->Ikona(pocet));
    }
}

// The pictures sit at the indexes the program uses; a strip shifted by one image or a
// picture put at the wrong place changes the colour found there.
TEST_F(ObrazkovyPruhTest, KnownImagesHaveTheirColourAtTheirIndex) {
    // Play, not recording, volume up, stop, record, information, add, remove.
    const std::pair<int, char> male[] = {{0, 'b'},  {1, 'r'},  {2, 'g'},  {10, 'b'},
                                         {11, 'r'}, {16, 'b'}, {22, 'g'}, {27, 'r'}};
    for (const auto& [index, barva] : male) {
        EXPECT_EQ(barva, Prevazujici(*maly_, index)) << "small image " << index;
    }
    // Exit, information, stop, record.
    for (const auto& [index, barva] : {std::pair{0, 'r'}, {2, 'b'}, {5, 'b'}, {7, 'r'}}) {
        EXPECT_EQ(barva, Prevazujici(*velky_, index)) << "large image " << index;
    }
}

TEST_F(ObrazkovyPruhTest, GreyListHoldsTheWeightedGreyOfTheNormalImageAndTheSameTransparency) {
    for (const auto& [pruh, index] : {std::pair{maly_.get(), 11}, std::pair{velky_.get(), 4}}) {
        SCOPED_TRACE("image " + std::to_string(index) + " of " +
                     std::to_string(pruh->VelikostObrazku()));
        const int strana = pruh->VelikostObrazku();
        const Kresba normalni(pruh->Seznam(), index, strana);
        const Kresba seda(pruh->SedySeznam(), index, strana);
        int porovnano = 0;
        for (std::size_t i = 0; i < seda.naCerne.size(); ++i) {
            const Barva& s = seda.naCerne[i];
            ASSERT_TRUE(s.r == s.g && s.g == s.b) << i << ": " << s;
            ASSERT_EQ(normalni.Nepruhledny(i), seda.Nepruhledny(i)) << i;
            if (normalni.Nepruhledny(i)) {
                const Barva& n = normalni.naCerne[i];
                ASSERT_EQ(+SedyObrazek::Jas(n.r, n.g, n.b), +s.r) << i << " from " << n;
                ++porovnano;
            }
        }
        // The comparison must have had something to compare.
        EXPECT_GT(porovnano, strana * strana / 8);
        // A transparent corner shows the background.
        EXPECT_EQ((Barva{255, 255, 255}), seda.naBile[0]);
        EXPECT_EQ((Barva{0, 0, 0}), normalni.naCerne.back());
    }
}

TEST_F(ObrazkovyPruhTest, SmallStripHasItsOwnMenuBitmapOf16PerImageKeepingTransparency) {
    std::set<HBITMAP> ruzne;
    for (int i = 0; i < maly_->Pocet(); ++i) {
        EXPECT_EQ(std::pair(16, 16), Rozmery(maly_->BitmapaMenu(i))) << i;
        // Around the picture the menu's own background shows through.
        EXPECT_EQ((Barva{0, 0, 0, 0}), PixelSekce(maly_->BitmapaMenu(i), 0, 0)) << i;
        ruzne.insert(maly_->BitmapaMenu(i));
    }
    EXPECT_EQ(34u, ruzne.size());
    EXPECT_EQ(nullptr, maly_->BitmapaMenu(maly_->Pocet()));
    EXPECT_EQ(nullptr, velky_->BitmapaMenu(0));
    // Record (11) is an opaque red disc.
    const Barva zaznam = PixelSekce(maly_->BitmapaMenu(11), 8, 8);
    EXPECT_EQ(255, zaznam.a);
    EXPECT_GT(zaznam.r, std::max(zaznam.g, zaznam.b) + 60) << zaznam;
}

TEST(ObrazkovyPruhSelhani, MissingBitmapEndsTheProgram) {
    Testy::ZaznamHlaseni hlaseni;
    EXPECT_THROW(ObrazkovyPruh(::GetModuleHandleW(nullptr), 9999, false), Testy::UkonceniProcesu);
    ASSERT_EQ(1u, hlaseni.okna.size());
    EXPECT_NE(std::wstring::npos, hlaseni.okna[0].text.find(L"Došlo k významné chybě!"));
}

} // namespace
} // namespace Vrbatec::Ui
