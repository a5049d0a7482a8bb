// What the main window takes from the application above it: the process-wide pictures, the
// Windows version that decides how menus are drawn, the start command and the process
// priority. The application object implements it and outlives the window; the window never
// reaches the application in any other way.
#pragma once

#include <windows.h>

#include <cstdint>

namespace Vrbatec::Ui {

class ObrazkovyPruh;

// The four status icons (stop/play in the status bar's first part, recording in its second).
enum class StavovaIkona { Prehravani, Zastaveno, Zaznam, BezZaznamu };

class SluzbyAplikace {
public:
    virtual ObrazkovyPruh& MalyPruh() const = 0;
    virtual ObrazkovyPruh& VelkyPruh() const = 0;
    virtual HICON StavIkona(StavovaIkona ikona) const = 0;
    virtual std::uint32_t VerzeWindows() const = 0;
    // Whether this process is the one copy of the program that runs (the one that holds the
    // global hotkeys).
    virtual bool PrvniInstance() const = 0;
    // Whether no settings were stored for this user when the program started.
    virtual bool PrvniSpusteni() const = 0;
    // The command word's command from the command line, 0 without one.
    virtual std::uint32_t StartovniPrikaz() const = 0;
    // Applies the "processPriority" setting; a refusal is shown and changes nothing.
    virtual void NastavitPrioritu() = 0;
    // The process's internet session (an HINTERNET), null when there is none.
    virtual void* Internet() const = 0;

protected:
    ~SluzbyAplikace() = default;
};

} // namespace Vrbatec::Ui
