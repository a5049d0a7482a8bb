// The base of the settings pages: a modeless child dialog shown in an area of its frame, the
// settings dialog that owns the tabs and the OK, Storno and Použít buttons.
//
// Rules of the pages:
// - A page is created the first time it is shown (Ukazat), so the pages the user never opens
//   cost nothing; later calls only place and show it. Its template is a child (WS_CHILD,
//   DS_CONTROL so that the frame's dialog manager moves through its controls), not visible:
//   Ukazat shows it. The page's window goes with its frame's.
// - The frame applies the pages one by one (Pouzit); the first that refuses stops it, and the
//   frame shows that page. A page that was never shown holds nothing the user changed and
//   agrees without being asked.
// - A page that sees the user change one of its values calls OznamitZmenu, which posts
//   WM_ZMENA_STRANKY to the frame. What the page writes into its controls while it is being
//   created is not a change: the frame must not offer Použít for a page that was only opened.
// - OK and Cancel belong to the frame; a page has none of its own.
#pragma once

#include <windows.h>

#include "winapi/Dialog.h"

namespace Vrbatec::WinApi {

// Posted by a page to its frame when the user changed a value of the page: wParam is the
// page's identifier, lParam its window. The number is also the one that a slider
// (TrackBarImpl) sends its own dialog, so a frame keeps its sliders on pages.
inline constexpr UINT WM_ZMENA_STRANKY = WM_APP + 1;
static_assert(WM_ZMENA_STRANKY == 0x8001);

class StrankaNastaveni : public Dialog {
public:
    // The identifier is the frame's name for the page, which it gets back with each change.
    explicit StrankaNastaveni(int id = 0) noexcept : id_(id) {}

    // Places the page at oblast (the frame's client coordinates) and shows it, creating it in
    // the frame the first time. A failure to create it is returned; a later call tries again.
    HRESULT Ukazat(HWND ramec, const RECT& oblast);
    // Hides the page; nothing when it has no window.
    void Skryt();

    // True when the page's values were valid and taken, or when the page has no window.
    // False when the page refused them; it has told the user why.
    bool Pouzit();

protected:
    // Creates the page's window as a modeless child of the frame (VytvoritNemodalne with the
    // page's template); nullptr with the last error when it cannot.
    virtual HWND VytvoritOkno(HWND ramec) = 0;
    // Checks the values in the controls and takes them; false when one is not valid.
    virtual bool PriPouziti() = 0;

    // Tells the frame that the user changed a value of the page.
    void OznamitZmenu() const;

private:
    int id_;
    // Set while the page is being created, when its controls take their first values.
    bool vytvari_ = false;
};

} // namespace Vrbatec::WinApi
