// Controls handed what is not a window end the program rather than work on nothing.
#include <gtest/gtest.h>

#include <functional>

#include "OknaTestu.h"
#include "app/Diagnostika.h"
#include "winapi/ListBox.h"
#include "winapi/OvladaciPrvek.h"

namespace {

using namespace Vrbatec;

TEST(OvladaciPrvky, WhatIsNotAWindowIsFatalAsEHandle) {
    const std::function<void()> prace[] = {
        [] { WinApi::OvladaciPrvek().Pripojit(reinterpret_cast<HWND>(0x1234)); },
        [] { WinApi::ListBox().PridatRetezec(L"nikam"); }};
    for (const auto& p : prace) {
        const auto konec = Testy::SpustitNaVlakne(p);
        EXPECT_TRUE(konec.fatalni);
        EXPECT_TRUE(Testy::Obsahuje(konec.text, PopisHResult(E_HANDLE))) << konec.text;
    }
}

} // namespace
