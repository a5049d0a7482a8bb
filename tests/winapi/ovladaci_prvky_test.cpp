// Controls that are only referred to: ownership, and the typed list and combo operations.
#include <gtest/gtest.h>

#include <memory>

#include "OknaTestu.h"
#include "app/Diagnostika.h"
#include "winapi/ComboBox.h"
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

TEST_F(OvladaciPrvky, AddingToAListBoxGivesTheIndexOrTheRefusalsHResult) {
    WinApi::ListBox seznam;
    seznam.Vytvorit(Popis(L"LISTBOX"));
    int index = -1;
    EXPECT_EQ(seznam.PridatRetezec(L"Rádio Čas", &index), S_OK);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(seznam.PridatRetezec(L"Evropa 2", &index), S_OK);
    EXPECT_EQ(index, 1);

    // A stand-in for a list box in trouble, answering LB_ADDSTRING as told.
    Testy::ZaznamZprav odmitani;
    ASSERT_TRUE(odmitani.Pripojit(seznam.Hwnd()));
    odmitani.odpovedi[LB_ADDSTRING] = LB_ERRSPACE;
    EXPECT_EQ(seznam.PridatRetezec(L"plno", &index), E_OUTOFMEMORY);
    EXPECT_EQ(index, 1);
    odmitani.odpovedi[LB_ADDSTRING] = LB_ERR;
    SetLastError(ERROR_ACCESS_DENIED);
    // The stale error is not taken for the list box's reason.
    EXPECT_EQ(seznam.PridatRetezec(L"chyba"), E_FAIL);
    EXPECT_EQ(seznam.PridatPolozku(L"chyba", 1), E_FAIL);
    EXPECT_EQ(seznam.Pocet(), 2);
}

// Both controls share one implementation; each passes its own message numbers to it.
template <class Seznam>
void OveritPolozkyAVyber(const WinApi::PopisOkna& popis) {
    Seznam seznam;
    seznam.Vytvorit(popis);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(seznam.PridatPolozku(L"Zdroj " + std::to_wstring(i), 100 + i), S_OK);
    }
    ASSERT_EQ(seznam.Pocet(), 3);
    EXPECT_EQ(seznam.TextPolozky(2), L"Zdroj 2");
    EXPECT_EQ(seznam.TextPolozky(5), L"");
    EXPECT_EQ(seznam.DataPolozky(2), 102);
    EXPECT_EQ(seznam.Vyber(), -1);
    seznam.Vybrat(2);
    EXPECT_EQ(seznam.Vyber(), 2);
    seznam.Vybrat(-1);
    EXPECT_EQ(seznam.Vyber(), -1);
    seznam.Vyprazdnit();
    EXPECT_EQ(seznam.Pocet(), 0);
}

TEST_F(OvladaciPrvky, ItemsOfAListOrComboBoxCarryDataAndCanBeSelected) {
    OveritPolozkyAVyber<WinApi::ListBox>(Popis(L"LISTBOX"));
    OveritPolozkyAVyber<WinApi::ComboBox>(Popis(L"COMBOBOX", CBS_DROPDOWNLIST));
}

} // namespace
