// Windows and objects shared by the toolkit's tests: a parent window that reflects as the
// program's windows do, a window object that records its messages, and a way to watch the
// fatal path from a thread of its own.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "winapi/Okno.h"

namespace Vrbatec::Testy {

inline constexpr UINT kZpravaTestu = WM_APP + 7;

// A hidden top-level window of the tests' own class; its handler reflects notifications
// first and records those that no control handled.
class RodicTestu final : public WinApi::Okno {
public:
    RodicTestu();
    ~RodicTestu() override;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

    // Creates a visible child of a class of the system with the control identifier.
    HWND VytvoritDite(const wchar_t* trida, int id, DWORD styl = 0, const wchar_t* text = L"");

    std::vector<UINT> neodrazene;
};

// Records every message; answers those given in odpovedi with the given result.
class ZaznamZprav : public WinApi::OknoImpl {
public:
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;
    void PoPosledniZprave() override;

    int Pocet(UINT zprava) const;
    const MSG* Posledni(UINT zprava) const;

    std::map<UINT, LRESULT> odpovedi;
    std::vector<MSG> zpravy;
    // Runs inside the handler for a message, before the answer is chosen.
    std::map<UINT, std::function<void(HWND)>> akce;
    int poPosledniZprave = 0;
    bool hwndPrazdnyPoPosledniZprave = false;
};

// The text of the window's procedure chain for WM_GETTEXT.
std::wstring TextOkna(HWND okno);

// How work run by SpustitNaVlakne ended.
struct KonecVlakna {
    bool skoncilo = false;      // the thread ended in time
    bool fatalni = false;       // the fatal path asked to end the process
    bool koncilFatalne = false; // and the thread's exit code says it ended there
    std::wstring text;          // the text of the fatal message box
    UINT kodProcesu = 0;        // the exit code the fatal path asked for
};

// Runs the work on a thread of its own, with a reporting system whose end of the process
// ends only that thread (ExitThread), so that the fatal path can be taken from inside a
// window procedure. Whatever the thread created stays as it was left: give it heap objects.
KonecVlakna SpustitNaVlakne(std::function<void()> prace);

} // namespace Vrbatec::Testy
