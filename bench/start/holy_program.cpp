// The baseline of the start-up benchmark: the least a Win32 program with one window does.
#include <windows.h>

namespace {

LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam) {
    if (zprava == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(okno, zprava, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW trida{};
    trida.cbSize = sizeof(trida);
    trida.lpfnWndProc = Procedura;
    trida.hInstance = instance;
    trida.lpszClassName = L"ZvukoletMereniHoly";
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    trida.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&trida);
    HWND okno = CreateWindowExW(0, trida.lpszClassName, L"Holý program", WS_OVERLAPPEDWINDOW, 0, 0,
                                520, 280, nullptr, nullptr, instance, nullptr);
    ShowWindow(okno, SW_SHOW);
    MSG zprava;
    while (GetMessageW(&zprava, nullptr, 0, 0) > 0) {
        TranslateMessage(&zprava);
        DispatchMessageW(&zprava);
    }
    return 0;
}
