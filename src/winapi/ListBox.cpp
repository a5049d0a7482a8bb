#include "winapi/ListBox.h"

#include "app/Diagnostika.h"

namespace Vrbatec::WinApi {

HRESULT ListBox::PridatRetezec(const std::wstring& text, int* index) {
    HWND okno = PlatneOkno();
    // The list box itself sets no error; a stale one must not pass for its reason.
    ::SetLastError(ERROR_SUCCESS);
    const LRESULT pozice =
        ::SendMessageW(okno, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (pozice == LB_ERRSPACE) {
        return E_OUTOFMEMORY;
    }
    if (pozice == LB_ERR) {
        return HResultPosledniChyby();
    }
    if (index != nullptr) {
        *index = static_cast<int>(pozice);
    }
    return S_OK;
}

HRESULT ListBox::PridatPolozku(const std::wstring& text, LPARAM data, int* index) {
    int pozice = 0;
    const HRESULT hr = PridatRetezec(text, &pozice);
    if (FAILED(hr)) {
        return hr;
    }
    NastavitDataPolozky(pozice, data);
    if (index != nullptr) {
        *index = pozice;
    }
    return S_OK;
}

void ListBox::NastavitDataPolozky(int index, LPARAM data) {
    ::SendMessageW(PlatneOkno(), LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

LPARAM ListBox::DataPolozky(int index) const {
    return ::SendMessageW(PlatneOkno(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

std::wstring ListBox::TextPolozky(int index) const {
    HWND okno = PlatneOkno();
    const LRESULT delka = ::SendMessageW(okno, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (delka == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<size_t>(delka) + 1, L'\0');
    const LRESULT nacteno = ::SendMessageW(okno, LB_GETTEXT, static_cast<WPARAM>(index),
                                           reinterpret_cast<LPARAM>(text.data()));
    text.resize(nacteno == LB_ERR ? 0 : static_cast<size_t>(nacteno));
    return text;
}

void ListBox::Vybrat(int index) {
    ::SendMessageW(PlatneOkno(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ListBox::Vyber() const {
    return static_cast<int>(::SendMessageW(PlatneOkno(), LB_GETCURSEL, 0, 0));
}

int ListBox::Pocet() const {
    return static_cast<int>(::SendMessageW(PlatneOkno(), LB_GETCOUNT, 0, 0));
}

void ListBox::Vyprazdnit() {
    ::SendMessageW(PlatneOkno(), LB_RESETCONTENT, 0, 0);
}

} // namespace Vrbatec::WinApi
