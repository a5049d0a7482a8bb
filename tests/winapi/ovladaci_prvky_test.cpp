// Controls that are only referred to: ownership, and what is not a window.
#include <gtest/gtest.h>

#include <memory>

#include "OknaTestu.h"
#include "app/Diagnostika.h"
#include "winapi/ListBox.h"
#include "winapi/OvladaciPrvek.h"

namespace {

using namespace Vrbatec;

class OvladaciPrvky : public ::testing::Test {
protected:
    WinApi::PopisOkna Popis(const wchar_t* trida, DWORD styl = 0) const {
        return {.trida = trida,
                .styl = WS_CHILD | WS_VISIBLE | styl,
                .sirka = 150,
                .vyska = 150,
                .rodic = rodic.Hwnd()};
    }

    Testy::RodicTestu rodic;
};

TEST_F(OvladaciPrvky, OnlyAWindowTheObjectCreatedIsDestroyedWithIt) {
    HWND cizi = rodic.VytvoritDite(L"STATIC", 1);
    auto prvek = std::make_unique<WinApi::OvladaciPrvek>();
    prvek->Vytvorit(Popis(L"STATIC"));
    HWND vlastni = prvek->Hwnd();
    EXPECT_TRUE(prvek->JeVlastni());
    // Attaching elsewhere releases the owned window first.
    EXPECT_TRUE(prvek->Pripojit(cizi));
    EXPECT_FALSE(IsWindow(vlastni));
    EXPECT_FALSE(prvek->JeVlastni());
    prvek->Uvolnit();
    EXPECT_TRUE(IsWindow(cizi));

    prvek->Vytvorit(Popis(L"STATIC"));
    vlastni = prvek->Hwnd();
    prvek.reset();
    EXPECT_FALSE(IsWindow(vlastni));
}

TEST_F(OvladaciPrvky, WhatIsNotAWindowIsFatalAsEHandle) {
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
