// Controls that are only referred to: ownership, and the typed list and combo operations.
#include <gtest/gtest.h>

#include <windows.h>

#include "OknaTestu.h"
#include "app/Diagnostika.h"
#include "winapi/ComboBox.h"
#include "winapi/ListBox.h"
#include "winapi/OvladaciPrvek.h"

namespace {

using namespace Vrbatec;
using Testy::RodicTestu;
using Testy::SpustitNaVlakne;

constexpr int kIdSeznamu = 200;

bool Obsahuje(const std::wstring& text, const std::wstring& cast) {
    return text.find(cast) != std::wstring::npos;
}

WinApi::PopisOkna PopisPrvku(const wchar_t* trida, HWND rodic, DWORD styl = 0) {
    return {.trida = trida,
            .styl = WS_CHILD | WS_VISIBLE | styl,
            .x = 0,
            .y = 0,
            .sirka = 150,
            .vyska = 150,
            .rodic = rodic,
            .menu = WinApi::MenuZId(kIdSeznamu),
            .instance = GetModuleHandleW(nullptr)};
}

TEST(OvladaciPrvek, AnAttachedWindowIsNotOwnedAndSurvivesRelease) {
    RodicTestu rodic;
    HWND prvni = rodic.VytvoritDite(L"STATIC", 1);
    HWND druhe = rodic.VytvoritDite(L"STATIC", 2);
    WinApi::OvladaciPrvek prvek;
    EXPECT_FALSE(prvek.Pripojit(prvni));
    EXPECT_FALSE(prvek.JeVlastni());
    EXPECT_TRUE(prvek.Pripojit(druhe));
    EXPECT_EQ(prvek.Hwnd(), druhe);
    prvek.Uvolnit();
    EXPECT_EQ(prvek.Hwnd(), nullptr);
    EXPECT_TRUE(IsWindow(prvni));
    EXPECT_TRUE(IsWindow(druhe));
    {
        WinApi::OvladaciPrvek docasny;
        docasny.Pripojit(prvni);
    }
    EXPECT_TRUE(IsWindow(prvni));
}

TEST(OvladaciPrvek, ACreatedWindowIsOwnedAndDestroyedOnRelease) {
    RodicTestu rodic;
    WinApi::OvladaciPrvek prvek;
    prvek.Vytvorit(PopisPrvku(L"STATIC", rodic.Hwnd()));
    HWND okno = prvek.Hwnd();
    ASSERT_TRUE(IsWindow(okno));
    EXPECT_TRUE(prvek.JeVlastni());
    EXPECT_EQ(GetParent(okno), rodic.Hwnd());
    prvek.Uvolnit();
    EXPECT_FALSE(IsWindow(okno));
    EXPECT_FALSE(prvek.JeVlastni());

    {
        WinApi::OvladaciPrvek docasny;
        docasny.Vytvorit(PopisPrvku(L"STATIC", rodic.Hwnd()));
        okno = docasny.Hwnd();
    }
    EXPECT_FALSE(IsWindow(okno));

    // Attaching elsewhere releases the owned window first.
    HWND cizi = rodic.VytvoritDite(L"STATIC", 3);
    prvek.Vytvorit(PopisPrvku(L"STATIC", rodic.Hwnd()));
    okno = prvek.Hwnd();
    EXPECT_TRUE(prvek.Pripojit(cizi));
    EXPECT_FALSE(IsWindow(okno));
    EXPECT_FALSE(prvek.JeVlastni());
}

TEST(OvladaciPrvek, WhatIsNotAWindowIsFatalAsEHandle) {
    const auto konec = SpustitNaVlakne([] {
        WinApi::OvladaciPrvek prvek;
        prvek.Pripojit(reinterpret_cast<HWND>(0x1234));
    });
    ASSERT_TRUE(konec.skoncilo);
    EXPECT_TRUE(konec.fatalni);
    EXPECT_TRUE(Obsahuje(konec.text, PopisHResult(E_HANDLE))) << konec.text;

    const auto seznam = SpustitNaVlakne([] {
        WinApi::ListBox prazdny;
        prazdny.PridatRetezec(L"nikam");
    });
    ASSERT_TRUE(seznam.skoncilo);
    EXPECT_TRUE(seznam.fatalni);
    EXPECT_TRUE(Obsahuje(seznam.text, PopisHResult(E_HANDLE))) << seznam.text;
}

TEST(ListBox, ItemsAreAddedWithTheirDataAndCanBeSelected) {
    RodicTestu rodic;
    WinApi::ListBox seznam;
    seznam.Vytvorit(PopisPrvku(L"LISTBOX", rodic.Hwnd()));
    int index = -1;
    EXPECT_EQ(seznam.PridatRetezec(L"Rádio Čas", &index), S_OK);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(seznam.PridatPolozku(L"Evropa 2", 52, &index), S_OK);
    EXPECT_EQ(index, 1);
    ASSERT_EQ(seznam.Pocet(), 2);
    EXPECT_EQ(seznam.TextPolozky(0), L"Rádio Čas");
    EXPECT_EQ(seznam.TextPolozky(1), L"Evropa 2");
    EXPECT_EQ(seznam.DataPolozky(1), 52);
    EXPECT_EQ(seznam.TextPolozky(5), L"");

    EXPECT_EQ(seznam.Vyber(), -1);
    seznam.Vybrat(1);
    EXPECT_EQ(seznam.Vyber(), 1);
    seznam.Vybrat(-1);
    EXPECT_EQ(seznam.Vyber(), -1);
    seznam.Vyprazdnit();
    EXPECT_EQ(seznam.Pocet(), 0);
}

TEST(ListBox, RefusalsOfTheListBoxBecomeTheirHResults) {
    RodicTestu rodic;
    HWND okno = rodic.VytvoritDite(L"LISTBOX", kIdSeznamu);
    // A stand-in for a list box in trouble, answering LB_ADDSTRING as told.
    Testy::ZaznamZprav odmitani;
    ASSERT_TRUE(odmitani.Pripojit(okno));
    WinApi::ListBox seznam;
    seznam.Pripojit(okno);

    odmitani.odpovedi[LB_ADDSTRING] = LB_ERRSPACE;
    int index = 99;
    EXPECT_EQ(seznam.PridatRetezec(L"plno", &index), E_OUTOFMEMORY);
    EXPECT_EQ(index, 99);
    odmitani.odpovedi[LB_ADDSTRING] = LB_ERR;
    SetLastError(ERROR_ACCESS_DENIED);
    // The stale error is not taken for the list box's reason.
    EXPECT_EQ(seznam.PridatRetezec(L"chyba"), E_FAIL);
    EXPECT_EQ(seznam.PridatPolozku(L"chyba", 1), E_FAIL);
    odmitani.Odpojit();
    EXPECT_EQ(seznam.PridatRetezec(L"dobře"), S_OK);
    EXPECT_EQ(seznam.Pocet(), 1);
}

TEST(ComboBox, ItemsAreAddedWithTheirDataAndCanBeSelected) {
    RodicTestu rodic;
    WinApi::ComboBox seznam;
    seznam.Vytvorit(PopisPrvku(L"COMBOBOX", rodic.Hwnd(), CBS_DROPDOWNLIST));
    for (int i = 0; i < 3; ++i) {
        int index = -1;
        ASSERT_EQ(seznam.PridatPolozku(L"Zdroj " + std::to_wstring(i), 100 + i, &index), S_OK);
        EXPECT_EQ(index, i);
    }
    ASSERT_EQ(seznam.Pocet(), 3);
    EXPECT_EQ(seznam.TextPolozky(2), L"Zdroj 2");
    EXPECT_EQ(seznam.DataPolozky(2), 102);
    EXPECT_EQ(seznam.Vyber(), -1);
    seznam.Vybrat(2);
    EXPECT_EQ(seznam.Vyber(), 2);
    EXPECT_EQ(Testy::TextOkna(seznam.Hwnd()), L"Zdroj 2");
    seznam.Vyprazdnit();
    EXPECT_EQ(seznam.Pocet(), 0);
    EXPECT_EQ(seznam.Vyber(), -1);
}

} // namespace
