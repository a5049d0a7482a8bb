// What the program asks of the taskbar: thumbnail buttons for its window and the tasks of its
// jump list. The system's implementation creates and releases its shell objects for every
// call; tests put a double in its place that records what was asked.
//
// Every call is cosmetic: a failure is returned for whoever wants to know and changes nothing
// else. Systems without these objects (and Wine, whose jump list is not implemented) fail here.
#pragma once

#include <windows.h>
#include <shobjidl.h>

#include <memory>
#include <span>
#include <string>

#include "ui/ObsahPaneluUloh.h"

namespace Vrbatec::Ui {

class ShellPaneluUloh {
public:
    virtual ~ShellPaneluUloh() = default;

    // Adds the buttons under the window's preview, with the image list their images index
    // (none when null) and the preview's own tooltip.
    virtual HRESULT PridatTlacitka(HWND okno, HIMAGELIST obrazky, std::span<THUMBBUTTON> tlacitka,
                                   const std::wstring& tipNahledu) = 0;
    // Changes the buttons added before, found by their ids.
    virtual HRESULT AktualizovatTlacitka(HWND okno, std::span<THUMBBUTTON> tlacitka) = 0;
    // Replaces the jump list's tasks; each starts this program with its argument.
    virtual HRESULT NahraditSeznamSkoku(std::span<const ObsahPaneluUloh::UlohaSkoku> ulohy) = 0;
};

std::unique_ptr<ShellPaneluUloh> ShellPaneluUlohSystemu();

} // namespace Vrbatec::Ui
