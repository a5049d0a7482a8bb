// The notification icon's own tooltip: a small always-on-top window at the pointer with the
// overview of the global hotkeys, shown in place of the shell's tooltip while the pointer rests
// on the icon. Its window exists only while it shows; its text is given at each opening, so it
// tells the table as it is at that moment.
//
// It is drawn as the theme draws tooltips, with the theme's message-box font, or plainly in
// the system's tooltip colours without visual styles. It takes its size from the text at its
// first paint, then moves to the pointer and stays on the primary monitor's work area.
#pragma once

#include <windows.h>
#include <uxtheme.h>

#include <string>

#include "winapi/Handle.h"
#include "winapi/Okno.h"

namespace Vrbatec::Ui {

namespace Detail {
struct MotivHandle : WinApi::Detail::NulovyHandle<HTHEME> {
    static void Zavrit(HTHEME h) noexcept { ::CloseThemeData(h); }
};
} // namespace Detail
using UniqueMotiv = WinApi::Handle<Detail::MotivHandle>;

class OknoToolTipIkona final : public WinApi::Okno {
public:
    static constexpr wchar_t kTrida[] = L"TTIkonaOknaPlus";

    OknoToolTipIkona() = default;
    ~OknoToolTipIkona() override;

    // Creates and shows the window with the text; failures are fatal.
    void Otevrit(std::wstring text);
    void Zavrit();
    bool Otevreno() const noexcept { return Hwnd() != nullptr; }
    const std::wstring& Text() const noexcept { return text_; }

    bool ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wParam, LPARAM lParam,
                         LRESULT& vysledek) override;

private:
    void Kreslit(HWND okno);
    // The window fitted to the text at the pointer; once, at the first paint.
    void Umistit(HWND okno, const RECT& textu);

    std::wstring text_;
    WinApi::UniqueFont pismo_;
    UniqueMotiv motivOkna_;
    UniqueMotiv motivTipu_;
    bool prvniKresleni_ = false;
};

} // namespace Vrbatec::Ui
