// A hidden top-level window with the program's menu bar, the parent that the main window's
// bars, status bar and menus expect; the program's strips and icons are prepared once. It
// records WM_INITMENUPOPUP and WM_COMMAND. (Hidden: a shown window takes seconds to go away
// on a display without a window manager.)
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "app/Aplikace.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"

namespace Vrbatec::Testy {

class OknoProPrvky : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static const HRESULT hr = AplikaceInstance().PripravitOkenniProstredky(Instance());
        ASSERT_EQ(S_OK, hr);
    }
    void SetUp() override {
        static const ATOM trida = [] {
            const WNDCLASSEXW popis{.cbSize = sizeof(WNDCLASSEXW),
                                    .lpfnWndProc = &Procedura,
                                    .hInstance = Instance(),
                                    .lpszClassName = L"ZvukoletTestPrvku"};
            return ::RegisterClassExW(&popis);
        }();
        ASSERT_NE(0, trida);
        zpravy().clear();
        okno_ = ::CreateWindowExW(0, L"ZvukoletTestPrvku", L"", WS_OVERLAPPEDWINDOW, 0, 0, 520, 280,
                                  nullptr, ::LoadMenuW(Instance(), MAKEINTRESOURCEW(104)),
                                  Instance(), nullptr);
        ASSERT_NE(nullptr, okno_);
        menu_ = ::GetMenu(okno_);
    }
    void TearDown() override { ::DestroyWindow(okno_); }

    static HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }
    static std::vector<MSG>& zpravy() {
        static std::vector<MSG> seznam;
        return seznam;
    }
    static bool Ma(HMENU menu, UINT prikaz, UINT priznak) {
        return (::GetMenuState(menu, prikaz, MF_BYCOMMAND) & priznak) != 0;
    }

    HWND okno_ = nullptr;
    HMENU menu_ = nullptr; // destroyed with the window
    ZaznamHlaseni hlaseni_;

private:
    static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam) {
        if (zprava == WM_INITMENUPOPUP || zprava == WM_COMMAND) {
            zpravy().push_back({okno, zprava, wParam, lParam, 0, {}});
        }
        return ::DefWindowProcW(okno, zprava, wParam, lParam);
    }
};

} // namespace Vrbatec::Testy
