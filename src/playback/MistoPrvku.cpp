#include "playback/MistoPrvku.h"

namespace Vrbatec {

MistoPrvku* MistoPrvku::Vytvorit(HWND hostitel) {
    return new MistoPrvku(hostitel);
}

STDMETHODIMP MistoPrvku::QueryInterface(REFIID iid, void** objekt) {
    if (objekt == nullptr) {
        return E_POINTER;
    }
    // The frame and the in-place site both derive from IOleWindow; the site's answers it.
    if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
        *objekt = static_cast<IOleClientSite*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite ||
               iid == IID_IOleInPlaceSiteEx) {
        *objekt = static_cast<IOleInPlaceSiteEx*>(this);
    } else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) {
        *objekt = static_cast<IOleInPlaceFrame*>(this);
    } else {
        *objekt = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) MistoPrvku::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&pocetOdkazu_));
}

STDMETHODIMP_(ULONG) MistoPrvku::Release() {
    const LONG zbyva = ::InterlockedDecrement(&pocetOdkazu_);
    if (zbyva == 0) {
        delete this;
    }
    return static_cast<ULONG>(zbyva);
}

STDMETHODIMP MistoPrvku::SaveObject() {
    return S_OK;
}

STDMETHODIMP MistoPrvku::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker != nullptr) {
        *moniker = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP MistoPrvku::GetContainer(IOleContainer** kontejner) {
    if (kontejner != nullptr) {
        *kontejner = nullptr;
    }
    return E_NOINTERFACE;
}

// The control stays hidden whatever it asks for.
STDMETHODIMP MistoPrvku::ShowObject() {
    return S_OK;
}
STDMETHODIMP MistoPrvku::OnShowWindow(BOOL) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::RequestNewObjectLayout() {
    return E_NOTIMPL;
}

STDMETHODIMP MistoPrvku::GetWindow(HWND* okno) {
    if (okno == nullptr) {
        return E_POINTER;
    }
    *okno = hostitel_;
    return hostitel_ != nullptr ? S_OK : E_FAIL;
}

STDMETHODIMP MistoPrvku::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

STDMETHODIMP MistoPrvku::CanInPlaceActivate() {
    return hostitel_ != nullptr ? S_OK : S_FALSE;
}

STDMETHODIMP MistoPrvku::OnInPlaceActivate() {
    aktivniNaMiste_ = true;
    return S_OK;
}

STDMETHODIMP MistoPrvku::OnUIActivate() {
    return S_OK;
}

STDMETHODIMP MistoPrvku::GetWindowContext(IOleInPlaceFrame** ramec, IOleInPlaceUIWindow** okno,
                                          LPRECT pozice, LPRECT orez,
                                          LPOLEINPLACEFRAMEINFO informace) {
    if (ramec == nullptr || okno == nullptr || pozice == nullptr || orez == nullptr ||
        informace == nullptr) {
        return E_POINTER;
    }
    *ramec = this;
    AddRef();
    // The frame doubles as the document window; the control asks for it only through ramec.
    *okno = nullptr;
    *pozice = RECT{};
    *orez = RECT{};
    informace->fMDIApp = FALSE;
    informace->hwndFrame = hostitel_;
    informace->haccel = nullptr;
    informace->cAccelEntries = 0;
    return S_OK;
}

STDMETHODIMP MistoPrvku::Scroll(SIZE) {
    return E_NOTIMPL;
}
STDMETHODIMP MistoPrvku::OnUIDeactivate(BOOL) {
    return S_OK;
}

STDMETHODIMP MistoPrvku::OnInPlaceDeactivate() {
    aktivniNaMiste_ = false;
    return S_OK;
}

STDMETHODIMP MistoPrvku::DiscardUndoState() {
    return S_OK;
}
STDMETHODIMP MistoPrvku::DeactivateAndUndo() {
    return S_OK;
}
STDMETHODIMP MistoPrvku::OnPosRectChange(LPCRECT) {
    return S_OK;
}

STDMETHODIMP MistoPrvku::OnInPlaceActivateEx(BOOL* bezPrekresleni, DWORD) {
    if (bezPrekresleni != nullptr) {
        *bezPrekresleni = TRUE;
    }
    return OnInPlaceActivate();
}

STDMETHODIMP MistoPrvku::OnInPlaceDeactivateEx(BOOL) {
    return OnInPlaceDeactivate();
}
STDMETHODIMP MistoPrvku::RequestUIActivate() {
    return S_OK;
}

STDMETHODIMP MistoPrvku::GetBorder(LPRECT okraj) {
    if (okraj == nullptr) {
        return E_POINTER;
    }
    *okraj = RECT{};
    return S_OK;
}

STDMETHODIMP MistoPrvku::RequestBorderSpace(LPCBORDERWIDTHS) {
    return INPLACE_E_NOTOOLSPACE;
}
STDMETHODIMP MistoPrvku::SetBorderSpace(LPCBORDERWIDTHS) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::SetMenu(HMENU, HOLEMENU, HWND) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::RemoveMenus(HMENU) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::SetStatusText(LPCOLESTR) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::EnableModeless(BOOL) {
    return S_OK;
}
STDMETHODIMP MistoPrvku::TranslateAccelerator(LPMSG, WORD) {
    return S_FALSE;
}

} // namespace Vrbatec
