#include "winapi/EditSlozka.h"

#include <shlobj.h>

#include <memory>

#include "winapi/Diagnostika.h"
#include "winapi/HraniceVyjimek.h"

namespace Vrbatec::WinApi {

namespace {

// The shell allocates the item list of the chosen folder with the task allocator.
struct UvolnitSeznamPolozek {
    void operator()(ITEMIDLIST* seznam) const noexcept { ::CoTaskMemFree(seznam); }
};
using SeznamPolozek = std::unique_ptr<ITEMIDLIST, UvolnitSeznamPolozek>;

int CALLBACK PriProchazeni(HWND dialog, UINT zprava, LPARAM lParam, LPARAM data) {
    return BezVyjimek([&] {
        const auto* pocatecni = reinterpret_cast<const std::wstring*>(data);
        if (zprava == BFFM_INITIALIZED && !pocatecni->empty()) {
            // Some shells still select their own start after this message; the posted copy
            // comes after that, so the field's folder is the one shown. The text outlives the
            // dialog's loop.
            ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE,
                           reinterpret_cast<LPARAM>(pocatecni->c_str()));
            ::PostMessageW(dialog, BFFM_SETSELECTIONW, TRUE,
                           reinterpret_cast<LPARAM>(pocatecni->c_str()));
        } else if (zprava == BFFM_SELCHANGED) {
            // Only folders of the file system have a path to show.
            std::wstring cesta(MAX_PATH, L'\0');
            if (::SHGetPathFromIDListEx(reinterpret_cast<PCIDLIST_ABSOLUTE>(lParam), cesta.data(),
                                        static_cast<DWORD>(cesta.size()), GPFIDL_DEFAULT)) {
                ::SendMessageW(dialog, BFFM_SETSTATUSTEXTW, 0,
                               reinterpret_cast<LPARAM>(cesta.c_str()));
            }
        }
        return 0;
    });
}

} // namespace

bool EditSlozka::CestaExistujeNa(const std::wstring& text) const {
    const DWORD atributy = ::GetFileAttributesW(text.c_str());
    return atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

const wchar_t* EditSlozka::TextTipu() const noexcept {
    return L"Vybrat složku standardním dialogem Windows";
}

std::optional<std::wstring> EditSlozka::VybratCestu(HWND vlastnik, const std::wstring& text) {
    const std::wstring pocatecni = text == L"current" ? AktualniSlozka() : text;
    BROWSEINFOW vyber{};
    vyber.hwndOwner = vlastnik;
    vyber.lpszTitle = L"Vyberte požadovanou složku";
    vyber.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    vyber.lpfn = &PriProchazeni;
    vyber.lParam = reinterpret_cast<LPARAM>(&pocatecni);
    const SeznamPolozek vybrana(::SHBrowseForFolderW(&vyber));
    if (!vybrana) {
        return std::nullopt;
    }
    // Only file-system folders can be chosen, so the conversion fails only on a path too long.
    std::wstring cesta(kDelkaCesty, L'\0');
    if (!::SHGetPathFromIDListEx(vybrana.get(), cesta.data(), kDelkaCesty, GPFIDL_DEFAULT)) {
        FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    }
    cesta.resize(cesta.find(L'\0'));
    return cesta;
}

} // namespace Vrbatec::WinApi
