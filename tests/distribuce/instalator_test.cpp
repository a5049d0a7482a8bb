// The installer of this build under Wine, silently: what it installs and registers, an upgrade
// over a running copy, and an uninstallation that leaves the user's files and settings alone.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/Proces.h"
#include "res/resource.h"
#include "support/Cekani.h"

namespace {

using namespace std::chrono_literals;
using Vrbatec::Testy::CekatNa;
using Vrbatec::Testy::Proces;
namespace fs = std::filesystem;

constexpr wchar_t kTrida[] = L"ZvukoletHlavni";
constexpr auto kStart = 20s;
constexpr wchar_t kKlicOdinstalace[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zvukolet";
// A value of the test's own among the program's settings, which must outlive the uninstaller.
constexpr wchar_t kKlicZkousky[] = L"Software\\Vrbatec\\Zvukolet\\2\\Zkouška instalace";

std::wstring Widen(const char* text) {
    return {text, text + std::char_traits<char>::length(text)};
}

std::vector<char> Obsah(const fs::path& soubor) {
    std::ifstream vstup(soubor, std::ios::binary);
    return {std::istreambuf_iterator<char>(vstup), std::istreambuf_iterator<char>()};
}

std::string Text(const fs::path& soubor) {
    const std::vector<char> bajty = Obsah(soubor);
    return {bajty.begin(), bajty.end()};
}

void Zapsat(const fs::path& soubor, const std::string& obsah) {
    std::ofstream(soubor, std::ios::binary) << obsah;
}

fs::path ZnamaSlozka(REFKNOWNFOLDERID id) {
    PWSTR cesta = nullptr;
    EXPECT_EQ(SHGetKnownFolderPath(id, 0, nullptr, &cesta), S_OK);
    fs::path vysledek = cesta != nullptr ? cesta : L"";
    CoTaskMemFree(cesta);
    return vysledek;
}

// A text value of the uninstall entry, or "(none)".
std::wstring Polozka(const wchar_t* nazev) {
    wchar_t text[1024] = {};
    DWORD velikost = sizeof(text);
    if (RegGetValueW(HKEY_CURRENT_USER, kKlicOdinstalace, nazev, RRF_RT_REG_SZ, nullptr, text,
                     &velikost) != ERROR_SUCCESS) {
        return L"(none)";
    }
    return text;
}

DWORD CisloPolozky(const wchar_t* nazev) {
    DWORD cislo = 0xFFFFFFFF;
    DWORD velikost = sizeof(cislo);
    RegGetValueW(HKEY_CURRENT_USER, kKlicOdinstalace, nazev, RRF_RT_REG_DWORD, nullptr, &cislo,
                 &velikost);
    return cislo;
}

void VytvoritKlic(const wchar_t* klic) {
    HKEY h = nullptr;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_CURRENT_USER, klic, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(h);
}

bool ExistujeKlic(const wchar_t* klic) {
    HKEY h = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, klic, 0, KEY_READ, &h) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(h);
    return true;
}

class Instalator : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowW(kTrida, nullptr), nullptr) << "a copy of the program still runs";
        slozka_ = Vrbatec::Testy::DocasnaSlozka(L"zv-instalace") / L"Zvukolet";
        std::error_code chyba;
        fs::remove_all(slozka_, chyba);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKlicOdinstalace);
        fs::remove(zastupce_, chyba);
    }

    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKlicOdinstalace);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKlicZkousky);
        std::error_code chyba;
        fs::remove(zastupce_, chyba);
        fs::remove_all(slozka_.parent_path(), chyba);
    }

    // Runs the installer silently (into the test's folder, or where the entry says without
    // one) and gives its exit code.
    static DWORD Instalovat(const std::wstring& argumenty) {
        Proces instalator(argumenty, Vrbatec::Testy::CestaWindows(ZV_CESTA_INSTALATORU));
        return instalator.PockatNaKonec(60s);
    }

    DWORD InstalovatDoSlozky() const { return Instalovat(L"/S /D=" + slozka_.wstring()); }

    fs::path slozka_;
    const fs::path zastupce_ = ZnamaSlozka(FOLDERID_Programs) / L"Zvukolet.lnk";
};

TEST_F(Instalator, SilentInstallWritesTheProgramShortcutAndEntryAndTheProgramRunsAndEnds) {
    ASSERT_EQ(InstalovatDoSlozky(), 0u);

    EXPECT_EQ(Obsah(slozka_ / L"Zvukolet.exe"), Obsah(Vrbatec::Testy::CestaProgramu()));
    EXPECT_TRUE(fs::is_regular_file(slozka_ / L"Odinstalovat.exe"));
    EXPECT_TRUE(fs::is_regular_file(zastupce_)) << zastupce_;
    EXPECT_FALSE(fs::exists(ZnamaSlozka(FOLDERID_Desktop) / L"Zvukolet.lnk"))
        << "the desktop shortcut is only made when asked for";

    const std::wstring odinstalator = (slozka_ / L"Odinstalovat.exe").wstring();
    EXPECT_EQ(Polozka(L"DisplayName"), L"Zvukolet");
    EXPECT_EQ(Polozka(L"DisplayVersion"), Widen(ZV_VERZE_TEXT));
    EXPECT_EQ(Polozka(L"Publisher"), L"Vrbatec");
    EXPECT_EQ(Polozka(L"InstallLocation"), slozka_.wstring());
    EXPECT_EQ(Polozka(L"DisplayIcon"), (slozka_ / L"Zvukolet.exe").wstring() + L",0");
    EXPECT_EQ(Polozka(L"UninstallString"), L"\"" + odinstalator + L"\"");
    EXPECT_EQ(Polozka(L"QuietUninstallString"), L"\"" + odinstalator + L"\" /S");
    EXPECT_EQ(CisloPolozky(L"NoModify"), 1u);
    EXPECT_EQ(CisloPolozky(L"NoRepair"), 1u);
    // In kilobytes, and at least the program itself.
    EXPECT_GE(CisloPolozky(L"EstimatedSize"), fs::file_size(slozka_ / L"Zvukolet.exe") / 1024);
    EXPECT_LT(CisloPolozky(L"EstimatedSize"), 64u * 1024);

    Proces program(L"", (slozka_ / L"Zvukolet.exe").wstring());
    const HWND okno = program.PockatNaOkno(kTrida, L"Zvukolet", kStart);
    ASSERT_NE(okno, nullptr) << "the installed program showed no main window";
    PostMessageW(okno, WM_COMMAND, ID_KONEC, 0);
    EXPECT_EQ(program.PockatNaKonec(kStart), 0u);
}

TEST_F(Instalator, UpgradeClosesTheRunningCopyAndKeepsTheSettingsAndTheFilesBesideTheProgram) {
    ASSERT_EQ(InstalovatDoSlozky(), 0u);
    const std::string seznam = "<?xml version=\"1.0\"?><seznam-uzivatele/>";
    const std::string zaznam = "RIFF nahrávka uživatele";
    Zapsat(slozka_ / L"Zvukolet.xml", seznam);
    Zapsat(slozka_ / L"Záznam 2026-12-08.wav", zaznam);
    // What the upgrade writes again shows that it ran to the end.
    ASSERT_TRUE(fs::remove(slozka_ / L"Odinstalovat.exe"));
    VytvoritKlic(kKlicZkousky);

    Proces program(L"", (slozka_ / L"Zvukolet.exe").wstring());
    ASSERT_NE(program.PockatNaOkno(kTrida, L"Zvukolet", kStart), nullptr);

    // Without /D the upgrade goes where the entry says the program is.
    EXPECT_EQ(Instalovat(L"/S"), 0u);
    EXPECT_FALSE(program.Bezi()) << "the installer left the running copy alone";
    EXPECT_EQ(program.PockatNaKonec(0ms), 0u) << "the running copy was not ended by its exit";

    EXPECT_EQ(Obsah(slozka_ / L"Zvukolet.exe"), Obsah(Vrbatec::Testy::CestaProgramu()));
    EXPECT_TRUE(fs::is_regular_file(slozka_ / L"Odinstalovat.exe"));
    EXPECT_EQ(Text(slozka_ / L"Zvukolet.xml"), seznam);
    EXPECT_EQ(Text(slozka_ / L"Záznam 2026-12-08.wav"), zaznam);
    EXPECT_EQ(Polozka(L"InstallLocation"), slozka_.wstring());
    EXPECT_TRUE(ExistujeKlic(kKlicZkousky)) << "an upgrade keeps the settings";
}

TEST_F(Instalator, SilentUninstallEndsTheProgramRemovesOnlyWhatItInstalledAndKeepsTheSettings) {
    ASSERT_EQ(InstalovatDoSlozky(), 0u);
    const std::string seznam = "<?xml version=\"1.0\"?><seznam-uzivatele/>";
    Zapsat(slozka_ / L"Zvukolet.xml", seznam);
    VytvoritKlic(kKlicZkousky);
    Proces program(L"", (slozka_ / L"Zvukolet.exe").wstring());
    ASSERT_NE(program.PockatNaOkno(kTrida, L"Zvukolet", kStart), nullptr);

    // The uninstaller goes on from a copy of itself and its first process ends at once.
    Proces odinstalator(L"/S", (slozka_ / L"Odinstalovat.exe").wstring());
    EXPECT_EQ(odinstalator.PockatNaKonec(kStart), 0u);
    EXPECT_TRUE(CekatNa(
        [&] {
            return !ExistujeKlic(kKlicOdinstalace) && !fs::exists(slozka_ / L"Odinstalovat.exe");
        },
        20000))
        << "the uninstaller did not finish";
    EXPECT_EQ(program.PockatNaKonec(0ms), 0u) << "the running copy was not ended by its exit";

    EXPECT_FALSE(fs::exists(slozka_ / L"Zvukolet.exe"));
    EXPECT_FALSE(fs::exists(zastupce_));
    EXPECT_EQ(Text(slozka_ / L"Zvukolet.xml"), seznam)
        << "the station list beside the program must stay";
    EXPECT_TRUE(ExistujeKlic(kKlicZkousky)) << "a silent uninstallation keeps the settings";
}

} // namespace
