#include "winapi/ComboBox.h"

#include "app/Diagnostika.h"

namespace Vrbatec::WinApi {

HRESULT ComboBox::PridatRetezec(const std::wstring& text, int* index) {
    HWND okno = PlatneOkno();
    // The combo box itself sets no error; a stale one must not pass for its reason.
    ::SetLastError(ERROR_SUCCESS);
    const LRESULT pozice =
        ::SendMessageW(okno, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (pozice == CB_ERRSPACE) {
        return E_OUTOFMEMORY;
    }
    if (pozice == CB_ERR) {
        return HResultPosledniChyby();
    }
    if (index != nullptr) {
        *index = static_cast<int>(pozice);
    }
    return S_OK;
}

HRESULT ComboBox::PridatPolozku(const std::wstring& text, LPARAM data, int* index) {
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

void ComboBox::NastavitDataPolozky(int index, LPARAM data) {
    ::SendMessageW(PlatneOkno(), CB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

LPARAM ComboBox::DataPolozky(int index) const {
    return ::SendMessageW(PlatneOkno(), CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
}

std::wstring ComboBox::TextPolozky(int index) const {
    HWND okno = PlatneOkno();
    const LRESULT delka = ::SendMessageW(okno, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (delka == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<size_t>(delka) + 1, L'\0');
    const LRESULT nacteno = ::SendMessageW(okno, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                           reinterpret_cast<LPARAM>(text.data()));
    text.resize(nacteno == CB_ERR ? 0 : static_cast<size_t>(nacteno));
    return text;
}

void ComboBox::Vybrat(int index) {
    ::SendMessageW(PlatneOkno(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboBox::Vyber() const {
    return static_cast<int>(::SendMessageW(PlatneOkno(), CB_GETCURSEL, 0, 0));
}

int ComboBox::Pocet() const {
    return static_cast<int>(::SendMessageW(PlatneOkno(), CB_GETCOUNT, 0, 0));
}

void ComboBox::Vyprazdnit() {
    ::SendMessageW(PlatneOkno(), CB_RESETCONTENT, 0, 0);
}

} // namespace Vrbatec::WinApi
