// The real Zvukolet.exe under Wine: single instance, forwarding of command words, the
// start command, registration switches and the end of the process.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "e2e/Proces.h"
#include "res/resource.h"
#include "sources/KodekZdroju.h"
#include "support/Cekani.h"

namespace {

using namespace std::chrono_literals;
using Vrbatec::Testy::CekatNa;
using Vrbatec::Testy::CisloHlasitosti;
using Vrbatec::Testy::ObnovitNastaveni;
using Vrbatec::Testy::Proces;
using Vrbatec::Testy::TextPrvku;
using Vrbatec::Testy::TextStavovehoRadku;

constexpr wchar_t kTrida[] = L"ZvukoletHlavni";
constexpr wchar_t kPripraven[] = L"Zvukolet - připraven";
constexpr auto kStart = 20s;
constexpr wchar_t kKlicPolohy[] = L"Software\\Vrbatec\\Zvukolet\\2\\Parametry oken\\ZvukoletHlavni";

// Removes the program's data folders and gives back the topmost of them.
std::wstring BezDatoveSlozky() {
    PWSTR localAppData = nullptr;
    EXPECT_EQ(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &localAppData), S_OK);
    const std::wstring vrbatec = std::wstring(localAppData) + L"\\Vrbatec";
    CoTaskMemFree(localAppData);
    RemoveDirectoryW((vrbatec + L"\\Zvukolet\\2").c_str());
    RemoveDirectoryW((vrbatec + L"\\Zvukolet").c_str());
    RemoveDirectoryW(vrbatec.c_str());
    EXPECT_FALSE(PathFileExistsW(vrbatec.c_str()));
    return vrbatec;
}

class Spusteni : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FindWindowW(kTrida, nullptr), nullptr) << "a copy of the program still runs";
    }

    // Starts the program without arguments and waits for its main window.
    static HWND HlavniOkno(const Proces& proces) {
        return proces.PockatNaOkno(kTrida, L"Zvukolet", kStart);
    }

    // A fresh start: no placement of the main window is stored.
    static void ZapomenoutPolohu() {
        const LSTATUS stav = RegDeleteTreeW(HKEY_CURRENT_USER, kKlicPolohy);
        ASSERT_TRUE(stav == ERROR_SUCCESS || stav == ERROR_FILE_NOT_FOUND) << stav;
    }

    static void Zavrit(Proces& proces, HWND okno) {
        PostMessageW(okno, WM_CLOSE, 0, 0);
        EXPECT_EQ(proces.PockatNaKonec(kStart), 0u) << "WM_CLOSE must end the process with 0";
    }

    // Runs a short-lived start and checks that it never shows a window of its own.
    static DWORD KratkyBehBezOkna(const std::wstring& argumenty) {
        Proces proces(argumenty);
        bool oknoVidet = false;
        const auto konec = std::chrono::steady_clock::now() + kStart;
        while (proces.Bezi() && std::chrono::steady_clock::now() < konec) {
            oknoVidet = oknoVidet || proces.PockatNaOkno(nullptr, nullptr, 0ms) != nullptr;
            Sleep(5);
        }
        EXPECT_FALSE(oknoVidet) << argumenty;
        return proces.PockatNaKonec(0ms);
    }
};

TEST_F(Spusteni, MainWindowAppearsCentredAndReadyWithItsDataFolderAndClosesWithExitCodeZero) {
    ZapomenoutPolohu();
    const std::wstring vrbatec = BezDatoveSlozky();
    Proces program(L"");
    HWND okno = HlavniOkno(program);
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(PathIsDirectoryW((vrbatec + L"\\Zvukolet\\2").c_str()));
    MONITORINFO monitor{.cbSize = sizeof(MONITORINFO)};
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT oblast = monitor.rcWork;
    RECT obdelnik{};
    GetWindowRect(okno, &obdelnik);
    EXPECT_EQ(obdelnik.left, oblast.left + (oblast.right - oblast.left) / 2 - 260);
    EXPECT_EQ(obdelnik.top, oblast.top + (oblast.bottom - oblast.top) / 2 - 140);
    EXPECT_EQ(obdelnik.right - obdelnik.left, 520);
    EXPECT_EQ(obdelnik.bottom - obdelnik.top, 280);
    EXPECT_EQ(TextStavovehoRadku(okno), kPripraven) << "no start command was given";
    Zavrit(program, okno);
}

TEST_F(Spusteni, SecondCopyShowsTheMessageAndLeavesTheFirstAlone) {
    Proces prvni(L"");
    HWND okno = HlavniOkno(prvni);
    ASSERT_NE(okno, nullptr);

    Proces druhy(L"");
    HWND zprava = druhy.PockatNaOkno(L"#32770", L"Zvukolet", kStart);
    ASSERT_NE(zprava, nullptr) << "the second copy showed no message";
    EXPECT_EQ(TextPrvku(zprava, 0xFFFF), L"Tato aplikace je již spuštěna.");
    EXPECT_TRUE(druhy.Bezi()) << "the message waits for the user";
    PostMessageW(zprava, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(druhy.PockatNaKonec(kStart), 0u);

    EXPECT_TRUE(prvni.Bezi());
    EXPECT_TRUE(IsWindow(okno));
    Zavrit(prvni, okno);
}

// What the status bar says once the window has reported a command (or the ready text after
// a while).
std::wstring PrijatyPrikaz(HWND okno) {
    std::wstring text;
    for (int pokus = 0; pokus < 50 && (text.empty() || text == kPripraven); ++pokus) {
        Sleep(10);
        text = TextStavovehoRadku(okno);
    }
    return text;
}

TEST_F(Spusteni, CommandWordsReachTheRunningCopyWithoutAnyWindowAndExitEndsIt) {
    Proces program(L"");
    HWND okno = HlavniOkno(program);
    ASSERT_NE(okno, nullptr);

    // "hm" raises the volume by the default step, which the control panel shows.
    ASSERT_EQ(CisloHlasitosti(okno), L"50");
    EXPECT_EQ(KratkyBehBezOkna(L"hm"), 0u);
    CekatNa([&] { return CisloHlasitosti(okno) == L"52"; }, 1000);
    EXPECT_EQ(CisloHlasitosti(okno), L"52");

    PostMessageW(okno, WM_COMMAND, 40001, 0);
    EXPECT_EQ(program.PockatNaKonec(kStart), 0u);
    ObnovitNastaveni();
}

TEST_F(Spusteni, WithoutRunningCopyOnlyKeptWordsBecomeTheStartCommand) {
    {
        Proces program(L"sp");
        HWND okno = HlavniOkno(program);
        ASSERT_NE(okno, nullptr);
        // The empty list of a fresh prefix has no source to play, and the box says so.
        const HWND box = program.PockatNaOkno(L"#32770", L"Zvukolet", kStart);
        ASSERT_NE(box, nullptr) << "no message about the missing source";
        EXPECT_EQ(TextPrvku(box, 0xFFFF), L"Index položky je mimo rozsah pole");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        Zavrit(program, okno);
    }
    for (const wchar_t* argumenty : {L"zz", L"\"sp \""}) {
        Proces program(argumenty);
        HWND okno = HlavniOkno(program);
        ASSERT_NE(okno, nullptr) << argumenty;
        EXPECT_EQ(PrijatyPrikaz(okno), kPripraven) << argumenty;
        EXPECT_EQ(program.PockatNaOkno(L"#32770", L"Zvukolet", 0ms), nullptr) << argumenty;
        Zavrit(program, okno);
    }
}

TEST_F(Spusteni, RegistrationSwitchesEndWithSuccessAndNoWindow) {
    for (const wchar_t* prepinac : {L"/RegServer", L"-UnregServerPerUser"}) {
        EXPECT_EQ(KratkyBehBezOkna(prepinac), 0u) << prepinac;
    }
}

TEST_F(Spusteni, FromARemovableDriveNothingIsCreatedUnderLocalApplicationData) {
    // The test environment maps R: to a folder that Wine reports as a removable drive.
    ASSERT_EQ(GetDriveTypeW(L"R:\\"), static_cast<UINT>(DRIVE_REMOVABLE));
    const std::wstring naVymenne = L"R:\\Zvukolet.exe";
    ASSERT_TRUE(CopyFileW(Vrbatec::Testy::CestaProgramu().c_str(), naVymenne.c_str(), FALSE));
    const std::wstring vrbatec = BezDatoveSlozky();
    {
        Proces program(L"", naVymenne);
        HWND okno = HlavniOkno(program);
        ASSERT_NE(okno, nullptr);
        Zavrit(program, okno);
    }
    EXPECT_FALSE(PathFileExistsW(vrbatec.c_str()));
    DeleteFileW(naVymenne.c_str());
}

TEST_F(Spusteni, FirstRunAsksOnceAndShowsTheListAlreadyBesideTheProgramWithoutRewritingIt) {
    // A copy carried on a stick with its own list: choosing the program's folder must show that
    // list, and nothing may write the list the program found at the default place over it.
    const std::wstring naVymenne = L"R:\\Zvukolet.exe";
    const std::filesystem::path seznam = L"R:\\Zvukolet.xml";
    ASSERT_TRUE(CopyFileW(Vrbatec::Testy::CestaProgramu().c_str(), naVymenne.c_str(), FALSE));
    const std::vector<std::uint8_t> bajty = Vrbatec::KodekZdroju::ZakodovatNaBajty(
        std::vector<Vrbatec::Zdroj>{{L"Rádio ze zásuvky", L"http://disk.example/", -1, true}});
    std::ofstream(seznam, std::ios::binary)
        .write(reinterpret_cast<const char*>(bajty.data()),
               static_cast<std::streamsize>(bajty.size()));
    const wchar_t kTitulek[] = L"První spuštění aplikace \"Zvukolet\"";
    {
        Proces program(L"", naVymenne, true);
        HWND okno = HlavniOkno(program);
        ASSERT_NE(okno, nullptr);
        const HWND dialog = program.PockatNaOkno(L"#32770", kTitulek, kStart);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(TextPrvku(dialog, IDC_NADPIS_VITEJTE), L"Vítejte v aplikaci \"Zvukolet\"");
        // Esc: the choice is stored exactly as with "Zavřít".
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        const HWND combo =
            GetDlgItem(FindWindowExW(okno, nullptr, L"ReBarWindow32", nullptr), IDC_COMBO_ZDROJU);
        EXPECT_TRUE(CekatNa([&] { return SendMessageW(combo, CB_GETCOUNT, 0, 0) == 1; }, 5000));
        wchar_t soubor[MAX_PATH] = {};
        DWORD velikost = sizeof(soubor);
        EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, Vrbatec::Testy::kKlicZdroju, L"soubor",
                               RRF_RT_REG_SZ, nullptr, soubor, &velikost),
                  ERROR_SUCCESS);
        EXPECT_EQ(std::wstring(soubor), seznam.wstring());
        Zavrit(program, okno);
    }
    std::ifstream cteni(seznam, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(cteni), {}), bajty);
    cteni.close();
    {
        Proces program(L"", naVymenne);
        HWND okno = HlavniOkno(program);
        ASSERT_NE(okno, nullptr);
        EXPECT_EQ(program.PockatNaOkno(L"#32770", kTitulek, 1500ms), nullptr);
        Zavrit(program, okno);
    }
    DeleteFileW(seznam.c_str());
    DeleteFileW(naVymenne.c_str());
    ObnovitNastaveni();
}

} // namespace
