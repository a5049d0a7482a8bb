#include "ui/ObrazkovyPruh.h"

#include <algorithm>
// GDI+ headers expect min and max unqualified, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <cstddef>

#include "app/Diagnostika.h"
#include "ui/SedyObrazek.h"

namespace Vrbatec::Ui {

namespace {

using WinApi::UniqueBitmap;
using WinApi::UniqueIcon;
using WinApi::UniqueImageList;

// Menu images get an opaque black background where the icon is transparent.
constexpr Gdiplus::ARGB kPozadiBitmapyMenu = 0xFF000000;
// Black pixels of the strip bitmaps are the transparent ones.
constexpr COLORREF kBarvaMasky = RGB(0, 0, 0);

struct ObrazovkovyKontext {
    using Typ = HDC;
    static constexpr Typ Prazdny() noexcept { return nullptr; }
    static bool Platny(Typ h) noexcept { return h != nullptr; }
    static void Zavrit(Typ h) noexcept { ::ReleaseDC(nullptr, h); }
};
using UniqueObrazovkovyKontext = WinApi::Handle<ObrazovkovyKontext>;

struct GdiPlusBitmapa {
    using Typ = Gdiplus::GpBitmap*;
    static constexpr Typ Prazdny() noexcept { return nullptr; }
    static bool Platny(Typ h) noexcept { return h != nullptr; }
    static void Zavrit(Typ h) noexcept { Gdiplus::DllExports::GdipDisposeImage(h); }
};
using UniqueGdiPlusBitmapa = WinApi::Handle<GdiPlusBitmapa>;

HRESULT HResultGdiPlus(Gdiplus::Status stav) {
    switch (stav) {
    case Gdiplus::OutOfMemory:
        return E_OUTOFMEMORY;
    case Gdiplus::InvalidParameter:
        return E_INVALIDARG;
    case Gdiplus::Win32Error:
        return HResultPosledniChyby();
    default:
        return E_FAIL;
    }
}

void OveritGdiPlus(Gdiplus::Status stav) {
    if (stav != Gdiplus::Ok) {
        FatalniHResult(HResultGdiPlus(stav));
    }
}

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

// Rewrites the bitmap's pixels with their grey; works on a 32-bit top-down copy so that
// the byte order is known whatever the bitmap's own format is.
void Zesednout(HBITMAP bitmapa) {
    const BITMAP rozmery = RozmeryBitmapy(bitmapa);
    UniqueObrazovkovyKontext dc(::GetDC(nullptr));
    if (!dc) {
        FatalniPosledniChyba();
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = rozmery.bmWidth;
    info.bmiHeader.biHeight = -rozmery.bmHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> pixely(static_cast<std::size_t>(rozmery.bmWidth) *
                                     static_cast<std::size_t>(rozmery.bmHeight) * 4);
    const auto radku = static_cast<int>(rozmery.bmHeight);
    if (::GetDIBits(dc.Get(), bitmapa, 0, static_cast<UINT>(radku), pixely.data(), &info,
                    DIB_RGB_COLORS) != radku) {
        FatalniPosledniChyba();
    }
    SedyObrazek::Prevest(pixely);
    if (::SetDIBits(dc.Get(), bitmapa, 0, static_cast<UINT>(radku), pixely.data(), &info,
                    DIB_RGB_COLORS) != radku) {
        FatalniPosledniChyba();
    }
}

UniqueBitmap BitmapaMenuZIkony(HICON ikona) {
    UniqueGdiPlusBitmapa obrazek;
    OveritGdiPlus(Gdiplus::DllExports::GdipCreateBitmapFromHICON(ikona, obrazek.Adresa()));
    UniqueBitmap bitmapa;
    OveritGdiPlus(Gdiplus::DllExports::GdipCreateHBITMAPFromBitmap(obrazek.Get(), bitmapa.Adresa(),
                                                                   kPozadiBitmapyMenu));
    return bitmapa;
}

} // namespace

ObrazkovyPruh::ObrazkovyPruh(HINSTANCE instance, UINT idBitmapy, bool sBitmapamiMenu) {
    const UniqueBitmap bitmapa = NacistBitmapu(instance, idBitmapy);
    velikost_ = RozmeryBitmapy(bitmapa.Get()).bmHeight;
    seznam_ = SeznamZBitmapy(bitmapa.Get(), velikost_);
    pocet_ = ::ImageList_GetImageCount(seznam_.Get());

    // A fresh copy: the image list may have changed the first one while taking its mask.
    const UniqueBitmap seda = NacistBitmapu(instance, idBitmapy);
    Zesednout(seda.Get());
    sedySeznam_ = SeznamZBitmapy(seda.Get(), velikost_);

    if (sBitmapamiMenu) {
        VytvoritBitmapyMenu();
    }
}

void ObrazkovyPruh::VytvoritBitmapyMenu() {
    bitmapyMenu_.reserve(static_cast<std::size_t>(pocet_));
    for (int i = 0; i < pocet_; ++i) {
        const UniqueIcon ikona = Ikona(i);
        if (!ikona) {
            FatalniPosledniChyba();
        }
        bitmapyMenu_.push_back(BitmapaMenuZIkony(ikona.Get()));
    }
}

HBITMAP ObrazkovyPruh::BitmapaMenu(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= bitmapyMenu_.size()) {
        return nullptr;
    }
    return bitmapyMenu_[static_cast<std::size_t>(index)].Get();
}

UniqueIcon ObrazkovyPruh::Ikona(int index) const {
    return UniqueIcon(::ImageList_GetIcon(seznam_.Get(), index, ILD_NORMAL));
}

} // namespace Vrbatec::Ui
