// An edit of a dialog resource that holds a file path; its browse button picks a file with the
// system's open dialog. The button, the tooltip and the rest of the behaviour are those of
// every path edit (EditCesta).
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>

#include "winapi/EditCesta.h"

namespace Vrbatec::WinApi {

class EditSoubor : public EditCesta {
protected:
    // An existing file that is not a folder.
    bool CestaExistujeNa(const std::wstring& text) const override;
    const wchar_t* TextTipu() const noexcept override;
    void PriPripojeni() override;
    // Starts at the text when it names a file, otherwise with no file name.
    std::optional<std::wstring> VybratCestu(HWND vlastnik, const std::wstring& text) override;

private:
    // Kept between browses, so that the dialog keeps what it remembers of the last one.
    OPENFILENAMEW soubor_{};
};

} // namespace Vrbatec::WinApi
