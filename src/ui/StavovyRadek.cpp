#include "ui/StavovyRadek.h"

#include <commctrl.h>

#include "winapi/Diagnostika.h"
#include "res/resource.h"
#include "ui/NabidkyHlavnihoOkna.h"
#include "ui/SluzbyAplikace.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/PopisOkna.h"

namespace Vrbatec::Ui {

void StavovyRadek::Vytvorit(HWND rodic, HINSTANCE instance, const std::wstring& text,
                            HICON ikonaPrehravani, HICON ikonaZaznamu) {
    okno_.Reset(::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS,
                                  0, 0, 0, 0, rodic, WinApi::MenuZId(IDC_STAVOVY_RADEK), instance,
                                  nullptr));
    if (!okno_) {
        FatalniPosledniChyba();
    }
    // Two icon cells of 24 pixels, the text takes the rest.
    int praveOkraje[] = {24, 48, -1};
    if (::SendMessageW(okno_.Get(), SB_SETPARTS, 3, reinterpret_cast<LPARAM>(praveOkraje)) == 0) {
        FatalniPosledniChyba();
    }
    NastavitText(text);
    NastavitIkonu(kCastIkonyPrehravani, ikonaPrehravani);
    NastavitIkonu(kCastIkonyZaznamu, ikonaZaznamu);
}

void StavovyRadek::Pripojit(HWND hlavniOkno) {
    if (aplikace_ == nullptr) {
        FatalniHResult(E_UNEXPECTED);
    }
    Vytvorit(hlavniOkno, ZverejnenyModul().Instance(), *textPripraven_,
             aplikace_->StavIkona(StavovaIkona::Zastaveno),
             aplikace_->StavIkona(StavovaIkona::BezZaznamu));
}

void StavovyRadek::Obnovit(const StavProgramu& stav) {
    if (stav.nahravani == nahravani_) {
        return;
    }
    nahravani_ = stav.nahravani;
    if (Existuje() && aplikace_ != nullptr) {
        NastavitIkonu(
            kCastIkonyZaznamu,
            aplikace_->StavIkona(nahravani_ ? StavovaIkona::Zaznam : StavovaIkona::BezZaznamu));
    }
}

bool StavovyRadek::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM, LRESULT& vysledek) {
    if (zprava == WM_MENUSELECT && Existuje()) {
        NabidkyHlavnihoOkna::PriVyberuPolozky(wParam, *this, *textPripraven_);
        return false;
    }
    if (zprava == WM_TIMER && wParam == kCasovacZaznamu) {
        if (nahravani_ && Existuje()) {
            BliknoutZaznamem(aplikace_->StavIkona(StavovaIkona::Zaznam),
                             aplikace_->StavIkona(StavovaIkona::BezZaznamu));
        }
        vysledek = 0;
        return true;
    }
    return false;
}

void StavovyRadek::UkazatPrehravani(bool prehrava) {
    if (Existuje() && aplikace_ != nullptr) {
        NastavitIkonu(
            kCastIkonyPrehravani,
            aplikace_->StavIkona(prehrava ? StavovaIkona::Prehravani : StavovaIkona::Zastaveno));
    }
}

void StavovyRadek::Zrusit() {
    okno_.Reset();
}

void StavovyRadek::NastavitText(const std::wstring& text) {
    if (::SendMessageW(PlatneOkno(), SB_SETTEXTW, kCastTextu,
                       reinterpret_cast<LPARAM>(text.c_str())) == 0) {
        FatalniPosledniChyba();
    }
}

std::wstring StavovyRadek::Text() const {
    const HWND okno = PlatneOkno();
    const auto delka = LOWORD(::SendMessageW(okno, SB_GETTEXTLENGTHW, kCastTextu, 0));
    std::wstring text(delka + 1u, L'\0');
    ::SendMessageW(okno, SB_GETTEXTW, kCastTextu, reinterpret_cast<LPARAM>(text.data()));
    text.resize(delka);
    return text;
}

void StavovyRadek::NastavitIkonu(int cast, HICON ikona) {
    if (::SendMessageW(PlatneOkno(), SB_SETICON, static_cast<WPARAM>(cast),
                       reinterpret_cast<LPARAM>(ikona)) == 0) {
        FatalniPosledniChyba();
    }
}

HICON StavovyRadek::Ikona(int cast) const {
    return reinterpret_cast<HICON>(
        ::SendMessageW(PlatneOkno(), SB_GETICON, static_cast<WPARAM>(cast), 0));
}

int StavovyRadek::Vyska() const {
    RECT obdelnik{};
    if (!okno_ || !::GetWindowRect(okno_.Get(), &obdelnik)) {
        return 0;
    }
    return obdelnik.bottom - obdelnik.top;
}

void StavovyRadek::PriZmeneVelikosti() {
    if (okno_) {
        ::SendMessageW(okno_.Get(), WM_SIZE, 0, 0);
    }
}

void StavovyRadek::BliknoutZaznamem(HICON ikonaZaznamu, HICON ikonaBezZaznamu) {
    const bool bezZaznamu = Ikona(kCastIkonyZaznamu) == ikonaBezZaznamu;
    NastavitIkonu(kCastIkonyZaznamu, bezZaznamu ? ikonaZaznamu : ikonaBezZaznamu);
}

HWND StavovyRadek::PlatneOkno() const {
    if (!okno_) {
        FatalniHResult(E_HANDLE);
    }
    return okno_.Get();
}

} // namespace Vrbatec::Ui
