// A second baseline of the start-up benchmark: the bare window program that first makes the
// same platform calls as the program's start-up (COM, common controls 6, version block,
// GDI+, WinINet, a known folder). The difference to Zvukolet.exe is then the program's own work.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <wininet.h>

#include <algorithm>
// GDI+ headers expect min and max unqualified, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include "HoleOkno.h"

namespace {

void SpustitPlatformu() {
    CoInitialize(nullptr);
    INITCOMMONCONTROLSEX ovladaciPrvky{sizeof(ovladaciPrvky), 0x2FFF};
    InitCommonControlsEx(&ovladaciPrvky);
    wchar_t cesta[MAX_PATH];
    GetModuleFileNameW(nullptr, cesta, MAX_PATH);
    DWORD nic = 0;
    GetFileVersionInfoSizeW(cesta, &nic);
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput vstup;
    Gdiplus::GdiplusStartup(&token, &vstup, nullptr);
    InternetOpenW(L"RZvukolet", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    PWSTR slozka = nullptr;
    SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &slozka);
    CoTaskMemFree(slozka);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    SpustitPlatformu();
    return Mereni::SpustitHoleOkno(instance, L"ZvukoletMereniPlatforma");
}
