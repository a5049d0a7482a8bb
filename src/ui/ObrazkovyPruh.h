// One image-strip set: a bitmap resource of square images side by side, turned into a
// normal image list, a grey image list (the toolbar's disabled images) and, for the small
// strip, one menu bitmap per image, made when the first one is asked for. Toolbar, menus,
// thumbnail buttons, status bar and the settings lists share the image indexes.
//
// A strip is built from the program's own resources, so a failure there means a broken
// system or executable: every failure while building ends the program.
// The object owns every list and bitmap it made.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "winapi/Handle.h"

namespace Vrbatec::Ui {

class ObrazkovyPruh {
public:
    ObrazkovyPruh(HINSTANCE instance, UINT idBitmapy, bool sBitmapamiMenu);
    ObrazkovyPruh(const ObrazkovyPruh&) = delete;
    ObrazkovyPruh& operator=(const ObrazkovyPruh&) = delete;

    HIMAGELIST Seznam() const { return seznam_.Get(); }
    HIMAGELIST SedySeznam() const { return sedySeznam_.Get(); }
    int Pocet() const { return pocet_; }
    // Width and height of one image; the images are square.
    int VelikostObrazku() const { return velikost_; }
    // null for an index without a menu bitmap, and for every index of a strip built
    // without them. The strip keeps ownership. The first call makes them all.
    HBITMAP BitmapaMenu(int index) const;
    // The image as a new icon; empty when ImageList_GetIcon fails (the last error says why).
    WinApi::UniqueIcon Ikona(int index) const;

private:
    void VytvoritBitmapyMenu() const;

    HINSTANCE instance_;
    UINT idBitmapy_;
    bool sBitmapamiMenu_;
    int velikost_ = 0;
    int pocet_ = 0;
    WinApi::UniqueImageList seznam_;
    WinApi::UniqueImageList sedySeznam_;
    mutable std::vector<WinApi::UniqueBitmap> bitmapyMenu_;
};

} // namespace Vrbatec::Ui
