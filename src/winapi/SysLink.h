// A link control of a dialog resource that opens the URL of the clicked link itself.
//
// The parent must reflect WM_NOTIFY (OdrazitOznameni). A click (or Enter) on a link with a
// URL opens it with the shell; when the shell cannot, an error box titled "Odkaz" says why.
// Either way the notification then goes on as if the object were not there, so the parent
// still sees the click.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>

#include "winapi/OknoImpl.h"

namespace Knihovna {

class SysLink : public Vrbatec::WinApi::OknoImpl {
public:
    // The control keeps the URL in a buffer of this many characters, its terminator included.
    static constexpr std::size_t kMaxDelkaUrl = L_MAX_URL_LENGTH - 1;
    static constexpr wchar_t kTitulekChyby[] = L"Odkaz";

    // Subclasses the link control; a URL that is not null becomes the URL of link 0. A window
    // that does not exist is a fatal E_HANDLE, a failing subclass a fatal last error.
    void PripojitOdkaz(HWND okno, const wchar_t* url = nullptr);

    // The text may hold <a> tags; the parent is redrawn, as the old text may stick out of the
    // new one on its background.
    void NastavitText(const wchar_t* text, bool prizpusobitVelikost);

    // Cut to kMaxDelkaUrl characters; null means no URL.
    void NastavitUrl(const wchar_t* url, int indexOdkazu = 0);

    // Width of the text in the control's font (the parent's when it has none) plus a little
    // room; the height stays.
    void PrizpusobitVelikostTextu();

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    virtual void NaOznameni(const NMLINK& oznameni);
};

} // namespace Knihovna
