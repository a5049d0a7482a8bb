// The baseline of the start-up benchmark: the least a Win32 program with one window does.
#include "HoleOkno.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return Mereni::SpustitHoleOkno(instance, L"ZvukoletMereniHoly");
}
