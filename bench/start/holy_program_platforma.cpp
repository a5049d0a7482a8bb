// The platform floor of the start-up and memory benchmarks: the bare window program that
// first makes the same platform calls as the program's start-up (COM, common controls 6,
// version block, GDI+, WinINet, a known folder) and creates the media player control, which
// it keeps, neither hosted nor activated, for as long as its window lives. The difference to
// Zvukolet.exe is then the program's own work.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>
#include <shlobj.h>
#include <wininet.h>
#include <wrl/client.h>

#include <algorithm>
// GDI+ headers expect min and max unqualified, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
} // namespace Gdiplus
#include <gdiplus.h>

#include "HoleOkno.h"

namespace {

// CLSID_WindowsMediaPlayer, spelt out: the control's header is not needed for one number.
constexpr CLSID kTridaPrehravace{
    0x6BF52A52, 0x394A, 0x11D3, {0xB1, 0x53, 0x00, 0xC0, 0x4F, 0x79, 0xFA, 0xA6}};

void SpustitPlatformu(Microsoft::WRL::ComPtr<IOleObject>& prehravac) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
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
    CoCreateInstance(kTridaPrehravace, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&prehravac));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    Microsoft::WRL::ComPtr<IOleObject> prehravac;
    SpustitPlatformu(prehravac);
    const int vysledek = Mereni::SpustitHoleOkno(instance, L"ZvukoletMereniPlatforma");
    prehravac.Reset();
    CoUninitialize();
    return vysledek;
}
