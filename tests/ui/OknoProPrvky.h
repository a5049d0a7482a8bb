// The parent that the main window's bars, status bar and menus expect: a hidden top-level
// window with the program's menu bar that reflects notifications as the main window does, the
// program's strips and icons prepared. (Hidden: a shown window takes seconds to go away on a
// display without a window manager.)
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "app/Aplikace.h"
#include "res/resource.h"
#include "support/ZaznamHlaseni.h"
#include "winapi/OknaTestu.h"

namespace Vrbatec::Testy {

class OknoProPrvky : public testing::Test {
protected:
    static void SetUpTestSuite() { PripravitProstredkyAplikace(); }
    void SetUp() override {
        ASSERT_TRUE(::SetMenu(okno_, ::LoadMenuW(Instance(), MAKEINTRESOURCEW(IDR_HLAVNI_MENU))));
        menu_ = ::GetMenu(okno_);
    }

    static HINSTANCE Instance() { return ::GetModuleHandleW(nullptr); }
    static bool Ma(HMENU menu, UINT prikaz, UINT priznak) {
        return (::GetMenuState(menu, prikaz, MF_BYCOMMAND) & priznak) != 0;
    }

    RodicTestu rodic_{{520, 280}};
    const HWND okno_ = rodic_.Hwnd();
    HMENU menu_ = nullptr; // destroyed with the window
    ZaznamHlaseni hlaseni_;
};

} // namespace Vrbatec::Testy
