// The shortcuts of the real Zvukolet.exe reach its main window whichever of its controls has
// the focus. Every key of the accelerator table is pressed as on a keyboard (through the X
// server), with the focus in each control that can take it, and what the command does is
// watched in the program. The toolbar is not among the controls: a click on it, on a button or
// beside them, leaves the focus where it was.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "e2e/Proces.h"
#include "res/resource.h"
#include "sources/KodekZdroju.h"
#include "support/Cekani.h"

namespace {

using namespace std::chrono_literals;
using namespace Vrbatec::Testy;

constexpr wchar_t kTrida[] = L"ZvukoletHlavni";
constexpr wchar_t kKlicZdroju[] = L"Software\\Vrbatec\\Zvukolet\\2\\Zdroje";
constexpr wchar_t kKlicStavu[] = L"Software\\Vrbatec\\Zvukolet\\2\\Stav aplikace";
constexpr wchar_t kKlicPrehravace[] = L"Software\\Vrbatec\\Zvukolet\\2\\Mediaplayer";
constexpr wchar_t kKopie[] = L"Zvukolet-zkratky.exe";
constexpr wchar_t kKlicKopie[] = L"Software\\Wine\\AppDefaults\\Zvukolet-zkratky.exe";
constexpr wchar_t kKlicBezSpravce[] =
    L"Software\\Wine\\AppDefaults\\Zvukolet-zkratky.exe\\X11 Driver";
constexpr wchar_t kNazevZdroje[] = L"Tón 440 Hz";
constexpr wchar_t kPripraven[] = L"Zvukolet - připraven";
constexpr DWORD kLimit = 5000;

// The program that runs and its main window.
struct Program {
    Proces& proces;
    HWND okno;
};

HWND Dialog(const Program& program) {
    return program.proces.PockatNaOkno(L"#32770", nullptr, 0ms);
}

// The text of a control of the process's open dialog or message box; nothing without one.
std::wstring TextDialogu(const Program& program, int id) {
    const HWND dialog = Dialog(program);
    return dialog != nullptr ? TextPrvku(dialog, id) : L"";
}

std::wstring Titulek(HWND okno) {
    wchar_t text[256] = {};
    GetWindowTextW(okno, text, 256);
    return text;
}

void ZavritDialog(const Program& program, int tlacitko) {
    PostMessageW(Dialog(program), WM_COMMAND, tlacitko, 0);
    EXPECT_TRUE(CekatNa([&] { return Dialog(program) == nullptr; }, kLimit));
}

HWND ZaskrtavatkoZtlumeni(HWND okno) {
    return GetDlgItem(OvladaciPanel(okno), IDC_ZTLUMIT);
}

using Podminka = std::function<bool(const std::wstring& pred, const std::wstring& po)>;

// Only a change counts: a state that held before the key proves nothing.
Podminka StaneSe(std::wstring ocekavano) {
    return [ocekavano](const std::wstring& pred, const std::wstring& po) {
        return pred != ocekavano && po == ocekavano;
    };
}

Podminka Zmeni() {
    return [](const std::wstring& pred, const std::wstring& po) { return po != pred; };
}

template <class Porovnani>
Podminka ZmeniCislo(Porovnani porovnani) {
    return [porovnani](const std::wstring& pred, const std::wstring& po) {
        return porovnani(std::stoi(po), std::stoi(pred));
    };
}

// A shortcut of the accelerator table, what it is seen to change, and when the change is the
// command's.
struct Zkratka {
    const char* nazev;
    const wchar_t* klavesy; // as xdotool names them
    std::function<std::wstring(const Program&)> pozorovat;
    Podminka splneno;
    std::function<void(const Program&)> pripravit = {};
    std::function<void(const Program&)> uklidit = {};
};

// In the order they are pressed: stop after start, the end of the program last.
const std::vector<Zkratka>& TabulkaZkratek() {
    static const std::vector<Zkratka> zkratky{
        {.nazev = "Ctrl+O",
         .klavesy = L"ctrl+o",
         .pozorovat = [](const Program& p) { return Titulek(Dialog(p)); },
         .splneno = StaneSe(L"Zvukolet - Otevřít URL/soubor"),
         .uklidit = [](const Program& p) { ZavritDialog(p, IDCANCEL); }},
        {.nazev = "Insert",
         .klavesy = L"Insert",
         .pozorovat = [](const Program& p) { return TextDialogu(p, IDC_NAZEV_ZDROJE); },
         .splneno = StaneSe(L"Nový zdroj"),
         .uklidit = [](const Program& p) { ZavritDialog(p, IDCANCEL); }},
        {.nazev = "F2",
         .klavesy = L"F2",
         .pozorovat = [](const Program& p) { return TextDialogu(p, IDC_NAZEV_ZDROJE); },
         .splneno = StaneSe(kNazevZdroje),
         .uklidit = [](const Program& p) { ZavritDialog(p, IDCANCEL); }},
        {.nazev = "Delete",
         .klavesy = L"Delete",
         .pozorovat = [](const Program& p) { return TextDialogu(p, 0xFFFF); },
         .splneno = StaneSe(std::wstring(L"Opravdu chcete \"") + kNazevZdroje +
                            L"\" trvale odebrat ze seznamu?"),
         // The answer that keeps the source.
         .uklidit = [](const Program& p) { ZavritDialog(p, IDNO); }},
        {.nazev = "F4",
         .klavesy = L"F4",
         .pozorovat = [](const Program& p) { return TextStavovehoRadku(p.okno); },
         .splneno = StaneSe(L"Zobrazit okno předvoleb: tato funkce zatím není k dispozici."),
         // A closed menu brings the ready text back, so that the hint is seen to come anew.
         .pripravit =
             [](const Program& p) {
                 PostMessageW(p.okno, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
                 EXPECT_TRUE(CekatNa([&] { return TextStavovehoRadku(p.okno) == kPripraven; }));
             }},
        {.nazev = "Ctrl+Z",
         .klavesy = L"ctrl+z",
         .pozorovat =
             [](const Program& p) {
                 return std::to_wstring(
                     SendMessageW(ZaskrtavatkoZtlumeni(p.okno), BM_GETCHECK, 0, 0));
             },
         .splneno = Zmeni()},
        {.nazev = "Num -",
         .klavesy = L"KP_Subtract",
         .pozorovat = [](const Program& p) { return CisloHlasitosti(p.okno); },
         .splneno = ZmeniCislo(std::less<int>())},
        {.nazev = "Num +",
         .klavesy = L"KP_Add",
         .pozorovat = [](const Program& p) { return CisloHlasitosti(p.okno); },
         .splneno = ZmeniCislo(std::greater<int>())},
        {.nazev = "Play/Pause",
         .klavesy = L"XF86AudioPlay",
         .pozorovat = [](const Program& p) { return Titulek(p.okno); },
         .splneno = StaneSe(std::wstring(kNazevZdroje) + L" - Zvukolet")},
        {.nazev = "Stop",
         .klavesy = L"XF86AudioStop",
         .pozorovat = [](const Program& p) { return Titulek(p.okno); },
         .splneno = StaneSe(L"Zvukolet")},
        {.nazev = "Ctrl+Alt+X",
         .klavesy = L"ctrl+alt+x",
         .pozorovat = [](const Program& p) { return std::to_wstring(p.proces.PockatNaKonec(0ms)); },
         .splneno = StaneSe(L"0")},
    };
    return zkratky;
}

struct Prvek {
    const char* nazev;
    HWND (*najit)(HWND okno);
};

constexpr Prvek kPrvky[] = {
    {"source list", [](HWND okno) { return GetDlgItem(okno, IDC_SEZNAM_ZDROJU); }},
    {"sources combo box",
     [](HWND okno) { return GetDlgItem(GetDlgItem(okno, IDC_REBAR), IDC_COMBO_ZDROJU); }},
    {"volume slider", [](HWND okno) { return GetDlgItem(OvladaciPanel(okno), IDC_HLASITOST); }},
    {"mute box", ZaskrtavatkoZtlumeni},
};

// The path of a file as programs of the host see it; nothing when it has none.
std::wstring UnixovaCesta(const std::filesystem::path& cesta) {
    using Prevod = char*(CDECL*)(const wchar_t*);
    const auto prevod = reinterpret_cast<Prevod>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unixova = prevod != nullptr ? prevod(cesta.c_str()) : nullptr;
    if (unixova == nullptr) {
        return L"";
    }
    wchar_t siroka[MAX_PATH * 4] = {};
    MultiByteToWideChar(CP_UTF8, 0, unixova, -1, siroka, MAX_PATH * 4);
    HeapFree(GetProcessHeap(), 0, unixova);
    return siroka;
}

void NastavitRetezec(const wchar_t* klic, const wchar_t* nazev, const std::wstring& hodnota) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, klic, nazev, REG_SZ, hodnota.c_str(),
                              static_cast<DWORD>((hodnota.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

void NastavitCislo(const wchar_t* klic, const wchar_t* nazev, DWORD hodnota) {
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, klic, nazev, REG_DWORD, &hodnota, sizeof(hodnota)),
              ERROR_SUCCESS);
}

class Zkratky : public testing::Test {
protected:
    // A list of one source, chosen as the last played one, so that the commands that need a
    // selected source have one (its file need not exist: the title names the source as soon as
    // it is started); the volume in the middle, so that both steps change it. The program runs
    // as a copy of a name of its own whose windows Wine manages itself: handed to the missing
    // window manager, every closed dialog would hold the main window back for two seconds.
    void SetUp() override {
        ASSERT_EQ(FindWindowW(kTrida, nullptr), nullptr) << "a copy of the program still runs";
        wchar_t docasna[MAX_PATH];
        GetTempPathW(MAX_PATH, docasna);
        slozka_ = std::filesystem::path(docasna) /
                  (L"zvukolet-zkratky-" + std::to_wstring(GetCurrentProcessId()));
        std::filesystem::create_directories(slozka_);
        const std::vector<Vrbatec::Zdroj> zdroje{
            {kNazevZdroje, (slozka_ / L"ton.wav").wstring(), Vrbatec::kBezVlastniHlasitosti, true}};
        const auto bajty = Vrbatec::KodekZdroju::ZakodovatNaBajty(zdroje);
        std::ofstream(slozka_ / L"seznam.xml", std::ios::binary)
            .write(reinterpret_cast<const char*>(bajty.data()),
                   static_cast<std::streamsize>(bajty.size()));
        NastavitRetezec(kKlicZdroju, L"soubor", (slozka_ / L"seznam.xml").wstring());
        NastavitCislo(kKlicStavu, L"prehravanyIndex", 0);
        NastavitCislo(kKlicPrehravace, L"hlasitost", 50);
        ASSERT_TRUE(CopyFileW(CestaProgramu().c_str(), Kopie().c_str(), FALSE));
        NastavitRetezec(kKlicBezSpravce, L"Managed", L"N");
    }

    std::wstring Kopie() const { return (slozka_ / kKopie).wstring(); }

    // The other whole-program tests expect the default list and volume again.
    void TearDown() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicZdroju, L"soubor");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicStavu, L"prehravanyIndex");
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kKlicPrehravace, L"hlasitost");
        RegDeleteTreeW(HKEY_CURRENT_USER, kKlicKopie);
        std::error_code chyba;
        std::filesystem::remove_all(slozka_, chyba);
    }

    // The focus as a click into the control leaves it, without what the click itself would
    // do there (drop the list, move the slider, tick the box). The main window stays the
    // foreground one, where the keys go.
    static void DatFokus(const Program& program, HWND prvek) {
        const DWORD vlakno = GetWindowThreadProcessId(program.okno, nullptr);
        GUITHREADINFO info{.cbSize = sizeof(GUITHREADINFO)};
        // A dialog that has just closed gives the window back a moment later.
        ASSERT_TRUE(CekatNa(
            [&] {
                SetForegroundWindow(program.okno);
                if (AttachThreadInput(GetCurrentThreadId(), vlakno, TRUE)) {
                    SetFocus(prvek);
                    AttachThreadInput(GetCurrentThreadId(), vlakno, FALSE);
                }
                return GetForegroundWindow() == program.okno && GetGUIThreadInfo(vlakno, &info) &&
                       info.hwndFocus == prvek;
            },
            kLimit));
    }

    // The keys go in through the X server (XTEST), as from a keyboard. Wine brings its key
    // state in line with the server's whenever one of its windows gets the X focus, so a
    // modifier put in by SendInput, which the server never saw, may be let go in the middle of
    // a shortcut. The X focus goes to the main window first. xdotool, a program of the host,
    // gives Windows no process handle to wait on: it writes its exit code into a file.
    void Stisknout(HWND okno, const wchar_t* klavesy) const {
        const auto xid = reinterpret_cast<UINT_PTR>(GetPropW(okno, L"__wine_x11_whole_window"));
        ASSERT_NE(xid, 0u) << "the window has no X window";
        const std::filesystem::path kod = slozka_ / L"xdotool.kod";
        const std::wstring unixovyKod = UnixovaCesta(kod);
        ASSERT_FALSE(unixovyKod.empty());
        const std::wstring skript = L"exec >/dev/null 2>&1; timeout 5 xdotool windowfocus --sync " +
                                    std::to_wstring(xid) + L" key " + klavesy + L"; echo $? >'" +
                                    unixovyKod + L".tmp'; mv '" + unixovyKod + L".tmp' '" +
                                    unixovyKod + L"'";
        std::wstring prikaz = L"Z:\\bin\\sh -c \"" + skript + L"\"";
        std::error_code chyba;
        std::filesystem::remove(kod, chyba); // what a run cut off by the time limit left
        STARTUPINFOW start{.cb = sizeof(STARTUPINFOW)};
        PROCESS_INFORMATION info{};
        ASSERT_TRUE(CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &start, &info))
            << GetLastError();
        ASSERT_TRUE(CekatNa([&] { return std::filesystem::exists(kod); }, 2 * kLimit))
            << "xdotool did not finish";
        std::string vysledek;
        std::ifstream(kod) >> vysledek;
        std::filesystem::remove(kod);
        ASSERT_EQ(vysledek, "0") << "xdotool failed";
    }

    std::filesystem::path slozka_;
};

TEST_F(Zkratky, EveryShortcutReachesTheMainWindowFromEveryControlThatTakesTheFocus) {
    for (const Prvek& prvek : kPrvky) {
        SCOPED_TRACE(prvek.nazev);
        Proces proces(L"", Kopie());
        const Program program{proces, proces.PockatNaOkno(kTrida, L"Zvukolet", 20s)};
        ASSERT_NE(program.okno, nullptr);
        const HWND hwnd = prvek.najit(program.okno);
        ASSERT_NE(hwnd, nullptr);
        for (const Zkratka& zkratka : TabulkaZkratek()) {
            SCOPED_TRACE(zkratka.nazev);
            if (zkratka.pripravit) {
                zkratka.pripravit(program);
            }
            ASSERT_NO_FATAL_FAILURE(DatFokus(program, hwnd));
            const std::wstring pred = zkratka.pozorovat(program);
            ASSERT_NO_FATAL_FAILURE(Stisknout(program.okno, zkratka.klavesy));
            std::wstring po;
            const bool splneno = CekatNa(
                [&] {
                    po = zkratka.pozorovat(program);
                    return zkratka.splneno(pred, po);
                },
                kLimit);
            EXPECT_TRUE(splneno) << "before: " << testing::PrintToString(pred)
                                 << ", after: " << testing::PrintToString(po);
            if (splneno && zkratka.uklidit) {
                zkratka.uklidit(program);
            }
        }
    }
}

} // namespace
