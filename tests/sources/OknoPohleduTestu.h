// What the tests of the source views share: a parent window that reflects and passes the
// notifications of the list and the combo box on as the main window does, a recording
// stand-in for the main window, and a way to work a modal dialog from inside its loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "sources/PohledyZdroju.h"
#include "winapi/Okno.h"

namespace Vrbatec::Testy {

class OknoPohleduTestu final : public WinApi::Okno {
public:
    OknoPohleduTestu();
    ~OknoPohleduTestu() override;

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

    // A drop-down list like the one of the rebar, id 1027.
    HWND VytvoritCombo();

    PohledyZdroju* pohledy = nullptr;
    std::vector<WORD> prikazy; // WM_COMMANDs from menus and accelerators
};

class OkoliTestu final : public PohledyZdroju::Okoli {
public:
    virtual ~OkoliTestu() = default;
    void ZmenilSeVyber() override { ++zmenVyberu; }
    void PrehratVybrany() override { kroky.push_back(L"přehrát"); }
    void Zastavit() override { kroky.push_back(L"zastavit"); }
    int PrehravanyIndex() const override { return -1; }

    int zmenVyberu = 0;
    std::vector<std::wstring> kroky;
};

// Runs the work on the first modal dialog that shows on this thread, from a timer that fires
// inside the dialog's loop. The work must end the dialog; one it leaves open is ended here
// with IDABORT, and nechalOtevreny says so.
class ObsluhaDialogu {
public:
    explicit ObsluhaDialogu(std::function<void(HWND)> prace);
    ~ObsluhaDialogu();
    ObsluhaDialogu(const ObsluhaDialogu&) = delete;
    ObsluhaDialogu& operator=(const ObsluhaDialogu&) = delete;

    bool probehla = false;
    bool nechalOtevreny = false;

private:
    static void CALLBACK Tik(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void(HWND)> prace_;
    UINT_PTR casovac_ = 0;
};

// The icons, product name and instance that the program's dialogs take; once per process.
void PripravitProstredkyAplikace();

// A click on a button or check box of a dialog, as the user would make it.
void Kliknout(HWND dialog, int id);
std::wstring TextPrvku(HWND dialog, int id);
// Delivers the messages posted to this thread.
void ZpracovatCekajiciZpravy();

} // namespace Vrbatec::Testy
