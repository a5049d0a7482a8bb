// The window of the benchmark's baseline programs: one plain top-level window and its message
// loop, the least a Win32 program with a window does.
#pragma once

#include <windows.h>

namespace Mereni {

inline LRESULT CALLBACK ProceduraHolehoOkna(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam) {
    if (zprava == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(okno, zprava, wParam, lParam);
}

// Shows a window of the class and runs until it is closed.
inline int SpustitHoleOkno(HINSTANCE instance, const wchar_t* trida) {
    WNDCLASSEXW popis{};
    popis.cbSize = sizeof(popis);
    popis.lpfnWndProc = ProceduraHolehoOkna;
    popis.hInstance = instance;
    popis.lpszClassName = trida;
    popis.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    popis.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassExW(&popis);
    HWND okno = CreateWindowExW(0, trida, L"Měření", WS_OVERLAPPEDWINDOW, 0, 0, 520, 280, nullptr,
                                nullptr, instance, nullptr);
    ShowWindow(okno, SW_SHOW);
    MSG zprava;
    while (GetMessageW(&zprava, nullptr, 0, 0) > 0) {
        TranslateMessage(&zprava);
        DispatchMessageW(&zprava);
    }
    return 0;
}

} // namespace Mereni
