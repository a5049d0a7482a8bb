#include "winapi/Okno.h"

#include <cstdint>
#include <optional>

#include "winapi/Diagnostika.h"
#include "winapi/Handle.h"
#include "winapi/PolohaOkna.h"
#include "winapi/UmisteniOkna.h"

namespace Vrbatec::WinApi {

namespace {

constexpr wchar_t kPodklicPoloh[] = L"\\Parametry oken\\";
constexpr wchar_t kHodnotaPoloha[] = L"Poloha";
constexpr wchar_t kHodnotaVelikost[] = L"Velikost";
// The longest window name: a class name of at most this many characters fits the buffer that
// GetClassNameW is given.
constexpr std::size_t kNejdelsiNazev = 254;

[[noreturn]] void FatalniChybaRegistru(LSTATUS stav) {
    FatalniHResult(HRESULT_FROM_WIN32(static_cast<DWORD>(stav)));
}

void ZapsatDword(HKEY klic, const wchar_t* nazev, std::uint32_t hodnota) {
    const DWORD data = hodnota;
    const LSTATUS stav = ::RegSetValueExW(klic, nazev, 0, REG_DWORD,
                                          reinterpret_cast<const BYTE*>(&data), sizeof data);
    if (stav != ERROR_SUCCESS) {
        FatalniChybaRegistru(stav);
    }
}

// Any value of four bytes will do, whatever type it was written with.
std::optional<std::uint32_t> PrecistDword(HKEY klic, const wchar_t* nazev) {
    DWORD data = 0;
    DWORD velikost = sizeof data;
    if (::RegQueryValueExW(klic, nazev, nullptr, nullptr, reinterpret_cast<BYTE*>(&data),
                           &velikost) != ERROR_SUCCESS ||
        velikost != sizeof data) {
        return std::nullopt;
    }
    return data;
}

std::optional<UlozenaPoloha> PrecistPolohu(const std::wstring& cesta) {
    UniqueKey klic;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, cesta.c_str(), 0, KEY_READ | KEY_WRITE, klic.Adresa()) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> poloha = PrecistDword(klic.Get(), kHodnotaPoloha);
    if (!poloha) {
        return std::nullopt;
    }
    const std::optional<std::uint32_t> velikost = PrecistDword(klic.Get(), kHodnotaVelikost);
    if (!velikost) {
        return std::nullopt;
    }
    return UlozenaPoloha{*poloha, *velikost};
}

void ZapsatPolohu(const std::wstring& cesta, UlozenaPoloha ulozena) {
    UniqueKey klic;
    const LSTATUS stav =
        ::RegCreateKeyExW(HKEY_CURRENT_USER, cesta.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, klic.Adresa(), nullptr);
    if (stav != ERROR_SUCCESS) {
        FatalniChybaRegistru(stav);
    }
    ZapsatDword(klic.Get(), kHodnotaPoloha, ulozena.poloha);
    ZapsatDword(klic.Get(), kHodnotaVelikost, ulozena.velikost);
}

std::wstring NazevTridy(HWND okno) {
    wchar_t trida[kNejdelsiNazev + 1] = {};
    const int delka = ::GetClassNameW(okno, trida, static_cast<int>(kNejdelsiNazev + 1));
    if (delka == 0) {
        FatalniPosledniChyba();
    }
    return std::wstring(trida, static_cast<std::size_t>(delka));
}

} // namespace

void Okno::NastavitKlicRegistru(const wchar_t* korenNastaveni) {
    if (korenNastaveni != nullptr) {
        klicRegistru_ = std::wstring(korenNastaveni) + kPodklicPoloh;
    }
}

int Okno::UlozitPolohu(const wchar_t* nazev) {
    if (klicRegistru_.empty()) {
        FatalniChyba(L"Nebyl nastaven klíč registru pro uložení souřadnic okna");
    }
    HWND okno = Hwnd();
    if (!::IsWindowVisible(okno)) {
        return 1;
    }
    const std::wstring cesta = KlicPolohy(nazev);
    RECT r{};
    if (!::GetWindowRect(okno, &r)) {
        FatalniPosledniChyba();
    }
    const Obdelnik obdelnik{r.left, r.top, r.right, r.bottom};
    if (!StojiZaUlozeni(obdelnik)) {
        return 1;
    }
    ZapsatPolohu(cesta, ZabalitPolohu(obdelnik));
    return 0;
}

int Okno::NacistPolohu(const wchar_t* nazev, bool jenPoloha) {
    const std::optional<UlozenaPoloha> ulozena = PrecistPolohu(KlicPolohy(nazev));
    if (!ulozena) {
        return 1;
    }
    if (HWND okno = Hwnd(); ::IsWindow(okno)) {
        const NactenaPoloha poloha = RozbalitPolohu(*ulozena);
        ::SetWindowPos(okno, nullptr, poloha.poloha.x, poloha.poloha.y, poloha.sirka, poloha.vyska,
                       SWP_NOZORDER | (jenPoloha ? SWP_NOSIZE : 0));
        ZajistitViditelnost(okno, false);
    }
    return 0;
}

std::wstring Okno::KlicPolohy(const wchar_t* nazev) const {
    if (nazev == nullptr) {
        return klicRegistru_ + NazevTridy(PlatneOkno());
    }
    const std::wstring dany(nazev);
    if (dany.size() > kNejdelsiNazev) {
        FatalniHResult(HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER));
    }
    return klicRegistru_ + dany;
}

void Okno::NastavitIkony(HICON velka, HICON mala) {
    HWND okno = PlatneOkno();
    ::SendMessageW(okno, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(velka));
    ::SendMessageW(okno, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(mala));
}

void Okno::NastavitTitulek(const std::wstring& titulek) {
    OveritVolani(::SetWindowTextW(PlatneOkno(), titulek.c_str()) != FALSE);
}

bool Okno::Zobrazit(int prikaz) {
    return ::ShowWindow(PlatneOkno(), prikaz) != FALSE;
}

} // namespace Vrbatec::WinApi
