#include "winapi/EditSoubor.h"

#include <algorithm>

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

bool EditSoubor::CestaExistujeNa(const std::wstring& text) const {
    const DWORD atributy = ::GetFileAttributesW(text.c_str());
    return atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

const wchar_t* EditSoubor::TextTipu() const noexcept {
    return L"Vybrat soubor standardním dialogem Windows";
}

void EditSoubor::PriPripojeni() {
    soubor_ = OPENFILENAMEW{};
    soubor_.lStructSize = sizeof(soubor_);
    soubor_.hwndOwner = ::GetActiveWindow();
    soubor_.Flags = OFN_NOCHANGEDIR;
}

std::optional<std::wstring> EditSoubor::VybratCestu(HWND vlastnik, const std::wstring& text) {
    std::wstring cesta(kDelkaCesty, L'\0');
    if (CestaExistujeNa(text)) {
        if (text.size() >= kDelkaCesty) {
            FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
        }
        std::copy(text.begin(), text.end(), cesta.begin());
    }
    soubor_.hwndOwner = vlastnik;
    soubor_.lpstrFile = cesta.data();
    soubor_.nMaxFile = kDelkaCesty;
    const BOOL potvrzeno = ::GetOpenFileNameW(&soubor_);
    soubor_.lpstrFile = nullptr;
    if (!potvrzeno) {
        if (::CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
            FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
        }
        return std::nullopt;
    }
    cesta.resize(cesta.find(L'\0'));
    return cesta;
}

} // namespace Vrbatec::WinApi
