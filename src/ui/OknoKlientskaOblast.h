// The information panel that takes the source list's place in the main window's client
// area: a plain window that holds the panel's dialog and keeps it centred.
#pragma once

#include <windows.h>

#include <memory>

#include "winapi/OknoImpl.h"

namespace Vrbatec {
class DlgKlientskaOblast;
}

namespace Vrbatec::Ui {

class OknoKlientskaOblast final : public WinApi::OknoImpl {
public:
    static constexpr wchar_t kTrida[] = L"ZvukoletKlientObl";

    OknoKlientskaOblast();
    ~OknoKlientskaOblast() override;

    // Creates the window in the parent's client area with its dialog; failures are fatal.
    void Vytvorit(HINSTANCE instance, HWND rodic);

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    void UmistitDialog(int sirka, int vyska);

    std::unique_ptr<DlgKlientskaOblast> dialog_;
};

} // namespace Vrbatec::Ui
