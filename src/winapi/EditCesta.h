// An edit of a dialog resource that holds a path, with a browse button drawn inside its right
// end: the common part of the file edit (EditSoubor) and the folder edit (EditSlozka), which
// differ only in what counts as an existing path, the button's tooltip and the dialog the
// button opens.
//
// The owning dialog reflects WM_COMMAND and WM_CTLCOLOREDIT (OdrazitOznameni): every change of
// the text re-checks whether it names an existing path, and the edit gets its colours. The
// owner reads the text with the ordinary window-text functions. Browsing never moves the
// process's current folder, which relative paths elsewhere in the program depend on: the
// system's dialogs may move it while the user looks around, and it is put back afterwards.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "winapi/OknoImpl.h"
#include "winapi/ToolTip.h"

namespace Vrbatec::WinApi {

class EditCesta : public OknoImpl {
public:
    static constexpr int kSirkaTlacitka = 16;
    // The browse dialogs take paths up to this many characters, the terminator included.
    static constexpr DWORD kDelkaCesty = 32767;

    // Subclasses the edit and shows the text (none when null). The image of the list is drawn
    // on the button, "..." when there is no list or the index is -1. Returns whether the text
    // names an existing path. A missing edit or a failure to subclass or to create the
    // tooltip is fatal.
    bool PripojitEdit(HWND edit, const wchar_t* text, HIMAGELIST obrazky, int indexObrazku);

    bool CestaExistuje() const noexcept { return cestaExistuje_; }
    // The area at the right end of the client area that opens the browse dialog.
    RECT OblastTlacitka() const;
    HWND Tip() const noexcept { return tip_.Hwnd(); }

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

protected:
    // Whether the text names a path of the kind the edit holds.
    virtual bool CestaExistujeNa(const std::wstring& text) const = 0;
    virtual const wchar_t* TextTipu() const noexcept = 0;
    // Called while attaching, before the text is shown.
    virtual void PriPripojeni() {}
    // Shows the browse dialog over the owner, starting from the current text; the chosen path,
    // or nothing when the user cancels.
    virtual std::optional<std::wstring> VybratCestu(HWND vlastnik, const std::wstring& text) = 0;

private:
    void Prochazet();
    void VytvoritTip();
    void ZobrazitText(const wchar_t* text);
    void OveritCestu();
    void NakreslitTlacitko() const;
    bool NadTlacitkem(LPARAM bod) const;

    ToolTip tip_;
    HIMAGELIST obrazky_ = nullptr; // not owned
    int indexObrazku_ = -1;
    bool nadTlacitkem_ = false;
    bool cestaExistuje_ = false;
};

// The process's current folder.
std::wstring AktualniSlozka();

} // namespace Vrbatec::WinApi
