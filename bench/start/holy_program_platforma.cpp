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

namespace {

LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam) {
    if (zprava == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(okno, zprava, wParam, lParam);
}

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
    WNDCLASSEXW trida{};
    trida.cbSize = sizeof(trida);
    trida.lpfnWndProc = Procedura;
    trida.hInstance = instance;
    trida.lpszClassName = L"ZvukoletMereniPlatforma";
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    trida.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&trida);
    HWND okno = CreateWindowExW(0, trida.lpszClassName, L"Platforma", WS_OVERLAPPEDWINDOW, 0, 0,
                                520, 280, nullptr, nullptr, instance, nullptr);
    ShowWindow(okno, SW_SHOW);
    MSG zprava;
    while (GetMessageW(&zprava, nullptr, 0, 0) > 0) {
        TranslateMessage(&zprava);
        DispatchMessageW(&zprava);
    }
    return 0;
}
