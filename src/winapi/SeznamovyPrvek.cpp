#include "winapi/SeznamovyPrvek.h"

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

// The error results are the same numbers for both controls (LB_ERR = CB_ERR, ...).
static_assert(LB_ERR == CB_ERR && LB_ERRSPACE == CB_ERRSPACE);

LRESULT SeznamovyPrvek::Poslat(UINT zprava, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(PlatneOkno(), zprava, wParam, lParam);
}

HRESULT SeznamovyPrvek::PridatRetezec(const std::wstring& text, int* index) {
    HWND okno = PlatneOkno();
    // The control itself sets no error; a stale one must not pass for its reason.
    ::SetLastError(ERROR_SUCCESS);
    const LRESULT pozice =
        ::SendMessageW(okno, zpravy_.pridatRetezec, 0, reinterpret_cast<LPARAM>(text.c_str()));
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

HRESULT SeznamovyPrvek::PridatPolozku(const std::wstring& text, LPARAM data, int* index) {
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

void SeznamovyPrvek::NastavitDataPolozky(int index, LPARAM data) {
    Poslat(zpravy_.nastavitData, static_cast<WPARAM>(index), data);
}

LPARAM SeznamovyPrvek::DataPolozky(int index) const {
    return Poslat(zpravy_.data, static_cast<WPARAM>(index));
}

std::wstring SeznamovyPrvek::TextPolozky(int index) const {
    const LRESULT delka = Poslat(zpravy_.delkaTextu, static_cast<WPARAM>(index));
    if (delka == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<size_t>(delka) + 1, L'\0');
    const LRESULT nacteno =
        Poslat(zpravy_.text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(nacteno == LB_ERR ? 0 : static_cast<size_t>(nacteno));
    return text;
}

void SeznamovyPrvek::Vybrat(int index) {
    Poslat(zpravy_.vybrat, static_cast<WPARAM>(index));
}

int SeznamovyPrvek::Vyber() const {
    return static_cast<int>(Poslat(zpravy_.vyber));
}

int SeznamovyPrvek::Pocet() const {
    return static_cast<int>(Poslat(zpravy_.pocet));
}

void SeznamovyPrvek::Vyprazdnit() {
    Poslat(zpravy_.vyprazdnit);
}

} // namespace Vrbatec::WinApi
