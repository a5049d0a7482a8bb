#include "winapi/EditSoubor.h"

#include <algorithm>

#include "winapi/Diagnostika.h"
#include "winapi/Handle.h"

namespace Vrbatec::WinApi {

namespace {

// The common dialogs library brings the print spooler and its libraries with it. Loaded with
// the program it would cost every start time and memory, so it is loaded only while a file is
// being chosen.
class KnihovnaDialogu {
public:
    KnihovnaDialogu()
        : knihovna_(::LoadLibraryExW(L"comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        if (!knihovna_) {
            FatalniPosledniChyba();
        }
        otevrit_ = Funkce<decltype(&::GetOpenFileNameW)>("GetOpenFileNameW");
        chyba_ = Funkce<decltype(&::CommDlgExtendedError)>("CommDlgExtendedError");
    }

    BOOL Otevrit(OPENFILENAMEW& soubor) const { return otevrit_(&soubor); }
    DWORD Chyba() const { return chyba_(); }

private:
    template <class Ukazatel>
    Ukazatel Funkce(const char* nazev) const {
        const FARPROC funkce = ::GetProcAddress(knihovna_.Get(), nazev);
        if (funkce == nullptr) {
            FatalniPosledniChyba();
        }
        return reinterpret_cast<Ukazatel>(reinterpret_cast<void*>(funkce));
    }

    UniqueModule knihovna_;
    decltype(&::GetOpenFileNameW) otevrit_ = nullptr;
    decltype(&::CommDlgExtendedError) chyba_ = nullptr;
};

} // namespace

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
    const KnihovnaDialogu dialogy;
    const BOOL potvrzeno = dialogy.Otevrit(soubor_);
    soubor_.lpstrFile = nullptr;
    if (!potvrzeno) {
        if (dialogy.Chyba() == FNERR_BUFFERTOOSMALL) {
            FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
        }
        return std::nullopt;
    }
    cesta.resize(cesta.find(L'\0'));
    return cesta;
}

} // namespace Vrbatec::WinApi
