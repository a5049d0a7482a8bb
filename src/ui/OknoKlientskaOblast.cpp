#include "ui/OknoKlientskaOblast.h"

#include "winapi/Diagnostika.h"
#include "ui/RozvrzeniOkna.h"
#include "ui/DlgKlientskaOblast.h"
#include "winapi/RegistraceTridy.h"

namespace Vrbatec::Ui {

OknoKlientskaOblast::OknoKlientskaOblast() = default;

OknoKlientskaOblast::~OknoKlientskaOblast() {
    // The dialog is a child: it must go while this object still sees the window's messages.
    if (HWND okno = Hwnd(); okno != nullptr && VytvorenoObjektem()) {
        ::DestroyWindow(okno);
    }
}

void OknoKlientskaOblast::Vytvorit(HINSTANCE instance, HWND rodic) {
    WNDCLASSEXW trida{};
    trida.hInstance = instance;
    trida.lpszClassName = kTrida;
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    if (WinApi::RegistrovatTriduOkna(trida) == 0) {
        FatalniPosledniChyba();
    }
    const HWND okno = OknoImpl::Vytvorit({.trida = kTrida,
                                          .styl = WS_CHILD | WS_VISIBLE,
                                          .x = 0,
                                          .y = 0,
                                          .sirka = 10,
                                          .vyska = 10,
                                          .rodic = rodic,
                                          .instance = instance});
    if (okno == nullptr) {
        FatalniPosledniChyba();
    }
    dialog_ = std::make_unique<DlgKlientskaOblast>();
    if (dialog_->Vytvorit(instance, okno) == nullptr) {
        FatalniPosledniChyba();
    }
}

bool OknoKlientskaOblast::ZpracovatZpravu(HWND, UINT zprava, WPARAM, LPARAM lParam,
                                          LRESULT& vysledek) {
    switch (zprava) {
    case WM_SIZE:
        UmistitDialog(LOWORD(lParam), HIWORD(lParam));
        vysledek = 0;
        return true;
    case WM_DESTROY:
        dialog_.reset();
        return false;
    default:
        return false;
    }
}

void OknoKlientskaOblast::UmistitDialog(int sirka, int vyska) {
    if (!dialog_ || dialog_->Hwnd() == nullptr) {
        return;
    }
    RECT obdelnik{};
    ::GetWindowRect(dialog_->Hwnd(), &obdelnik);
    const int sirkaDialogu = obdelnik.right - obdelnik.left;
    const int vyskaDialogu = obdelnik.bottom - obdelnik.top;
    const auto poloha =
        RozvrzeniOkna::PolohaDialoguPanelu(sirka, vyska, sirkaDialogu, vyskaDialogu);
    ::MoveWindow(dialog_->Hwnd(), poloha.x, poloha.y, sirkaDialogu, vyskaDialogu, TRUE);
}

} // namespace Vrbatec::Ui
