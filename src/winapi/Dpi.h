// Sizes given in pixels of a 96-DPI screen, for the screen a window is on.
#pragma once

#include <windows.h>

namespace Vrbatec::WinApi {

inline int PodleDpi(HWND okno, int pixely) {
    const UINT dpi = okno != nullptr ? ::GetDpiForWindow(okno) : 0;
    return ::MulDiv(pixely, dpi != 0 ? static_cast<int>(dpi) : USER_DEFAULT_SCREEN_DPI,
                    USER_DEFAULT_SCREEN_DPI);
}

} // namespace Vrbatec::WinApi
