// The shortcuts of the real Zvukolet.exe reach its main window whichever of its controls has
// the focus. A key of each kind of the accelerator table (a letter with Ctrl, a key that is no
// letter, a numpad key, two modifiers) is pressed as on a keyboard, through the X server, with
// the focus in each control that can take it. The toolbar is not among the controls: a click on
// it leaves the focus where it was.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "e2e/Proces.h"
#include "res/resource.h"
#include "support/Cekani.h"

namespace {

using namespace std::chrono_literals;
using namespace Vrbatec::Testy;

constexpr wchar_t kKlicKopie[] = L"Software\\Wine\\AppDefaults\\Zvukolet-zkratky.exe";
constexpr wchar_t kKlicHorkychKlaves[] = L"Software\\Vrbatec\\Zvukolet\\2\\Horke klavesy";
constexpr DWORD kLimit = 5000;

// The title of the process's open dialog or message box; nothing without one.
std::wstring TitulekDialogu(const Proces& proces, HWND) {
    wchar_t text[256] = {};
    GetWindowTextW(proces.PockatNaOkno(L"#32770", nullptr, 0ms), text, 256);
    return text;
}

// A key as xdotool names it, what it is seen to change, and the button that closes the dialog
// it opens (0 for none). The end of the program comes last.
struct Zkratka {
    const wchar_t* klavesy;
    std::wstring (*pozorovat)(const Proces&, HWND okno);
    int zavrit;
};

constexpr Zkratka kZkratky[] = {
    {L"ctrl+o", TitulekDialogu, IDCANCEL},
    // The question whether to remove the selected source; the answer keeps it.
    {L"Delete", TitulekDialogu, IDNO},
    {L"KP_Subtract", [](const Proces&, HWND okno) { return CisloHlasitosti(okno); }, 0},
    {L"ctrl+alt+x",
     [](const Proces& proces, HWND) { return std::wstring(proces.Bezi() ? L"" : L"konec"); }, 0},
};

// The source list, the sources' combo box, the volume slider and the mute box.
constexpr HWND (*kPrvky[])(HWND) = {
    [](HWND okno) { return GetDlgItem(okno, IDC_SEZNAM_ZDROJU); },
    [](HWND okno) { return GetDlgItem(GetDlgItem(okno, IDC_REBAR), IDC_COMBO_ZDROJU); },
    [](HWND okno) { return GetDlgItem(OvladaciPanel(okno), IDC_HLASITOST); },
    [](HWND okno) { return GetDlgItem(OvladaciPanel(okno), IDC_ZTLUMIT); },
};

class Zkratky : public testing::Test {
protected:
    // A list of one source, selected, so that Delete has one to ask about; the volume in the
    // middle, so that a step changes it. The program runs as a copy of a name of its own whose
    // windows Wine manages itself: handed to the missing window manager, every closed dialog
    // would hold the main window back for two seconds.
    void SetUp() override {
        ASSERT_EQ(FindWindowW(L"ZvukoletHlavni", nullptr), nullptr) << "a copy still runs";
        slozka_ = DocasnaSlozka(L"zvukolet-zkratky-");
        ASSERT_NO_FATAL_FAILURE(
            NastavitSeznam(slozka_, {L"Tón", (slozka_ / L"ton.wav").wstring()}));
        const DWORD hlasitost = 50;
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKlicPrehravace, L"hlasitost", REG_DWORD,
                                  &hlasitost, sizeof(hlasitost)),
                  ERROR_SUCCESS);
        ASSERT_TRUE(CopyFileW(CestaProgramu().c_str(), Kopie().c_str(), FALSE));
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER,
                                  (std::wstring(kKlicKopie) + L"\\X11 Driver").c_str(), L"Managed",
                                  REG_SZ, L"N", 2 * sizeof(wchar_t)),
                  ERROR_SUCCESS);
    }

    void TearDown() override {
        ObnovitNastaveni();
        RegDeleteTreeW(HKEY_CURRENT_USER, kKlicHorkychKlaves);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKlicKopie);
        std::error_code chyba;
        std::filesystem::remove_all(slozka_, chyba);
    }

    std::wstring Kopie() const { return (slozka_ / L"Zvukolet-zkratky.exe").wstring(); }

    // The focus as a click into the control leaves it, without what the click itself would do
    // there. The main window stays the foreground one, where the keys go; a dialog that has
    // just closed gives it back a moment later.
    static void DatFokus(HWND okno, HWND prvek) {
        const DWORD vlakno = GetWindowThreadProcessId(okno, nullptr);
        GUITHREADINFO info{.cbSize = sizeof(GUITHREADINFO)};
        ASSERT_TRUE(CekatNa(
            [&] {
                SetForegroundWindow(okno);
                if (AttachThreadInput(GetCurrentThreadId(), vlakno, TRUE)) {
                    SetFocus(prvek);
                    AttachThreadInput(GetCurrentThreadId(), vlakno, FALSE);
                }
                return GetForegroundWindow() == okno && GetGUIThreadInfo(vlakno, &info) &&
                       info.hwndFocus == prvek;
            },
            kLimit));
    }

    // The keys go in through the X server (XTEST), as from a keyboard. Wine brings its key
    // state in line with the server's whenever one of its windows gets the X focus, so a
    // modifier put in by SendInput, which the server never saw, may be let go in the middle of
    // a shortcut. xdotool, a program of the host, gives Windows no process handle to wait on:
    // it writes its exit code into a file (Wine shows the Unix root as drive Z:).
    static void Stisknout(HWND okno, const wchar_t* klavesy) {
        const auto xid = reinterpret_cast<UINT_PTR>(GetPropW(okno, L"__wine_x11_whole_window"));
        ASSERT_NE(xid, 0u) << "the window has no X window";
        const std::wstring kod = L"/tmp/zvukolet-xdotool-" + std::to_wstring(GetCurrentProcessId());
        const std::filesystem::path kodZ = L"Z:" + kod;
        std::error_code chyba;
        std::filesystem::remove(kodZ, chyba); // what a run cut off by the time limit left
        std::wstring prikaz = L"Z:\\bin\\sh -c \"exec >/dev/null 2>&1; timeout 5 xdotool "
                              L"windowfocus --sync " +
                              std::to_wstring(xid) + L" key " + klavesy + L"; echo $? >" + kod +
                              L".tmp; mv " + kod + L".tmp " + kod + L"\"";
        STARTUPINFOW start{.cb = sizeof(STARTUPINFOW)};
        PROCESS_INFORMATION info{};
        ASSERT_TRUE(CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &start, &info))
            << GetLastError();
        ASSERT_TRUE(CekatNa([&] { return std::filesystem::exists(kodZ); }, 2 * kLimit))
            << "xdotool did not finish";
        std::string vysledek;
        std::ifstream(kodZ) >> vysledek;
        std::filesystem::remove(kodZ);
        ASSERT_EQ(vysledek, "0") << "xdotool failed";
    }

    std::filesystem::path slozka_;
};

TEST_F(Zkratky, ShortcutsReachTheMainWindowFromEveryControlThatTakesTheFocus) {
    for (std::size_t i = 0; i < std::size(kPrvky); ++i) {
        SCOPED_TRACE("control " + std::to_string(i));
        Proces proces(L"", Kopie());
        const HWND okno = proces.PockatNaOkno(L"ZvukoletHlavni", L"Zvukolet", 20s);
        ASSERT_NE(okno, nullptr);
        const HWND prvek = kPrvky[i](okno);
        ASSERT_NE(prvek, nullptr);
        for (const Zkratka& zkratka : kZkratky) {
            SCOPED_TRACE(testing::PrintToString(std::wstring(zkratka.klavesy)));
            ASSERT_NO_FATAL_FAILURE(DatFokus(okno, prvek));
            const std::wstring pred = zkratka.pozorovat(proces, okno);
            ASSERT_NO_FATAL_FAILURE(Stisknout(okno, zkratka.klavesy));
            // Only a change counts: a state that held before the key proves nothing.
            ASSERT_TRUE(CekatNa([&] { return zkratka.pozorovat(proces, okno) != pred; }, kLimit))
                << "still " << testing::PrintToString(pred);
            if (zkratka.zavrit != 0) {
                PostMessageW(proces.PockatNaOkno(L"#32770", nullptr, 0ms), WM_COMMAND,
                             zkratka.zavrit, 0);
                ASSERT_TRUE(CekatNa([&] { return TitulekDialogu(proces, okno).empty(); }, kLimit));
            }
        }
        EXPECT_EQ(proces.PockatNaKonec(0ms), 0u);
    }
}

// A hotkey of the table runs its command while a window of another program has the focus: the
// system hands it to the program, not the keyboard focus. Ctrl+Shift+U is no shortcut of the
// program's own.
TEST_F(Zkratky, AGlobalHotkeyRunsItsCommandWhileAnotherProgramHasTheFocus) {
    const DWORD zaznam[4] = {MOD_CONTROL | MOD_SHIFT, 'U', ID_ZVYSIT_HLASITOST, 0};
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kKlicHorkychKlaves, L"40020", REG_BINARY, zaznam,
                              sizeof(zaznam)),
              ERROR_SUCCESS);
    Proces proces(L"", Kopie());
    const HWND okno = proces.PockatNaOkno(L"ZvukoletHlavni", L"Zvukolet", 20s);
    ASSERT_NE(okno, nullptr);
    const HWND jine = CreateWindowExW(0, L"STATIC", L"jiný program", WS_POPUP | WS_VISIBLE, 600,
                                      600, 100, 50, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(jine, nullptr);
    ASSERT_TRUE(
        CekatNa([&] { return GetPropW(jine, L"__wine_x11_whole_window") != nullptr; }, kLimit));
    const std::wstring pred = CisloHlasitosti(okno);
    ASSERT_NO_FATAL_FAILURE(Stisknout(jine, L"ctrl+shift+u"));
    EXPECT_TRUE(CekatNa([&] { return CisloHlasitosti(okno) != pred; }, kLimit))
        << "still " << testing::PrintToString(pred);
    DestroyWindow(jine);
    PostMessageW(okno, WM_CLOSE, 0, 0);
    EXPECT_EQ(proces.PockatNaKonec(20s), 0u);
}

} // namespace
