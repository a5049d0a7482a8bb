// A plain top-level window with the program's menu bar: the parent that the main window's
// bars, status bar and menus expect. The program's image strips and icons are prepared once
// per test executable; the window records the menu messages it receives.
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
        static const HRESULT pripraveno =
            AplikaceInstance().PripravitOkenniProstredky(::GetModuleHandleW(nullptr));
        ASSERT_EQ(S_OK, pripraveno);
    }

    void SetUp() override {
        static const ATOM trida = [] {
            WNDCLASSEXW popis{};
            popis.cbSize = sizeof(popis);
            popis.lpfnWndProc = &Procedura;
            popis.hInstance = ::GetModuleHandleW(nullptr);
            popis.lpszClassName = L"ZvukoletTestPrvku";
            return ::RegisterClassExW(&popis);
        }();
        ASSERT_NE(0, trida);
        zpravy().clear();
        okno_ = ::CreateWindowExW(
            0, L"ZvukoletTestPrvku", L"", WS_OVERLAPPEDWINDOW, 0, 0, 520, 280, nullptr,
            ::LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_HLAVNI_MENU)), Instance(), nullptr);
        // Hidden: a shown window takes seconds to go away on a display without a window
        // manager.
        ASSERT_NE(nullptr, okno_);
        menu_ = ::GetMenu(okno_);
    }

    void TearDown() override { ::DestroyWindow(okno_); }

    static HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }

    // Menu and command messages that reached the window, in order.
    static std::vector<MSG>& zpravy() {
        static std::vector<MSG> seznam;
        return seznam;
    }

    static void ZpracovatZpravy() {
        MSG zprava;
        while (::PeekMessageW(&zprava, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&zprava);
            ::DispatchMessageW(&zprava);
        }
    }

    UINT StavPolozky(HMENU menu, UINT prikaz) const {
        return ::GetMenuState(menu, prikaz, MF_BYCOMMAND);
    }
    bool Zaskrtnuto(HMENU menu, UINT prikaz) const {
        return (StavPolozky(menu, prikaz) & MF_CHECKED) != 0;
    }
    bool Sedy(HMENU menu, UINT prikaz) const {
        return (StavPolozky(menu, prikaz) & MF_GRAYED) != 0;
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
