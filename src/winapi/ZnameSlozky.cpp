#include "winapi/ZnameSlozky.h"

#include <memory>
#include <vector>

#include "winapi/Diagnostika.h"

namespace Vrbatec::WinApi {

namespace {

struct UvolnitPametCom {
    void operator()(wchar_t* p) const { ::CoTaskMemFree(p); }
};

} // namespace

std::optional<std::wstring> ZnamaSlozka(REFKNOWNFOLDERID slozka) {
    wchar_t* cesta = nullptr;
    const HRESULT hr = ::SHGetKnownFolderPath(slozka, 0, nullptr, &cesta);
    const std::unique_ptr<wchar_t, UvolnitPametCom> vlastnik(cesta);
    if (FAILED(hr) || cesta == nullptr) {
        return std::nullopt;
    }
    return std::wstring(cesta);
}

std::wstring CestaProgramu() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD delka =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (delka == 0) {
            FatalniPosledniChyba();
        }
        if (delka < buffer.size()) {
            return std::wstring(buffer.data(), delka);
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring SlozkaProgramu() {
    std::wstring cesta = CestaProgramu();
    const auto konec = cesta.find_last_of(L'\\');
    if (konec == std::wstring::npos) {
        return cesta;
    }
    // "C:\Zvukolet.exe" keeps the root's backslash.
    const bool koren = konec == 2 && cesta[1] == L':';
    cesta.resize(koren ? konec + 1 : konec);
    return cesta;
}

} // namespace Vrbatec::WinApi
