// Entry point of Zvukolet.exe.
#include <windows.h>

#include "app/Aplikace.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR argumenty, int) {
    return Vrbatec::AplikaceInstance().Spustit(instance, argumenty);
}
