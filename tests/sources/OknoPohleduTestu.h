// Shared by the tests of the source views: a parent that reflects and passes notifications on
// as the main window does, a recording stand-in for the main window, and a way to work a modal
// dialog from a timer that fires inside its loop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sources/PohledyZdroju.h"
#include "winapi/Okno.h"

namespace Vrbatec::Testy {

class OknoPohleduTestu final : public WinApi::Okno {
public:
    OknoPohleduTestu();
    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;
    // A drop-down list like the rebar's, id 1027.
    HWND VytvoritCombo();

    PohledyZdroju* pohledy = nullptr;
    std::vector<WORD> prikazy; // commands from menus and accelerators
};

class OkoliTestu final : public PohledyZdroju::Okoli {
public:
    virtual ~OkoliTestu() = default;
    void ZmenilSeVyber() override {}
    void PrehratVybrany() override { kroky.push_back(L"přehrát"); }
    void Zastavit() override { kroky.push_back(L"zastavit"); }
    int PrehravanyIndex() const override { return -1; }

    std::vector<std::wstring> kroky;
};

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

// The icons, product name and instance that the program's dialogs take.
void PripravitProstredkyAplikace();
void ChybaIndexu(std::int32_t kod);
void Kliknout(HWND dialog, int id);
std::wstring TextPrvku(HWND dialog, int id);
void ZpracovatCekajiciZpravy();

} // namespace Vrbatec::Testy
