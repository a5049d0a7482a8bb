// The container side of one hosted ActiveX control: client site, in-place site and in-place
// frame in one COM object with one reference count. The control sees an invisible container:
// its in-place window lives in the host window with an empty rectangle, and every request for
// space, menus, tool bars or a UI of its own is granted without showing anything.
//
// The control keeps references to the site beyond the host's own; the site lives until the
// last of them is given back, and after Odpojit it no longer names a window.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

namespace Vrbatec {

// The interfaces are private bases: the site is reached as COM reaches it, through
// QueryInterface and KlientskeMisto, and never deleted through one of them.
class MistoPrvku final : private IOleClientSite,
                         private IOleInPlaceSiteEx,
                         private IOleInPlaceFrame {
public:
    // A new site with one reference, owned by the caller (ComPtr::Attach).
    static MistoPrvku* Vytvorit(HWND hostitel);

    // Forgets the host window before it is destroyed.
    void Odpojit() noexcept { hostitel_ = nullptr; }
    bool JeAktivniNaMiste() const noexcept { return aktivniNaMiste_; }
    IOleClientSite* KlientskeMisto() noexcept { return this; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** objekt) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IOleClientSite
    STDMETHODIMP SaveObject() override;
    STDMETHODIMP GetMoniker(DWORD prirazeni, DWORD druh, IMoniker** moniker) override;
    STDMETHODIMP GetContainer(IOleContainer** kontejner) override;
    STDMETHODIMP ShowObject() override;
    STDMETHODIMP OnShowWindow(BOOL zobrazit) override;
    STDMETHODIMP RequestNewObjectLayout() override;

    // IOleWindow, shared by the in-place site and the frame
    STDMETHODIMP GetWindow(HWND* okno) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL vstoupit) override;

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override;
    STDMETHODIMP OnInPlaceActivate() override;
    STDMETHODIMP OnUIActivate() override;
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** ramec, IOleInPlaceUIWindow** okno,
                                  LPRECT pozice, LPRECT orez,
                                  LPOLEINPLACEFRAMEINFO informace) override;
    STDMETHODIMP Scroll(SIZE posun) override;
    STDMETHODIMP OnUIDeactivate(BOOL vraceniZpet) override;
    STDMETHODIMP OnInPlaceDeactivate() override;
    STDMETHODIMP DiscardUndoState() override;
    STDMETHODIMP DeactivateAndUndo() override;
    STDMETHODIMP OnPosRectChange(LPCRECT pozice) override;

    // IOleInPlaceSiteEx
    STDMETHODIMP OnInPlaceActivateEx(BOOL* bezPrekresleni, DWORD priznaky) override;
    STDMETHODIMP OnInPlaceDeactivateEx(BOOL bezPrekresleni) override;
    STDMETHODIMP RequestUIActivate() override;

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT okraj) override;
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS sirky) override;
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS sirky) override;
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject* objekt, LPCOLESTR nazev) override;

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU menu, LPOLEMENUGROUPWIDTHS sirky) override;
    STDMETHODIMP SetMenu(HMENU menu, HOLEMENU olemenu, HWND aktivni) override;
    STDMETHODIMP RemoveMenus(HMENU menu) override;
    STDMETHODIMP SetStatusText(LPCOLESTR text) override;
    STDMETHODIMP EnableModeless(BOOL povolit) override;
    STDMETHODIMP TranslateAccelerator(LPMSG zprava, WORD id) override;

private:
    explicit MistoPrvku(HWND hostitel) noexcept : hostitel_(hostitel) {}
    ~MistoPrvku() = default;
    MistoPrvku(const MistoPrvku&) = delete;
    MistoPrvku& operator=(const MistoPrvku&) = delete;

    LONG pocetOdkazu_ = 1;
    HWND hostitel_;
    bool aktivniNaMiste_ = false;
};

} // namespace Vrbatec
