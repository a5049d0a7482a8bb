// Binding window objects to real windows: subclass attach and detach, the last message, and
// what destroying the object does to its window. Own classes and superclasses are created by
// the main window and the source list in their tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <new>

#include "OknaTestu.h"
#include "winapi/Dialog.h"
#include "winapi/RegistraceTridy.h"

namespace {

using namespace Vrbatec;
using Testy::kZpravaTestu;
using Testy::TextOkna;
using Testy::ZaznamZprav;

// The window works as an edit, with the procedure given and none of the object's answers.
void ExpectEditBezObjektu(HWND edit, LONG_PTR procedura) {
    EXPECT_EQ(GetWindowLongPtrW(edit, GWLP_WNDPROC), procedura);
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 0, 0), 0);
    SetWindowTextW(edit, L"Stanice");
    EXPECT_EQ(TextOkna(edit), L"Stanice");
}

TEST(VazbaOkna, MessagesReachAnAttachedObjectOnlyWhileAttached) {
    Testy::RodicTestu rodic;
    HWND edit = rodic.VytvoritDite(L"EDIT", 100);
    const LONG_PTR puvodni = GetWindowLongPtrW(edit, GWLP_WNDPROC);
    ZaznamZprav objekt;
    objekt.odpovedi[kZpravaTestu] = 42;
    ASSERT_TRUE(objekt.Pripojit(edit));
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 1, 2), 42);
    ASSERT_EQ(objekt.Pocet(kZpravaTestu), 1);
    EXPECT_EQ(objekt.zpravy.back().lParam, 2);
    // What the object leaves alone still reaches the edit.
    SetWindowTextW(edit, L"Radio");
    EXPECT_EQ(TextOkna(edit), L"Radio");

    objekt.Odpojit();
    EXPECT_EQ(objekt.Hwnd(), nullptr);
    ExpectEditBezObjektu(edit, puvodni);
    EXPECT_EQ(objekt.Pocet(kZpravaTestu), 1);

    // Destroying an attached object detaches it and leaves the window.
    auto docasny = std::make_unique<ZaznamZprav>();
    ASSERT_TRUE(docasny->Pripojit(edit));
    docasny.reset();
    ASSERT_TRUE(IsWindow(edit));
    ExpectEditBezObjektu(edit, puvodni);

    // Destroying the window unbinds the object after its last message, once.
    ASSERT_TRUE(objekt.Pripojit(edit));
    DestroyWindow(edit);
    EXPECT_EQ(objekt.Pocet(WM_NCDESTROY), 1);
    EXPECT_EQ(objekt.poPosledniZprave, 1);
    EXPECT_TRUE(objekt.hwndPrazdnyPoPosledniZprave);
}

TEST(VazbaOkna, DestroyedInsideAMessageTheObjectMayDeleteItselfOnlyAfterIt) {
    const WNDCLASSEXW vlastni{.hInstance = GetModuleHandleW(nullptr),
                              .lpszClassName = L"ZvukoletTestVlastni"};
    ASSERT_NE(WinApi::RegistrovatTriduOkna(vlastni), 0);
    static int zniceno;
    zniceno = 0;
    struct SamoMazaci : ZaznamZprav {
        ~SamoMazaci() override { ++zniceno; }
        void PoPosledniZprave() override { delete this; }
    };
    auto* mazaci = new SamoMazaci;
    int znicenoPredKoncemZpravy = -1;
    mazaci->akce[kZpravaTestu] = [&](HWND okno) {
        DestroyWindow(okno);
        znicenoPredKoncemZpravy = zniceno;
    };
    mazaci->odpovedi[kZpravaTestu] = 5;
    HWND okno = mazaci->Vytvorit(
        {.trida = vlastni.lpszClassName, .styl = WS_POPUP, .instance = vlastni.hInstance});
    ASSERT_NE(okno, nullptr);

    EXPECT_EQ(SendMessageW(okno, kZpravaTestu, 0, 0), 5);
    EXPECT_EQ(znicenoPredKoncemZpravy, 0);
    EXPECT_EQ(zniceno, 1);
    EXPECT_FALSE(IsWindow(okno));
}

// Ends its own life in the handler of the test message, as an owner reacting to what the
// window reports may do; the storage stays readable so that any later write into it shows.
struct KonciVeZprave final : WinApi::OknoImpl {
    static constexpr unsigned char kVzor = 0xA5;
    bool ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM, LRESULT& vysledek) override {
        if (zprava != kZpravaTestu) {
            return false;
        }
        auto* pamet = reinterpret_cast<unsigned char*>(this);
        this->~KonciVeZprave();
        std::fill_n(pamet, sizeof(KonciVeZprave), kVzor);
        vysledek = 7;
        return true;
    }
};

TEST(VazbaOkna, AnObjectDestroyedInsideAMessageOfItsWindowIsNotTouchedAfterwards) {
    // Before the parent: should the object outlive the message, the edit's end still finds it.
    alignas(KonciVeZprave) unsigned char pamet[sizeof(KonciVeZprave)];
    Testy::RodicTestu rodic;
    HWND edit = rodic.VytvoritDite(L"EDIT", 100);
    const LONG_PTR puvodni = GetWindowLongPtrW(edit, GWLP_WNDPROC);
    ASSERT_TRUE((new (pamet) KonciVeZprave)->Pripojit(edit));
    EXPECT_EQ(SendMessageW(edit, kZpravaTestu, 0, 0), 7);
    EXPECT_TRUE(std::all_of(std::begin(pamet), std::end(pamet),
                            [](unsigned char b) { return b == KonciVeZprave::kVzor; }));
    ExpectEditBezObjektu(edit, puvodni);
}

TEST(VazbaOkna, ADialogObjectHoldsOneWindowAtATime) {
    struct {
        DLGTEMPLATE sablona;
        WORD menu, trida, titulek;
    } const sablona{{WS_POPUP, 0, 0, 0, 0, 60, 20}, 0, 0, 0};
    auto dialog = std::make_unique<WinApi::Dialog>();
    HWND prvni = dialog->VytvoritNemodalne(GetModuleHandleW(nullptr), &sablona.sablona, nullptr);
    ASSERT_NE(prvni, nullptr);
    SetLastError(0);
    EXPECT_EQ(dialog->VytvoritNemodalne(GetModuleHandleW(nullptr), &sablona.sablona, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_INITIALIZED));
    Testy::ObsluhaDialogu obsluha([](HWND modalni) { EndDialog(modalni, IDABORT); });
    EXPECT_EQ(dialog->SpustitModalne(GetModuleHandleW(nullptr), &sablona.sablona, nullptr), -1);
    EXPECT_FALSE(obsluha.probehla);
    EXPECT_EQ(dialog->Hwnd(), prvni);
    // The window it holds goes with it, and no other is left pointing at it.
    dialog.reset();
    EXPECT_FALSE(IsWindow(prvni));
}

} // namespace
