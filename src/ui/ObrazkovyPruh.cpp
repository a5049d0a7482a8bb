#include "ui/ObrazkovyPruh.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "winapi/Diagnostika.h"
#include "ui/ObrazekMenu.h"
#include "ui/SedyObrazek.h"

namespace Vrbatec::Ui {

namespace {

using WinApi::UniqueBitmap;
using WinApi::UniqueIcon;
using WinApi::UniqueImageList;

// Black pixels of the strip bitmaps are the transparent ones.
constexpr COLORREF kBarvaMasky = RGB(0, 0, 0);

struct ObrazovkovyKontext {
    using Typ = HDC;
    static constexpr Typ Prazdny() noexcept { return nullptr; }
    static bool Platny(Typ h) noexcept { return h != nullptr; }
    static void Zavrit(Typ h) noexcept { ::ReleaseDC(nullptr, h); }
};
using UniqueObrazovkovyKontext = WinApi::Handle<ObrazovkovyKontext>;

UniqueBitmap NacistBitmapu(HINSTANCE instance, UINT id) {
    UniqueBitmap bitmapa(::LoadBitmapW(instance, MAKEINTRESOURCEW(id)));
    if (!bitmapa) {
        FatalniPosledniChyba();
    }
    return bitmapa;
}

BITMAP RozmeryBitmapy(HBITMAP bitmapa) {
    BITMAP popis{};
    if (::GetObjectW(bitmapa, sizeof(popis), &popis) != sizeof(popis)) {
        FatalniPosledniChyba();
    }
    return popis;
}

UniqueImageList SeznamZBitmapy(HBITMAP bitmapa, int velikost) {
    UniqueImageList seznam(::ImageList_Create(velikost, velikost, ILC_COLOR32 | ILC_MASK, 1, 1));
    if (!seznam) {
        FatalniPosledniChyba();
    }
    if (::ImageList_AddMasked(seznam.Get(), bitmapa, kBarvaMasky) < 0) {
        FatalniPosledniChyba();
    }
    return seznam;
}

BITMAPINFO Popis32Bitu(int sirka, int vyska) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = sirka;
    info.bmiHeader.biHeight = -vyska; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// The bitmap's pixels as a 32-bit top-down copy, so that the byte order is known whatever
// the bitmap's own format is.
std::vector<std::uint8_t> PrecistPixely(HBITMAP bitmapa, const BITMAP& rozmery) {
    UniqueObrazovkovyKontext dc(::GetDC(nullptr));
    if (!dc) {
        FatalniPosledniChyba();
    }
    BITMAPINFO info = Popis32Bitu(rozmery.bmWidth, rozmery.bmHeight);
    std::vector<std::uint8_t> pixely(static_cast<std::size_t>(rozmery.bmWidth) *
                                     static_cast<std::size_t>(rozmery.bmHeight) * 4);
    if (::GetDIBits(dc.Get(), bitmapa, 0, static_cast<UINT>(rozmery.bmHeight), pixely.data(), &info,
                    DIB_RGB_COLORS) != rozmery.bmHeight) {
        FatalniPosledniChyba();
    }
    return pixely;
}

void ZapsatPixely(HBITMAP bitmapa, const BITMAP& rozmery, const std::vector<std::uint8_t>& pixely) {
    UniqueObrazovkovyKontext dc(::GetDC(nullptr));
    if (!dc) {
        FatalniPosledniChyba();
    }
    BITMAPINFO info = Popis32Bitu(rozmery.bmWidth, rozmery.bmHeight);
    if (::SetDIBits(dc.Get(), bitmapa, 0, static_cast<UINT>(rozmery.bmHeight), pixely.data(), &info,
                    DIB_RGB_COLORS) != rozmery.bmHeight) {
        FatalniPosledniChyba();
    }
}

UniqueBitmap VytvoritBitmapuMenu(const std::vector<std::uint8_t>& pruh, int sirkaPruhu,
                                 int velikost, int index) {
    const std::vector<std::uint8_t> obrazek =
        ObrazekMenu::Vyriznout(pruh, sirkaPruhu, velikost, index);
    if (obrazek.empty()) {
        FatalniHResult(E_INVALIDARG);
    }
    BITMAPINFO info = Popis32Bitu(velikost, velikost);
    void* bity = nullptr;
    UniqueBitmap bitmapa(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bity, nullptr, 0));
    if (!bitmapa || bity == nullptr) {
        FatalniPosledniChyba();
    }
    std::copy(obrazek.begin(), obrazek.end(), static_cast<std::uint8_t*>(bity));
    return bitmapa;
}

} // namespace

ObrazkovyPruh::ObrazkovyPruh(HINSTANCE instance, UINT idBitmapy, bool sBitmapamiMenu)
    : instance_(instance), idBitmapy_(idBitmapy), sBitmapamiMenu_(sBitmapamiMenu) {
    const UniqueBitmap bitmapa = NacistBitmapu(instance, idBitmapy);
    velikost_ = RozmeryBitmapy(bitmapa.Get()).bmHeight;
    seznam_ = SeznamZBitmapy(bitmapa.Get(), velikost_);
    pocet_ = ::ImageList_GetImageCount(seznam_.Get());

    // A fresh copy: the image list may have changed the first one while taking its mask.
    const UniqueBitmap seda = NacistBitmapu(instance, idBitmapy);
    const BITMAP rozmery = RozmeryBitmapy(seda.Get());
    std::vector<std::uint8_t> pixely = PrecistPixely(seda.Get(), rozmery);
    SedyObrazek::Prevest(pixely);
    ZapsatPixely(seda.Get(), rozmery, pixely);
    sedySeznam_ = SeznamZBitmapy(seda.Get(), velikost_);
}

void ObrazkovyPruh::VytvoritBitmapyMenu() const {
    const UniqueBitmap bitmapa = NacistBitmapu(instance_, idBitmapy_);
    const BITMAP rozmery = RozmeryBitmapy(bitmapa.Get());
    const std::vector<std::uint8_t> pixely = PrecistPixely(bitmapa.Get(), rozmery);
    bitmapyMenu_.reserve(static_cast<std::size_t>(pocet_));
    for (int i = 0; i < pocet_; ++i) {
        bitmapyMenu_.push_back(VytvoritBitmapuMenu(pixely, rozmery.bmWidth, velikost_, i));
    }
}

HBITMAP ObrazkovyPruh::BitmapaMenu(int index) const {
    if (!sBitmapamiMenu_ || index < 0 || index >= pocet_) {
        return nullptr;
    }
    if (bitmapyMenu_.empty()) {
        VytvoritBitmapyMenu();
    }
    return bitmapyMenu_[static_cast<std::size_t>(index)].Get();
}

UniqueIcon ObrazkovyPruh::Ikona(int index) const {
    return UniqueIcon(::ImageList_GetIcon(seznam_.Get(), index, ILD_NORMAL));
}

} // namespace Vrbatec::Ui
