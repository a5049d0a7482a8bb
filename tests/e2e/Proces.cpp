#include "e2e/Proces.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <thread>
#include <vector>

#include "config/Guid.h"
#include "recording/ProfilyZaznamu.h"
#include "sources/KodekZdroju.h"

namespace Vrbatec::Testy {

namespace {

struct HledaniOkna {
    DWORD proces;
    const wchar_t* trida;
    const wchar_t* titulek;
    HWND nalezeno;
};

BOOL CALLBACK ProjitOkno(HWND okno, LPARAM data) {
    auto& hledani = *reinterpret_cast<HledaniOkna*>(data);
    DWORD proces = 0;
    GetWindowThreadProcessId(okno, &proces);
    if (proces != hledani.proces || !IsWindowVisible(okno)) {
        return TRUE;
    }
    wchar_t text[256] = {};
    if (hledani.trida != nullptr) {
        GetClassNameW(okno, text, 256);
        if (std::wstring(text) != hledani.trida) {
            return TRUE;
        }
    }
    if (hledani.titulek != nullptr) {
        GetWindowTextW(okno, text, 256);
        if (std::wstring(text) != hledani.titulek) {
            return TRUE;
        }
    }
    hledani.nalezeno = okno;
    return FALSE;
}

} // namespace

std::filesystem::path DocasnaSlozka(const wchar_t* predpona) {
    wchar_t docasna[MAX_PATH];
    GetTempPathW(MAX_PATH, docasna);
    const std::filesystem::path slozka =
        std::filesystem::path(docasna) / (predpona + std::to_wstring(GetCurrentProcessId()));
    std::filesystem::create_directories(slozka);
    return slozka;
}

void NastavitSeznam(const std::filesystem::path& slozka, const std::vector<Zdroj>& zdroje) {
    const auto bajty = KodekZdroju::ZakodovatNaBajty(zdroje);
    const std::filesystem::path seznam = slozka / L"seznam.xml";
    std::ofstream(seznam, std::ios::binary)
        .write(reinterpret_cast<const char*>(bajty.data()),
               static_cast<std::streamsize>(bajty.size()));
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKlicZdroju, L"soubor", REG_SZ, seznam.c_str(),
                              static_cast<DWORD>((seznam.native().size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
    const DWORD prvni = 0;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKlicStavu, L"prehravanyIndex", REG_DWORD, &prvni,
                              sizeof(prvni)),
              ERROR_SUCCESS);
}

void NastavitZaznam(const std::filesystem::path& slozka, const std::wstring& zarizeni,
                    DWORD priSpusteni) {
    const auto text = [](const wchar_t* nazev, const std::wstring& hodnota) {
        return RegSetKeyValueW(HKEY_CURRENT_USER, kKlicZaznamu, nazev, REG_SZ, hodnota.c_str(),
                               static_cast<DWORD>((hodnota.size() + 1) * sizeof(wchar_t)));
    };
    const BajtyGuid profil = NaBajty(ProfilyZaznamu::kProfilWav);
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKlicZaznamu, L"profil", REG_BINARY, profil.data(),
                              static_cast<DWORD>(profil.size())),
              ERROR_SUCCESS);
    ASSERT_EQ(text(L"slozka", slozka.wstring()), ERROR_SUCCESS);
    ASSERT_EQ(text(L"friendlyName", zarizeni), ERROR_SUCCESS);
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKlicZaznamu, L"priSpusteni", REG_DWORD,
                              &priSpusteni, sizeof(priSpusteni)),
              ERROR_SUCCESS);
}

void ObnovitNastaveni() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kKlicZaznamu);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicZdroju, L"soubor");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicStavu, L"prehravanyIndex");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicPrehravace, L"hlasitost");
}

std::wstring CestaWindows(std::wstring cesta) {
    if (!cesta.empty() && cesta[0] == L'/') {
        // Wine shows the Unix root as drive Z:.
        cesta.insert(0, L"Z:");
    }
    std::replace(cesta.begin(), cesta.end(), L'/', L'\\');
    return cesta;
}

std::wstring CestaProgramu() {
    return CestaWindows(ZV_CESTA_PROGRAMU);
}

Proces::Proces(const std::wstring& argumenty, const std::wstring& cesta, bool prvniSpusteni) {
    if (prvniSpusteni) {
        const LSTATUS stav = RegDeleteTreeW(HKEY_CURRENT_USER, kKorenNastaveni);
        EXPECT_TRUE(stav == ERROR_SUCCESS || stav == ERROR_FILE_NOT_FOUND) << stav;
    } else {
        HKEY koren = nullptr;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKorenNastaveni, 0, nullptr, 0, KEY_READ,
                                  nullptr, &koren, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(koren);
    }
    std::wstring prikaz = L"\"" + cesta + L"\"";
    if (!argumenty.empty()) {
        prikaz += L" " + argumenty;
    }
    STARTUPINFOW start{};
    start.cb = sizeof(start);
    PROCESS_INFORMATION info{};
    const BOOL ok = CreateProcessW(cesta.c_str(), prikaz.data(), nullptr, nullptr, FALSE, 0,
                                   nullptr, nullptr, &start, &info);
    EXPECT_TRUE(ok) << "CreateProcessW failed with " << GetLastError();
    if (ok) {
        proces_.Reset(info.hProcess);
        vlakno_.Reset(info.hThread);
        id_ = info.dwProcessId;
    }
}

Proces::~Proces() {
    if (Bezi()) {
        TerminateProcess(proces_.Get(), 99);
        WaitForSingleObject(proces_.Get(), 5000);
    }
}

DWORD Proces::PockatNaKonec(std::chrono::milliseconds limit) {
    if (!proces_) {
        return STILL_ACTIVE;
    }
    WaitForSingleObject(proces_.Get(), static_cast<DWORD>(limit.count()));
    DWORD kod = STILL_ACTIVE;
    GetExitCodeProcess(proces_.Get(), &kod);
    return kod;
}

bool Proces::Bezi() const {
    return proces_ && WaitForSingleObject(proces_.Get(), 0) == WAIT_TIMEOUT;
}

HWND Proces::PockatNaOkno(const wchar_t* trida, const wchar_t* titulek,
                          std::chrono::milliseconds limit) const {
    const auto konec = std::chrono::steady_clock::now() + limit;
    do {
        HledaniOkna hledani{id_, trida, titulek, nullptr};
        EnumWindows(ProjitOkno, reinterpret_cast<LPARAM>(&hledani));
        if (hledani.nalezeno != nullptr) {
            return hledani.nalezeno;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } while (std::chrono::steady_clock::now() < konec);
    return nullptr;
}

std::wstring TextPrvku(HWND okno, int id) {
    wchar_t text[512] = {};
    SendMessageTimeoutW(GetDlgItem(okno, id), WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text),
                        SMTO_BLOCK, 2000, nullptr);
    return text;
}

HWND OvladaciPanel(HWND okno) {
    const HWND rebar = FindWindowExW(okno, nullptr, L"ReBarWindow32", nullptr);
    return FindWindowExW(rebar, nullptr, L"#32770", nullptr);
}

std::wstring CisloHlasitosti(HWND okno) {
    return TextPrvku(OvladaciPanel(okno), 1014);
}

namespace {

// A text a control of another process writes into memory it is given: the memory is made in
// that process and read from there.
std::wstring TextZProcesu(HWND prvek, UINT zprava, WPARAM w) {
    DWORD id = 0;
    GetWindowThreadProcessId(prvek, &id);
    const WinApi::UniqueHandle proces(
        OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id));
    if (prvek == nullptr || !proces) {
        return L"(no control)";
    }
    constexpr SIZE_T kZnaku = 512;
    void* vzdaleny =
        VirtualAllocEx(proces.Get(), nullptr, kZnaku * sizeof(wchar_t), MEM_COMMIT, PAGE_READWRITE);
    wchar_t text[kZnaku] = {};
    if (vzdaleny != nullptr &&
        SendMessageTimeoutW(prvek, zprava, w, reinterpret_cast<LPARAM>(vzdaleny), SMTO_BLOCK, 2000,
                            nullptr) != 0) {
        ReadProcessMemory(proces.Get(), vzdaleny, text, sizeof(text) - sizeof(wchar_t), nullptr);
    }
    if (vzdaleny != nullptr) {
        VirtualFreeEx(proces.Get(), vzdaleny, 0, MEM_RELEASE);
    }
    return text;
}

} // namespace

std::wstring TextStavovehoRadku(HWND okno) {
    const HWND radek = FindWindowExW(okno, nullptr, STATUSCLASSNAMEW, nullptr);
    return radek == nullptr ? L"(no status bar)" : TextZProcesu(radek, SB_GETTEXTW, 2);
}

std::vector<std::wstring> RadkySeznamu(HWND seznam) {
    // Unlike the status bar's, the list box's text is brought over by the system itself.
    std::vector<std::wstring> radky;
    const LRESULT pocet = SendMessageW(seznam, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < pocet; ++i) {
        const LRESULT delka = SendMessageW(seznam, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring radek(static_cast<std::size_t>(std::max<LRESULT>(delka, 0)) + 1, L'\0');
        const LRESULT precteno = SendMessageW(seznam, LB_GETTEXT, static_cast<WPARAM>(i),
                                              reinterpret_cast<LPARAM>(radek.data()));
        radek.resize(static_cast<std::size_t>(std::clamp<LRESULT>(precteno, 0, delka)));
        radky.push_back(std::move(radek));
    }
    return radky;
}

} // namespace Vrbatec::Testy
