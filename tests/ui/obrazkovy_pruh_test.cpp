// The image strips built from the real resources of this test executable.
#include "ui/ObrazkovyPruh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Diagnostika.h"
#include "app/GdiPlus.h"
#include "res/resource.h"
#include "ui/SedyObrazek.h"
#include "winapi/Handle.h"

namespace Vrbatec::Ui {
namespace {

using WinApi::UniqueBitmap;

struct Barva {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Barva&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Barva& c) {
    return os << "RGB(" << c.r << ", " << c.g << ", " << c.b << ")";
}

enum class Kanal { Cervena, Zelena, Modra };

std::ostream& operator<<(std::ostream& os, Kanal k) {
    return os << (k == Kanal::Cervena ? "red" : k == Kanal::Zelena ? "green" : "blue");
}

struct PametovyKontext {
    using Typ = HDC;
    static constexpr Typ Prazdny() noexcept { return nullptr; }
    static bool Platny(Typ h) noexcept { return h != nullptr; }
    static void Zavrit(Typ h) noexcept { ::DeleteDC(h); }
};
using UniquePametovyKontext = WinApi::Handle<PametovyKontext>;

// A 32-bit top-down DIB section filled with one background colour, into which one image of
// a list is drawn the way a toolbar would draw it.
class Platno {
public:
    Platno(int velikost, COLORREF pozadi) : velikost_(velikost) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = velikost;
        info.bmiHeader.biHeight = -velikost;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bity = nullptr;
        bitmapa_.Reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bity, nullptr, 0));
        if (!bitmapa_ || !dc_) {
            throw std::runtime_error("DIB section");
        }
        pixely_ = static_cast<const std::uint8_t*>(bity);
        puvodni_ = ::SelectObject(dc_.Get(), bitmapa_.Get());
        RECT vse{0, 0, velikost, velikost};
        WinApi::UniqueBrush stetec(::CreateSolidBrush(pozadi));
        ::FillRect(dc_.Get(), &vse, stetec.Get());
    }
    ~Platno() { ::SelectObject(dc_.Get(), puvodni_); }
    Platno(const Platno&) = delete;
    Platno& operator=(const Platno&) = delete;

    bool Nakreslit(HIMAGELIST seznam, int index) {
        const bool ok = ::ImageList_Draw(seznam, index, dc_.Get(), 0, 0, ILD_NORMAL) != FALSE;
        ::GdiFlush();
        return ok;
    }

    Barva Pixel(int x, int y) const {
        const std::uint8_t* p = pixely_ + (static_cast<std::size_t>(y) * velikost_ + x) * 4;
        return {p[2], p[1], p[0]};
    }

private:
    int velikost_;
    UniquePametovyKontext dc_{::CreateCompatibleDC(nullptr)};
    UniqueBitmap bitmapa_;
    const std::uint8_t* pixely_ = nullptr;
    HGDIOBJ puvodni_ = nullptr;
};

// One image drawn over black and over white: where both agree the image is opaque.
struct Kresba {
    Kresba(HIMAGELIST seznam, int index, int strana)
        : naCerne(strana, RGB(0, 0, 0)), naBile(strana, RGB(255, 255, 255)), velikost(strana) {
        EXPECT_TRUE(naCerne.Nakreslit(seznam, index));
        EXPECT_TRUE(naBile.Nakreslit(seznam, index));
    }
    bool Nepruhledny(int x, int y) const { return naCerne.Pixel(x, y) == naBile.Pixel(x, y); }

    // The channel with the largest share among the opaque pixels, and by how much it leads.
    Kanal Prevazujici(int* naskok = nullptr) const {
        long r = 0, g = 0, b = 0;
        for (int y = 0; y < velikost; ++y) {
            for (int x = 0; x < velikost; ++x) {
                if (Nepruhledny(x, y)) {
                    const Barva c = naCerne.Pixel(x, y);
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
        }
        const long nejvic = std::max({r, g, b});
        const long druhy = r == nejvic   ? std::max(g, b)
                           : g == nejvic ? std::max(r, b)
                                         : std::max(r, g);
        if (naskok) {
            *naskok = static_cast<int>(100 * (nejvic - druhy) / std::max(nejvic, 1L));
        }
        return r == nejvic ? Kanal::Cervena : g == nejvic ? Kanal::Zelena : Kanal::Modra;
    }

    Platno naCerne;
    Platno naBile;
    int velikost;
};

Barva PixelBitmapy(HBITMAP bitmapa, int x, int y) {
    BITMAP popis{};
    if (::GetObjectW(bitmapa, sizeof(popis), &popis) != sizeof(popis)) {
        return {-1, -1, -1};
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = popis.bmWidth;
    info.bmiHeader.biHeight = -popis.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> pixely(static_cast<std::size_t>(popis.bmWidth) * popis.bmHeight * 4);
    UniquePametovyKontext dc(::CreateCompatibleDC(nullptr));
    if (::GetDIBits(dc.Get(), bitmapa, 0, static_cast<UINT>(popis.bmHeight), pixely.data(), &info,
                    DIB_RGB_COLORS) != popis.bmHeight) {
        return {-1, -1, -1};
    }
    const std::uint8_t* p = pixely.data() + (static_cast<std::size_t>(y) * popis.bmWidth + x) * 4;
    return {p[2], p[1], p[0]};
}

// The alpha of a pixel of a 32-bit DIB section, straight from its bits.
int AlfaBitmapy(HBITMAP bitmapa, int x, int y) {
    DIBSECTION dib{};
    if (::GetObjectW(bitmapa, sizeof(dib), &dib) != sizeof(dib) || dib.dsBm.bmBits == nullptr ||
        dib.dsBm.bmBitsPixel != 32) {
        return -1;
    }
    // Top-down sections have a negative height in their header.
    const int radek = dib.dsBmih.biHeight < 0 ? y : dib.dsBm.bmHeight - 1 - y;
    const auto* bity = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    return bity[static_cast<std::size_t>(radek) * dib.dsBm.bmWidthBytes + x * 4 + 3];
}

SIZE RozmeryBitmapy(HBITMAP bitmapa) {
    BITMAP popis{};
    ::GetObjectW(bitmapa, sizeof(popis), &popis);
    return {popis.bmWidth, popis.bmHeight};
}

class ObrazkovyPruhTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(GdiPlus::Spustit(gdiplus_));
        HINSTANCE instance = ::GetModuleHandleW(nullptr);
        maly_ = std::make_unique<ObrazkovyPruh>(instance, IDB_MALE_IKONY, true);
        velky_ = std::make_unique<ObrazkovyPruh>(instance, IDB_VELKE_IKONY, false);
    }
    static void TearDownTestSuite() {
        maly_.reset();
        velky_.reset();
        GdiPlus::Ukoncit(gdiplus_);
    }

    static void OcekavatBarvu(const ObrazkovyPruh& pruh, int index, Kanal kanal) {
        SCOPED_TRACE("image " + std::to_string(index));
        const Kresba kresba(pruh.Seznam(), index, pruh.VelikostObrazku());
        int naskok = 0;
        EXPECT_EQ(kanal, kresba.Prevazujici(&naskok));
        // A clear lead, not a tie decided by a few pixels.
        EXPECT_GE(naskok, 15);
    }

    static inline ULONG_PTR gdiplus_ = 0;
    static inline std::unique_ptr<ObrazkovyPruh> maly_;
    static inline std::unique_ptr<ObrazkovyPruh> velky_;
};

TEST_F(ObrazkovyPruhTest, SmallStripHas34ImagesOf16AndLargeStrip10Of32) {
    EXPECT_EQ(34, maly_->Pocet());
    EXPECT_EQ(16, maly_->VelikostObrazku());
    EXPECT_EQ(10, velky_->Pocet());
    EXPECT_EQ(32, velky_->VelikostObrazku());

    for (const ObrazkovyPruh* pruh : {maly_.get(), velky_.get()}) {
        EXPECT_EQ(pruh->Pocet(), ::ImageList_GetImageCount(pruh->Seznam()));
        EXPECT_EQ(pruh->Pocet(), ::ImageList_GetImageCount(pruh->SedySeznam()));
        int cx = 0, cy = 0;
        ASSERT_TRUE(::ImageList_GetIconSize(pruh->SedySeznam(), &cx, &cy));
        EXPECT_EQ(pruh->VelikostObrazku(), cx);
        EXPECT_EQ(pruh->VelikostObrazku(), cy);
    }
}

// The pictures sit at the indexes the program uses; a strip shifted by one image or a
// picture put at the wrong place changes the colour found there.
TEST_F(ObrazkovyPruhTest, KnownImagesHaveTheirColourAtTheirIndex) {
    OcekavatBarvu(*maly_, 0, Kanal::Modra);    // play
    OcekavatBarvu(*maly_, 1, Kanal::Cervena);  // stop, not recording
    OcekavatBarvu(*maly_, 2, Kanal::Zelena);   // volume up
    OcekavatBarvu(*maly_, 3, Kanal::Zelena);   // volume down
    OcekavatBarvu(*maly_, 10, Kanal::Modra);   // stop
    OcekavatBarvu(*maly_, 11, Kanal::Cervena); // record
    OcekavatBarvu(*maly_, 15, Kanal::Cervena); // exit
    OcekavatBarvu(*maly_, 16, Kanal::Modra);   // information
    OcekavatBarvu(*maly_, 22, Kanal::Zelena);  // add
    OcekavatBarvu(*maly_, 27, Kanal::Cervena); // remove
    OcekavatBarvu(*maly_, 30, Kanal::Zelena);  // thumbnail play
    OcekavatBarvu(*maly_, 32, Kanal::Modra);   // thumbnail pause

    OcekavatBarvu(*velky_, 0, Kanal::Cervena); // exit
    OcekavatBarvu(*velky_, 2, Kanal::Modra);   // information
    OcekavatBarvu(*velky_, 4, Kanal::Modra);   // play
    OcekavatBarvu(*velky_, 5, Kanal::Modra);   // stop
    OcekavatBarvu(*velky_, 7, Kanal::Cervena); // record
}

TEST_F(ObrazkovyPruhTest, GreyListHoldsTheWeightedGreyOfTheNormalImage) {
    for (const auto& [pruh, index] : {std::pair{maly_.get(), 0}, std::pair{maly_.get(), 11},
                                      std::pair{maly_.get(), 22}, std::pair{velky_.get(), 4}}) {
        SCOPED_TRACE("image " + std::to_string(index) + " of " +
                     std::to_string(pruh->VelikostObrazku()));
        const int velikost = pruh->VelikostObrazku();
        const Kresba normalni(pruh->Seznam(), index, velikost);
        const Kresba seda(pruh->SedySeznam(), index, velikost);
        int porovnano = 0;
        for (int y = 0; y < velikost; ++y) {
            for (int x = 0; x < velikost; ++x) {
                const Barva s = seda.naCerne.Pixel(x, y);
                ASSERT_EQ(s.r, s.g) << x << "," << y;
                ASSERT_EQ(s.g, s.b) << x << "," << y;
                if (normalni.Nepruhledny(x, y)) {
                    const Barva n = normalni.naCerne.Pixel(x, y);
                    const int jas = SedyObrazek::Jas(static_cast<std::uint8_t>(n.r),
                                                     static_cast<std::uint8_t>(n.g),
                                                     static_cast<std::uint8_t>(n.b));
                    ASSERT_EQ(jas, s.r) << x << "," << y << " from " << n;
                    ++porovnano;
                }
            }
        }
        // The comparison must have had something to compare: even the play triangle covers
        // about a sixth of its square.
        EXPECT_GT(porovnano, velikost * velikost / 8);
    }
}

TEST_F(ObrazkovyPruhTest, TransparentCornerStaysTransparentInBothLists) {
    for (const ObrazkovyPruh* pruh : {maly_.get(), velky_.get()}) {
        for (HIMAGELIST seznam : {pruh->Seznam(), pruh->SedySeznam()}) {
            const int posledni = pruh->VelikostObrazku() - 1;
            const Kresba kresba(seznam, 0, pruh->VelikostObrazku());
            EXPECT_EQ((Barva{255, 255, 255}), kresba.naBile.Pixel(0, 0));
            EXPECT_EQ((Barva{0, 0, 0}), kresba.naCerne.Pixel(0, 0));
            EXPECT_EQ((Barva{255, 255, 255}), kresba.naBile.Pixel(posledni, posledni));
            // The play triangle covers the middle.
            EXPECT_TRUE(kresba.Nepruhledny(posledni / 2, posledni / 2));
        }
    }
}

TEST_F(ObrazkovyPruhTest, SmallStripHasOneMenuBitmapOf16PerImage) {
    std::set<HBITMAP> ruzne;
    for (int i = 0; i < maly_->Pocet(); ++i) {
        HBITMAP bitmapa = maly_->BitmapaMenu(i);
        ASSERT_NE(nullptr, bitmapa) << i;
        const SIZE rozmery = RozmeryBitmapy(bitmapa);
        EXPECT_EQ(16, rozmery.cx) << i;
        EXPECT_EQ(16, rozmery.cy) << i;
        ruzne.insert(bitmapa);
    }
    EXPECT_EQ(34u, ruzne.size());
    EXPECT_EQ(nullptr, maly_->BitmapaMenu(-1));
    EXPECT_EQ(nullptr, maly_->BitmapaMenu(maly_->Pocet()));
}

TEST_F(ObrazkovyPruhTest, LargeStripHasNoMenuBitmaps) {
    for (int i = 0; i < velky_->Pocet(); ++i) {
        EXPECT_EQ(nullptr, velky_->BitmapaMenu(i)) << i;
    }
}

TEST_F(ObrazkovyPruhTest, MenuBitmapKeepsTheImageAndItsTransparency) {
    // Record (11) is a red disc, add (22) a green cross: their middles carry the colour.
    const Barva zaznam = PixelBitmapy(maly_->BitmapaMenu(11), 8, 8);
    EXPECT_GT(zaznam.r, zaznam.g + 60) << zaznam;
    EXPECT_GT(zaznam.r, zaznam.b + 60) << zaznam;
    const Barva pridat = PixelBitmapy(maly_->BitmapaMenu(22), 8, 8);
    EXPECT_GT(pridat.g, pridat.r + 40) << pridat;
    EXPECT_GT(pridat.g, pridat.b + 40) << pridat;
    // Around the picture the menu's own background shows through.
    EXPECT_EQ(0, AlfaBitmapy(maly_->BitmapaMenu(0), 0, 0));
    EXPECT_EQ((Barva{0, 0, 0}), PixelBitmapy(maly_->BitmapaMenu(0), 0, 0));
    EXPECT_EQ(255, AlfaBitmapy(maly_->BitmapaMenu(11), 8, 8));
}

TEST_F(ObrazkovyPruhTest, IconsComeOutAtTheImageSize) {
    // The status icons of the program: play, stop, record, not recording.
    for (int index : {0, 10, 11, 1}) {
        const WinApi::UniqueIcon ikona = maly_->Ikona(index);
        ASSERT_TRUE(ikona) << index;
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(ikona.Get(), &info));
        const UniqueBitmap barvy(info.hbmColor);
        const UniqueBitmap maska(info.hbmMask);
        const SIZE rozmery = RozmeryBitmapy(barvy.Get());
        EXPECT_EQ(16, rozmery.cx);
        EXPECT_EQ(16, rozmery.cy);
    }
    const WinApi::UniqueIcon velka = velky_->Ikona(7);
    ASSERT_TRUE(velka);
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(velka.Get(), &info));
    const UniqueBitmap barvy(info.hbmColor);
    const UniqueBitmap maska(info.hbmMask);
    EXPECT_EQ(32, RozmeryBitmapy(barvy.Get()).cx);
}

TEST_F(ObrazkovyPruhTest, IconOfAMissingImageIsEmpty) {
    EXPECT_FALSE(maly_->Ikona(maly_->Pocet()));
    EXPECT_FALSE(velky_->Ikona(-1));
}

// Records the fatal report instead of ending the process, and leaves the constructor by
// an exception so that the test can go on.
class ZachycenyKonec final : public SystemProHlaseni {
public:
    struct Ukonceno {};

    int ZobrazitOkno(const std::wstring& text, const std::wstring&, UINT typ) override {
        texty.push_back(text);
        typy.push_back(typ);
        return IDOK;
    }
    HRESULT ZapsatUdalost(const std::wstring&, const std::wstring&) override { return S_OK; }
    [[noreturn]] void UkoncitProces(UINT kod) override {
        kody.push_back(kod);
        throw Ukonceno{};
    }
    [[noreturn]] void UkoncitNouzove(const std::wstring& text) override {
        texty.push_back(text);
        throw Ukonceno{};
    }

    std::vector<std::wstring> texty;
    std::vector<UINT> typy;
    std::vector<UINT> kody;
};

TEST(ObrazkovyPruhSelhani, MissingBitmapEndsTheProgram) {
    ZachycenyKonec konec;
    SystemProHlaseni* predchozi = NastavitSystemHlaseni(&konec);
    EXPECT_THROW(ObrazkovyPruh(::GetModuleHandleW(nullptr), 9999, false), ZachycenyKonec::Ukonceno);
    NastavitSystemHlaseni(predchozi);

    ASSERT_EQ(1u, konec.kody.size());
    EXPECT_EQ(static_cast<UINT>(-1), konec.kody[0]);
    ASSERT_EQ(1u, konec.texty.size());
    EXPECT_NE(std::wstring::npos, konec.texty[0].find(L"Došlo k významné chybě!"));
    EXPECT_EQ(static_cast<UINT>(MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND), konec.typy[0]);
}

} // namespace
} // namespace Vrbatec::Ui
