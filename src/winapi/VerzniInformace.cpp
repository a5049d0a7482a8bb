#include "winapi/VerzniInformace.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace Vrbatec {

namespace {

bool CestaProgramu(std::wstring& cesta) {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD delka =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (delka == 0) {
            return false;
        }
        if (delka < buffer.size()) {
            cesta.assign(buffer.data(), delka);
            return true;
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool NacistBlokVerze(std::vector<BYTE>& blok) {
    std::wstring cesta;
    if (!CestaProgramu(cesta)) {
        return false;
    }
    DWORD nepouzito = 0;
    const DWORD velikost = ::GetFileVersionInfoSizeW(cesta.c_str(), &nepouzito);
    if (velikost == 0) {
        return false;
    }
    blok.resize(velikost);
    return ::GetFileVersionInfoW(cesta.c_str(), 0, velikost, blok.data()) != FALSE;
}

struct Preklad {
    WORD jazyk;
    WORD kodovaStranka;
};

} // namespace

bool NacistHodnotuVerze(const wchar_t* nazev, std::wstring& hodnota) {
    std::vector<BYTE> blok;
    if (!NacistBlokVerze(blok)) {
        return false;
    }
    Preklad* preklady = nullptr;
    UINT delka = 0;
    if (!::VerQueryValueW(blok.data(), L"\\VarFileInfo\\Translation",
                          reinterpret_cast<void**>(&preklady), &delka) ||
        delka < sizeof(Preklad)) {
        return false;
    }
    wchar_t dotaz[128];
    std::swprintf(dotaz, 128, L"\\StringFileInfo\\%04x%04x\\%ls", preklady[0].jazyk,
                  preklady[0].kodovaStranka, nazev);
    wchar_t* text = nullptr;
    if (!::VerQueryValueW(blok.data(), dotaz, reinterpret_cast<void**>(&text), &delka) ||
        text == nullptr) {
        return false;
    }
    hodnota = text;
    return true;
}

bool NacistCisloVerze(std::uint32_t& vyssiCast, std::uint32_t& nizsiCast) {
    std::vector<BYTE> blok;
    if (!NacistBlokVerze(blok)) {
        return false;
    }
    VS_FIXEDFILEINFO* pevna = nullptr;
    UINT delka = 0;
    if (!::VerQueryValueW(blok.data(), L"\\", reinterpret_cast<void**>(&pevna), &delka) ||
        pevna == nullptr || delka < sizeof(VS_FIXEDFILEINFO)) {
        return false;
    }
    vyssiCast = pevna->dwFileVersionMS;
    nizsiCast = pevna->dwFileVersionLS;
    return true;
}

} // namespace Vrbatec
