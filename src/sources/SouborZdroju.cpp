#include "sources/SouborZdroju.h"

#include <algorithm>
#include <utility>

#include "winapi/Diagnostika.h"
#include "sources/KodekZdroju.h"
#include "sources/ZalohaSeznamu.h"
#include "winapi/Handle.h"

namespace Vrbatec::SouborZdroju {

namespace {

using WinApi::UniqueHandle;

bool JeChybejici(DWORD chyba) {
    return chyba == ERROR_FILE_NOT_FOUND || chyba == ERROR_PATH_NOT_FOUND;
}

Precteno Nepouzitelny(HRESULT hr) {
    Precteno vysledek;
    vysledek.hr = hr;
    vysledek.nepouzitelny = true;
    return vysledek;
}

Precteno NeotevrenySoubor() {
    const DWORD chyba = ::GetLastError();
    Precteno vysledek;
    vysledek.hr = HResultPosledniChyby();
    // Even one empty now may have its list by the time of the save (the program holding it
    // may be writing it), so whether it has anything to lose is decided then.
    vysledek.nepouzitelny = !JeChybejici(chyba);
    return vysledek;
}

std::wstring SlozkaSouboru(const std::wstring& plnaCesta) {
    const std::size_t lomitko = plnaCesta.find_last_of(L"\\/");
    return lomitko == std::wstring::npos ? std::wstring(L".\\") : plnaCesta.substr(0, lomitko + 1);
}

// Takes the first of the names nazev(1), nazev(2), ... that vytvorit can create as a new
// file; a failure other than an existing name, or a thousand names taken, is thrown.
template <class Nazev, class Vytvorit>
std::wstring PrvniVolnyNazev(Nazev nazev, Vytvorit vytvorit) {
    constexpr unsigned kNejvicePokusu = 1000;
    for (unsigned pokus = 1; pokus <= kNejvicePokusu; ++pokus) {
        std::wstring kandidat = nazev(pokus);
        if (vytvorit(kandidat)) {
            return kandidat;
        }
        const DWORD chyba = ::GetLastError();
        if (chyba != ERROR_FILE_EXISTS && chyba != ERROR_ALREADY_EXISTS) {
            VyhoditHResult(HResultPosledniChyby());
        }
    }
    VyhoditHResult(HRESULT_FROM_WIN32(ERROR_FILE_EXISTS));
}

// The name is made here rather than by GetTempFileNameW, which takes no folder deeper than
// the old path limit, and the list may live in one.
std::wstring VytvoritDocasnySoubor(const std::wstring& slozka) {
    const std::wstring zaklad = slozka + L"zvk" + std::to_wstring(::GetCurrentProcessId()) + L"_";
    return PrvniVolnyNazev(
        [&](unsigned pokus) { return zaklad + std::to_wstring(pokus) + L".tmp"; },
        [](const std::wstring& nazev) {
            return static_cast<bool>(
                UniqueHandle(::CreateFileW(nazev.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                           FILE_ATTRIBUTE_NORMAL, nullptr)));
        });
}

// A file beside the list that disappears again unless it has been put in the list's place.
class DocasnySoubor {
public:
    explicit DocasnySoubor(const std::wstring& slozka) : cesta_(VytvoritDocasnySoubor(slozka)) {}
    DocasnySoubor(const DocasnySoubor&) = delete;
    DocasnySoubor& operator=(const DocasnySoubor&) = delete;
    ~DocasnySoubor() {
        if (!cesta_.empty()) {
            // Nothing more can be done about a leftover temporary file than leaving it.
            ::DeleteFileW(cesta_.c_str());
        }
    }

    const std::wstring& Cesta() const { return cesta_; }
    void Presunuto() { cesta_.clear(); }

private:
    std::wstring cesta_;
};

void ZapsatVse(HANDLE soubor, const std::vector<std::uint8_t>& bajty) {
    constexpr std::size_t kNejvetsiZapis = 1u << 30;
    std::size_t zapsano = 0;
    while (zapsano < bajty.size()) {
        const auto kus = static_cast<DWORD>(std::min(bajty.size() - zapsano, kNejvetsiZapis));
        DWORD prave = 0;
        OveritVolani(::WriteFile(soubor, bajty.data() + zapsano, kus, &prave, nullptr));
        if (prave != kus) {
            VyhoditHResult(HRESULT_FROM_WIN32(ERROR_WRITE_FAULT));
        }
        zapsano += kus;
    }
}

// A read-only list stays as it is, as it did when the file was rewritten in place: renaming
// over it would otherwise succeed.
void OveritZapisovatelnost(const std::wstring& cesta) {
    const DWORD atributy = ::GetFileAttributesW(cesta.c_str());
    if (atributy != INVALID_FILE_ATTRIBUTES && (atributy & FILE_ATTRIBUTE_READONLY) != 0) {
        VyhoditHResult(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    }
}

} // namespace

Precteno Precist(const std::wstring& cesta) {
    UniqueHandle soubor(::CreateFileW(cesta.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!soubor) {
        return NeotevrenySoubor();
    }
    LARGE_INTEGER velikost{};
    if (!::GetFileSizeEx(soubor.Get(), &velikost)) {
        return Nepouzitelny(HResultPosledniChyby());
    }
    if (velikost.QuadPart == 0) {
        return {};
    }
    if (static_cast<std::uint64_t>(velikost.QuadPart) > kNejvetsiVelikost) {
        return Nepouzitelny(HRESULT_FROM_WIN32(ERROR_FILE_TOO_LARGE));
    }
    const auto bajtu = static_cast<DWORD>(velikost.QuadPart);
    std::u16string text((bajtu + 1) / 2, u'\0');
    DWORD precteno = 0;
    if (!::ReadFile(soubor.Get(), text.data(), bajtu, &precteno, nullptr)) {
        return Nepouzitelny(HResultPosledniChyby());
    }
    if (precteno != bajtu) {
        return Nepouzitelny(HRESULT_FROM_WIN32(ERROR_HANDLE_EOF));
    }
    soubor.Reset();
    // A last odd byte does not make a code unit.
    text.resize(bajtu / 2);

    Precteno vysledek;
    vysledek.zdroje = KodekZdroju::Dekodovat(text);
    vysledek.nepouzitelny = vysledek.zdroje.empty();
    return vysledek;
}

void Zapsat(const std::wstring& cesta, std::span<const Zdroj> zdroje) {
    const std::vector<std::uint8_t> bajty = KodekZdroju::ZakodovatNaBajty(zdroje);
    const std::wstring plna = PlnaCesta(cesta);
    OveritZapisovatelnost(plna);

    DocasnySoubor docasny(SlozkaSouboru(plna));
    {
        UniqueHandle soubor(::CreateFileW(docasny.Cesta().c_str(), GENERIC_WRITE, 0, nullptr,
                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        OveritVolani(static_cast<bool>(soubor));
        ZapsatVse(soubor.Get(), bajty);
        OveritVolani(::FlushFileBuffers(soubor.Get()));
    }
    OveritVolani(::MoveFileExW(docasny.Cesta().c_str(), plna.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    docasny.Presunuto();
}

std::wstring Zalohovat(const std::wstring& cesta) {
    return PrvniVolnyNazev(
        [&](unsigned pokus) { return ZalohaSeznamu::NazevZalohy(cesta, pokus); },
        [&](const std::wstring& zaloha) {
            // The list is replaced with a write-through move next, so its only other copy
            // is written past the cache, straight to the disk.
            return ::CopyFileExW(cesta.c_str(), zaloha.c_str(), nullptr, nullptr, nullptr,
                                 COPY_FILE_FAIL_IF_EXISTS | COPY_FILE_NO_BUFFERING) != FALSE;
        });
}

bool ZnameJakoPrazdny(const std::wstring& cesta) {
    WIN32_FILE_ATTRIBUTE_DATA udaje{};
    return ::GetFileAttributesExW(cesta.c_str(), GetFileExInfoStandard, &udaje) &&
           (udaje.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && udaje.nFileSizeHigh == 0 &&
           udaje.nFileSizeLow == 0;
}

bool MoznaExistuje(const std::wstring& cesta) {
    if (::GetFileAttributesW(cesta.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    return !JeChybejici(::GetLastError());
}

std::wstring PlnaCesta(const std::wstring& cesta) {
    const DWORD potreba = ::GetFullPathNameW(cesta.c_str(), 0, nullptr, nullptr);
    if (potreba == 0) {
        return cesta;
    }
    std::wstring plna(potreba, L'\0');
    const DWORD delka = ::GetFullPathNameW(cesta.c_str(), potreba, plna.data(), nullptr);
    if (delka == 0 || delka >= potreba) {
        return cesta;
    }
    plna.resize(delka);
    return plna;
}

} // namespace Vrbatec::SouborZdroju
