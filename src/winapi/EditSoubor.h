// An edit of a dialog resource that holds a file path, with a browse button drawn inside its
// right end that picks a file with the system's open dialog.
//
// The owning dialog reflects WM_COMMAND and WM_CTLCOLOREDIT (OdrazitOznameni): every change of
// the text re-checks whether it names an existing file, and the edit gets its colours. The
// owner reads the text with the ordinary window-text functions.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "winapi/Handle.h"
#include "winapi/OknoImpl.h"

namespace Vrbatec::WinApi {

class EditSoubor : public OknoImpl {
public:
    static constexpr int kSirkaTlacitka = 16;
    // The file dialog takes paths up to this many characters, the terminator included.
    static constexpr DWORD kDelkaCesty = 32767;

    EditSoubor() noexcept = default;
    ~EditSoubor() override;

    // Subclasses the edit and shows the text (none when null). The image of the list is drawn
    // on the button, "..." when there is no list or the index is -1. Returns whether the text
    // names an existing file. A missing edit or a failure to subclass or to create the
    // tooltip is fatal.
    bool PripojitEdit(HWND edit, const wchar_t* text, HIMAGELIST obrazky, int indexObrazku);

    bool CestaExistuje() const noexcept { return cestaExistuje_; }
    // The area at the right end of the client area that opens the file dialog.
    RECT OblastTlacitka() const;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    // Shows the open dialog; a confirmed file becomes the text. Virtual so that a test can
    // stand in for the system's dialog.
    virtual void Prochazet();

private:
    void VytvoritTip();
    void ZobrazitText(const wchar_t* text);
    std::wstring Text() const;
    void OveritCestu();
    void NakreslitTlacitko() const;
    bool NadTlacitkem(LPARAM bod) const;

    UniqueWindow tip_;
    HIMAGELIST obrazky_ = nullptr; // not owned
    int indexObrazku_ = -1;
    bool nadTlacitkem_ = false;
    bool cestaExistuje_ = false;
    OPENFILENAMEW soubor_{};
};

} // namespace Vrbatec::WinApi
