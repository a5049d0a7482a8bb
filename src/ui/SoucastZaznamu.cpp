#include "ui/SoucastZaznamu.h"

#include <shellapi.h>
#include <shlwapi.h>

#include "config/Nastaveni.h"
#include "config/UlozisteNastaveni.h"
#include "playback/Prehravani.h"
#include "recording/PravidloZaznamu.h"
#include "recording/SeznamZarizeni.h"
#include "res/resource.h"
#include "ui/StavovyRadek.h"
#include "winapi/Diagnostika.h"

namespace Vrbatec::Ui {

namespace {

constexpr UINT kPeriodaBlikani = 800;

} // namespace

SoucastZaznamu::SoucastZaznamu(Okoli& okoli, const Prehravani& prehravani, TovarnaGrafu tovarna)
    : okoli_(okoli), prehravani_(prehravani), nahravac_(std::move(tovarna)) {}

void SoucastZaznamu::Pripojit(HWND hlavniOkno) {
    okno_ = hlavniOkno;
    nahravac_.Pripojit(this);
}

void SoucastZaznamu::Odpojit() {
    nahravac_.Dokoncit();
    nahravac_.Pripojit(nullptr);
    if (okno_ != nullptr) {
        // At the end of a session the window stays; its icon must not blink on.
        ::KillTimer(okno_, kCasovacZaznamu);
        okno_ = nullptr;
    }
}

bool SoucastZaznamu::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM, LRESULT& vysledek) {
    if (zprava != WM_COMMAND) {
        return false;
    }
    switch (LOWORD(wParam)) {
    case ID_SPUSTIT_ZAZNAM:
        SpustitZaznam();
        break;
    case ID_UKONCIT_ZAZNAM:
        nahravac_.Ukoncit();
        break;
    case ID_SLOZKA_ZAZNAMU:
        OtevritSlozkuZaznamu();
        break;
    default:
        return false;
    }
    vysledek = 0;
    return true;
}

void SoucastZaznamu::SpustitZaznam() {
    switch (PravidloZaznamu::PoPozadavku(NastaveniAplikace().priSpusteni, NecoHraje())) {
    case PravidloZaznamu::Ukon::OdmitnoutPipnutim:
        ::MessageBeep(MB_OK);
        return;
    case PravidloZaznamu::Ukon::SpustitPrehravaniANahravat:
        ::SendMessageW(okno_, WM_COMMAND, ID_SPUSTIT_PRIJEM, 0);
        NahravatNyni();
        return;
    case PravidloZaznamu::Ukon::Nahravat:
        NahravatNyni();
        return;
    }
}

void SoucastZaznamu::NahravatNyni() {
    ZajistitVychoziZarizeni(UlozisteAplikace());
    const Nastaveni& nastaveni = NastaveniAplikace();
    nahravac_.Spustit(
        {.slozka = nastaveni.slozka,
         .prehravanyNazev = prehravani_.PrehravanyNazev(),
         .zarizeni = {nastaveni.friendlyName, nastaveni.popisZarizeni, nastaveni.devicePath},
         .profil = nastaveni.profil});
}

bool SoucastZaznamu::NecoHraje() const {
    return prehravani_.PrehravanyIndex() != kNicSeNeprehrava ||
           !prehravani_.OtevrenaAdresa().empty();
}

void SoucastZaznamu::OtevritSlozkuZaznamu() {
    const std::wstring& slozka = NastaveniAplikace().slozka;
    if (slozka.empty() || !::PathFileExistsW(slozka.c_str())) {
        return;
    }
    const wchar_t* sloveso = ::GetAsyncKeyState(VK_CONTROL) < 0 ? L"explore" : L"open";
    // Opening the folder is a convenience; the shell tells the user itself what went wrong.
    ::ShellExecuteW(nullptr, sloveso, slozka.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

HRESULT SoucastZaznamu::SpustitBlikani() {
    return ::SetTimer(okno_, kCasovacZaznamu, kPeriodaBlikani, nullptr) != 0
               ? S_OK
               : HResultPosledniChyby();
}

HRESULT SoucastZaznamu::UkoncitBlikani() {
    return ::KillTimer(okno_, kCasovacZaznamu) ? S_OK : HResultPosledniChyby();
}

void SoucastZaznamu::OznamitNaIkone(const std::wstring& bublina, const std::wstring& tip) {
    okoli_.OznamitNaIkone(bublina, tip);
}

void SoucastZaznamu::ZmenilSeZaznam() {
    okoli_.AktualizovatStavPrikazu();
}

} // namespace Vrbatec::Ui
