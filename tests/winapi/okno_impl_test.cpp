// Binding window objects to real windows: subclass attach and detach, own windows and
// superclasses, the last message, and what destroying the object does to its window.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "OknaTestu.h"
#include "winapi/RegistraceTridy.h"

namespace {

using namespace Vrbatec;
using Testy::kZpravaTestu;
using Testy::RodicTestu;
using Testy::TextOkna;
using Testy::ZaznamZprav;

HINSTANCE Instance() {
    return GetModuleHandleW(nullptr);
}

LONG_PTR ProceduraOkna(HWND okno) {
    return GetWindowLongPtrW(okno, GWLP_WNDPROC);
}

// Someone else's subclass, installed the old way over ours.
struct CiziPodtrida {
    static inline WNDPROC predchozi = nullptr;
    static inline int zpravTestu = 0;

    static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam) {
        if (zprava == kZpravaTestu) {
            ++zpravTestu;
        }
        return CallWindowProcW(predchozi, okno, zprava, wParam, lParam);
    }

    explicit CiziPodtrida(HWND okno) {
        zpravTestu = 0;
        predchozi = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            okno, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CiziPodtrida::Procedura)));
    }
};

class PripojeniOkna : public ::testing::Test {
protected:
    RodicTestu rodic;
    HWND edit = rodic.VytvoritDite(L"EDIT", 100);
};

TEST_F(PripojeniOkna, MessagesReachTheObjectOnlyWhileAttached) {
    const LONG_PTR puvodni = ProceduraOkna(edit);
    ZaznamZprav objekt;
    objekt.odpovedi[kZpravaTestu] = 42;

    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 1, 2), 0);
    ASSERT_TRUE(objekt.Pripojit(edit));
    EXPECT_EQ(objekt.Hwnd(), edit);
    EXPECT_FALSE(objekt.VytvorenoObjektem());
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 1, 2), 42);
    ASSERT_EQ(objekt.Pocet(kZpravaTestu), 1);
    EXPECT_EQ(objekt.Posledni(kZpravaTestu)->wParam, 1u);
    EXPECT_EQ(objekt.Posledni(kZpravaTestu)->lParam, 2);

    // What the object leaves alone still reaches the edit.
    SetWindowTextW(edit, L"Radio");
    EXPECT_EQ(TextOkna(edit), L"Radio");
    EXPECT_GE(objekt.Pocet(WM_SETTEXT), 1);

    objekt.Odpojit();
    EXPECT_EQ(objekt.Hwnd(), nullptr);
    EXPECT_EQ(ProceduraOkna(edit), puvodni);
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 1, 2), 0);
    EXPECT_EQ(objekt.Pocet(kZpravaTestu), 1);
    SetWindowTextW(edit, L"Stanice");
    EXPECT_EQ(TextOkna(edit), L"Stanice");
}

TEST_F(PripojeniOkna, DetachUnderSomeoneElsesProcedureLeavesItInPlace) {
    ZaznamZprav objekt;
    objekt.odpovedi[kZpravaTestu] = 42;
    ASSERT_TRUE(objekt.Pripojit(edit));
    CiziPodtrida cizi(edit);
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 0, 0), 42);

    objekt.Odpojit();
    EXPECT_EQ(ProceduraOkna(edit), reinterpret_cast<LONG_PTR>(&CiziPodtrida::Procedura));
    EXPECT_EQ(objekt.Hwnd(), nullptr);

    // The chain still works end to end, without the object.
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 0, 0), 0);
    EXPECT_EQ(CiziPodtrida::zpravTestu, 2);
    EXPECT_EQ(objekt.Pocet(kZpravaTestu), 1);
    SetWindowTextW(edit, L"Vlna");
    EXPECT_EQ(TextOkna(edit), L"Vlna");

    // A new object can attach on top of it all and is the first to see messages.
    ZaznamZprav druhy;
    druhy.odpovedi[kZpravaTestu] = 7;
    ASSERT_TRUE(druhy.Pripojit(edit));
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 0, 0), 7);
    EXPECT_EQ(objekt.Pocet(kZpravaTestu), 1);
}

TEST_F(PripojeniOkna, DestroyingAnAttachedObjectDetachesAndKeepsTheWindow) {
    const LONG_PTR puvodni = ProceduraOkna(edit);
    {
        ZaznamZprav objekt;
        objekt.odpovedi[kZpravaTestu] = 42;
        ASSERT_TRUE(objekt.Pripojit(edit));
        EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 0, 0), 42);
    }
    ASSERT_TRUE(IsWindow(edit));
    EXPECT_EQ(ProceduraOkna(edit), puvodni);
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 0, 0), 0);
    SetWindowTextW(edit, L"Po zničení");
    EXPECT_EQ(TextOkna(edit), L"Po zničení");
}

TEST_F(PripojeniOkna, DestroyingTheObjectDestroysAWindowItCreated) {
    HWND vytvorene = nullptr;
    {
        ZaznamZprav objekt;
        objekt.odpovedi[kZpravaTestu] = 3;
        vytvorene = objekt.Vytvorit({.trida = L"EDIT",
                                     .styl = WS_CHILD,
                                     .x = 0,
                                     .y = 0,
                                     .sirka = 50,
                                     .vyska = 20,
                                     .rodic = rodic.Hwnd(),
                                     .instance = Instance()});
        ASSERT_NE(vytvorene, nullptr);
        EXPECT_TRUE(objekt.VytvorenoObjektem());
        EXPECT_EQ(SendMessageW(vytvorene, kZpravaTestu, 0, 0), 3);
        // Only one window per object.
        EXPECT_EQ(objekt.Vytvorit({.trida = L"EDIT", .styl = WS_CHILD, .rodic = rodic.Hwnd()}),
                  nullptr);
        EXPECT_FALSE(objekt.Pripojit(edit));
        EXPECT_EQ(objekt.Hwnd(), vytvorene);
    }
    EXPECT_FALSE(IsWindow(vytvorene));
    EXPECT_TRUE(IsWindow(edit));
}

TEST_F(PripojeniOkna, TheHandlerCanBuildOnTheDefaultProcessing) {
    struct DelkaNavic : ZaznamZprav {
        bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                             LRESULT& vysledek) override {
            if (zprava != WM_GETTEXTLENGTH) {
                return ZaznamZprav::ZpracovatZpravu(okno, zprava, wParam, lParam, vysledek);
            }
            vysledek = VychoziZpracovani() + 100;
            return true;
        }
    } objekt;
    SetWindowTextW(edit, L"12345");
    ASSERT_TRUE(objekt.Pripojit(edit));
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0), 105);
}

TEST_F(PripojeniOkna, DestroyingTheWindowUnbindsAndRunsTheLastMessageHookOnce) {
    ZaznamZprav objekt;
    ASSERT_TRUE(objekt.Pripojit(edit));
    DestroyWindow(edit);
    EXPECT_EQ(objekt.Pocet(WM_NCDESTROY), 1);
    EXPECT_EQ(objekt.poPosledniZprave, 1);
    EXPECT_TRUE(objekt.hwndPrazdnyPoPosledniZprave);
    EXPECT_EQ(objekt.Hwnd(), nullptr);
}

// Windows of a class of the tests' own, bound at creation.
class VlastniOkno : public ::testing::Test {
protected:
    static constexpr wchar_t kTrida[] = L"ZvukoletTestVlastni";

    void SetUp() override {
        WNDCLASSEXW trida{};
        trida.hInstance = Instance();
        trida.lpszClassName = kTrida;
        atom = WinApi::RegistrovatTriduOkna(trida);
        ASSERT_NE(atom, 0);
    }

    HWND Vytvorit(ZaznamZprav& objekt) {
        return objekt.Vytvorit({.trida = kTrida,
                                .styl = WS_CHILD,
                                .x = 0,
                                .y = 0,
                                .sirka = 20,
                                .vyska = 20,
                                .rodic = rodic.Hwnd(),
                                .instance = Instance()});
    }

    RodicTestu rodic;
    ATOM atom = 0;
};

TEST_F(VlastniOkno, RegisteringAgainGivesTheSameClass) {
    WNDCLASSEXW trida{};
    trida.hInstance = Instance();
    trida.lpszClassName = kTrida;
    EXPECT_EQ(WinApi::RegistrovatTriduOkna(trida), atom);
}

TEST_F(VlastniOkno, TheObjectSeesTheWindowFromItsCreation) {
    ZaznamZprav objekt;
    objekt.odpovedi[kZpravaTestu] = 9;
    HWND okno = Vytvorit(objekt);
    ASSERT_NE(okno, nullptr);
    EXPECT_EQ(objekt.Hwnd(), okno);
    EXPECT_TRUE(objekt.VytvorenoObjektem());
    ASSERT_FALSE(objekt.zpravy.empty());
    EXPECT_EQ(objekt.Pocet(WM_NCCREATE), 1);
    EXPECT_EQ(objekt.Pocet(WM_CREATE), 1);
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu, 0, 0), 9);
    // Unhandled messages get DefWindowProcW.
    SetWindowTextW(okno, L"Vlastní");
    EXPECT_EQ(TextOkna(okno), L"Vlastní");

    DestroyWindow(okno);
    EXPECT_EQ(objekt.poPosledniZprave, 1);
    EXPECT_EQ(objekt.Hwnd(), nullptr);
}

TEST_F(VlastniOkno, DestroyedWhileHandlingAMessageTheLastHookWaitsForThatMessage) {
    ZaznamZprav objekt;
    int hookPredKoncemZpravy = -1;
    objekt.akce[kZpravaTestu] = [&](HWND okno) {
        DestroyWindow(okno);
        hookPredKoncemZpravy = objekt.poPosledniZprave;
    };
    objekt.odpovedi[kZpravaTestu] = 5;
    HWND okno = Vytvorit(objekt);
    ASSERT_NE(okno, nullptr);

    EXPECT_EQ(SendMessageW(okno, kZpravaTestu, 0, 0), 5);
    EXPECT_EQ(hookPredKoncemZpravy, 0);
    EXPECT_EQ(objekt.Pocet(WM_NCDESTROY), 1);
    EXPECT_EQ(objekt.poPosledniZprave, 1);
    EXPECT_TRUE(objekt.hwndPrazdnyPoPosledniZprave);
    EXPECT_FALSE(IsWindow(okno));
}

TEST_F(VlastniOkno, AnObjectMayDeleteItselfAfterTheLastMessage) {
    static int zniceno = 0;
    zniceno = 0;
    struct SamoMazaci : ZaznamZprav {
        ~SamoMazaci() override { ++zniceno; }
        void PoPosledniZprave() override { delete this; }
    };
    auto* objekt = new SamoMazaci;
    HWND okno = Vytvorit(*objekt);
    ASSERT_NE(okno, nullptr);
    DestroyWindow(okno);
    EXPECT_EQ(zniceno, 1);
}

TEST_F(VlastniOkno, ASuperclassBehavesAsItsBaseClass) {
    const ATOM nadtrida = WinApi::RegistrovatNadtriduOkna(Instance(), L"EDIT", L"ZvukoletTestEdit");
    ASSERT_NE(nadtrida, 0);
    EXPECT_EQ(WinApi::RegistrovatNadtriduOkna(Instance(), L"EDIT", L"ZvukoletTestEdit"), nadtrida);

    ZaznamZprav objekt;
    objekt.odpovedi[kZpravaTestu] = 11;
    HWND okno = objekt.Vytvorit({.trida = L"ZvukoletTestEdit",
                                 .text = L"Počáteční",
                                 .styl = WS_CHILD,
                                 .x = 0,
                                 .y = 0,
                                 .sirka = 80,
                                 .vyska = 20,
                                 .rodic = rodic.Hwnd(),
                                 .instance = Instance()});
    ASSERT_NE(okno, nullptr);
    wchar_t trida[64] = {};
    GetClassNameW(okno, trida, 64);
    EXPECT_EQ(std::wstring(trida), L"ZvukoletTestEdit");
    EXPECT_EQ(objekt.Pocet(WM_NCCREATE), 1);
    EXPECT_EQ(SendMessageW(okno, kZpravaTestu, 0, 0), 11);
    // Edit behaviour from the base procedure.
    EXPECT_EQ(TextOkna(okno), L"Počáteční");
    SendMessageW(okno, EM_SETSEL, 0, -1);
    SendMessageW(okno, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"Nový"));
    EXPECT_EQ(TextOkna(okno), L"Nový");
    EXPECT_EQ(SendMessageW(okno, EM_GETLINECOUNT, 0, 0), 1);
}

} // namespace
