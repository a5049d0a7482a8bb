// Starting the real Zvukolet.exe from a test and watching what it does.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "sources/Zdroj.h"
#include "winapi/Handle.h"

namespace Vrbatec::Testy {

// The settings that the whole-program tests give values of their own: the list file ("soubor"),
// the last played source ("prehravanyIndex") and the volume ("hlasitost").
inline constexpr wchar_t kKlicZdroju[] = L"Software\\Vrbatec\\Zvukolet\\2\\Zdroje";
inline constexpr wchar_t kKlicStavu[] = L"Software\\Vrbatec\\Zvukolet\\2\\Stav aplikace";
inline constexpr wchar_t kKlicPrehravace[] = L"Software\\Vrbatec\\Zvukolet\\2\\Mediaplayer";
inline constexpr wchar_t kKlicZaznamu[] = L"Software\\Vrbatec\\Zvukolet\\2\\Zaznam";
inline constexpr wchar_t kKorenNastaveni[] = L"Software\\Vrbatec\\Zvukolet\\2";

// A new folder of this test process in the temporary folder, named with the prefix.
std::filesystem::path DocasnaSlozka(const wchar_t* predpona);

// Makes a list of the sources, written into the folder, the program's list, with the first
// chosen as the last played one; the test fails when it cannot.
void NastavitSeznam(const std::filesystem::path& slozka, const std::vector<Zdroj>& zdroje);
inline void NastavitSeznam(const std::filesystem::path& slozka, const Zdroj& zdroj) {
    NastavitSeznam(slozka, std::vector<Zdroj>{zdroj});
}
// Recording into the folder from the device through the WAV profile, and what the start command
// does ("priSpusteni"); the test fails when it cannot.
void NastavitZaznam(const std::filesystem::path& slozka, const std::wstring& zarizeni,
                    DWORD priSpusteni);
// The default list, volume and recording settings again, which the other whole-program tests
// expect.
void ObnovitNastaveni();

// A path the build passes (a Unix one) as Windows sees it.
std::wstring CestaWindows(std::wstring cesta);
// The program's path as Windows sees it.
std::wstring CestaProgramu();

class Proces {
public:
    // Starts the program with the given arguments; the test fails when it cannot. The settings
    // root is made first, so that the program starts as it does for a user who has run it
    // before; a first run removes every setting instead.
    explicit Proces(const std::wstring& argumenty, const std::wstring& cesta = CestaProgramu(),
                    bool prvniSpusteni = false);
    ~Proces(); // ends the process if it still runs
    Proces(const Proces&) = delete;
    Proces& operator=(const Proces&) = delete;

    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD PockatNaKonec(std::chrono::milliseconds limit);
    bool Bezi() const;

    // The visible top-level window of the process with the class (and title, when given).
    HWND PockatNaOkno(const wchar_t* trida, const wchar_t* titulek,
                      std::chrono::milliseconds limit) const;

private:
    WinApi::UniqueHandle proces_;
    WinApi::UniqueHandle vlakno_;
    DWORD id_ = 0;
};

// The text of a child control of a window in another process.
std::wstring TextPrvku(HWND okno, int id);
// The control panel in the main window's rebar, and the number beside its volume slider.
HWND OvladaciPanel(HWND okno);
std::wstring CisloHlasitosti(HWND okno);
// The text of the main window's status bar (its last part), read from the program's memory.
std::wstring TextStavovehoRadku(HWND okno);
// The lines of a list box in another process.
std::vector<std::wstring> RadkySeznamu(HWND seznam);

} // namespace Vrbatec::Testy
