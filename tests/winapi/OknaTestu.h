// Windows and objects shared by the tests on real windows: a parent window that reflects and
// passes notifications on as the program's windows do, a window object that records its
// messages, a way to work a modal dialog from a timer that fires inside its loop, and a way to
// watch the fatal path from a thread of its own.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "winapi/Okno.h"

namespace Vrbatec {
class PohledyZdroju;
}

namespace Vrbatec::Testy {

inline constexpr UINT kZpravaTestu = WM_APP + 7;

// A hidden top-level window whose handler reflects notifications first, as the program's do.
class RodicTestu final : public WinApi::Okno {
public:
    explicit RodicTestu(SIZE velikost = {400, 300});
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

    // Creates a visible child of a class of the system at (10, 10) with 200 × 100.
    HWND VytvoritDite(const wchar_t* trida, int id, DWORD styl = 0, const wchar_t* text = L"");

    std::vector<WORD> prikazy; // unreflected WM_COMMANDs from menus and accelerators
    // Given the list's notifications and the combo's changes, as the main window passes them.
    PohledyZdroju* pohledy = nullptr;
};

// Records every message; answers those given in odpovedi with the given result.
class ZaznamZprav : public WinApi::OknoImpl {
public:
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;
    void PoPosledniZprave() override;

    int Pocet(UINT zprava) const;

    std::map<UINT, LRESULT> odpovedi;
    // Runs inside the handler for a message, before the answer is chosen.
    std::map<UINT, std::function<void(HWND)>> akce;
    std::vector<MSG> zpravy;
    int poPosledniZprave = 0;
    bool hwndPrazdnyPoPosledniZprave = false;
};

// A dialog template in memory, 200 × 100 dialog units, with the first `prvku` of: an edit
// (kEditSablony), a push button (kTlacitkoSablony), OK with BS_NOTIFY (the default button) and
// Cancel, all tab stops.
inline constexpr WORD kEditSablony = 100;
inline constexpr WORD kTlacitkoSablony = 101;
struct SablonaDialogu {
    explicit SablonaDialogu(DWORD styl, WORD prvku = 4);
    const DLGTEMPLATE* Sablona() const { return reinterpret_cast<const DLGTEMPLATE*>(data.data()); }

    std::vector<WORD> data; // words keep the alignment that the template needs
};

// The text of the window's procedure chain for WM_GETTEXT.
std::wstring TextOkna(HWND okno);

inline std::wstring TextPrvku(HWND dialog, int id) {
    return TextOkna(::GetDlgItem(dialog, id));
}

inline void Kliknout(HWND dialog, int id) {
    ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Dispatches what is waiting, a few rounds so that what the handlers post is handled too; a
// quit message stays in the queue.
void ZpracovatCekajiciZpravy();

// The icons, product name and instance that the program's windows and dialogs take.
void PripravitProstredkyAplikace();

[[noreturn]] void ChybaIndexu(std::int32_t kod);

// Runs the work on the first dialog that shows; the work must end it. One left open is ended
// with IDABORT, and the test fails.
class ObsluhaDialogu {
public:
    explicit ObsluhaDialogu(std::function<void(HWND)> prace);
    ~ObsluhaDialogu();
    ObsluhaDialogu(const ObsluhaDialogu&) = delete;
    ObsluhaDialogu& operator=(const ObsluhaDialogu&) = delete;

    bool probehla = false;

private:
    static void CALLBACK Tik(HWND, UINT, UINT_PTR, DWORD);

    std::function<void(HWND)> prace_;
    UINT_PTR casovac_ = 0;
};

inline bool Obsahuje(const std::wstring& text, const std::wstring& cast) {
    return text.find(cast) != std::wstring::npos;
}

struct KonecVlakna {
    bool skoncilo = false; // in time
    bool fatalni = false;  // on the fatal path, which asked to end the process
    std::wstring text;     // of the fatal message box
    UINT kodProcesu = 0;   // that the fatal path asked for
};

// Runs the work on a thread of its own, with a reporting system whose end of the process
// ends only that thread (ExitThread), so that the fatal path can be taken from inside a
// window procedure. Whatever the thread created stays as it was left: give it heap objects.
KonecVlakna SpustitNaVlakne(std::function<void()> prace);

} // namespace Vrbatec::Testy
