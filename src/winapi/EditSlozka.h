// An edit of a dialog resource that holds a folder path; its browse button picks a folder with
// the system's folder dialog. The button, the tooltip and the rest of the behaviour are those
// of every path edit (EditCesta).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "winapi/EditCesta.h"

namespace Vrbatec::WinApi {

class EditSlozka : public EditCesta {
protected:
    bool CestaExistujeNa(const std::wstring& text) const override;
    const wchar_t* TextTipu() const noexcept override;
    // Starts at the folder of the text; the word "current" stands for the current folder, an
    // empty text for none.
    std::optional<std::wstring> VybratCestu(HWND vlastnik, const std::wstring& text) override;
};

} // namespace Vrbatec::WinApi
