#include "ui/SoucastNastaveni.h"

#include "recording/SeznamZarizeni.h"
#include "res/resource.h"
#include "ui/nastaveni/DlgPrvniSpusteni.h"

namespace Vrbatec::Ui {

namespace {

bool StejnyBezVelikosti(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// Keeps the slot filled for as long as a dialog runs, and empties it however the run ends.
template <class T>
class OtevrenyDialog {
public:
    OtevrenyDialog(T*& slot, T& dialog) noexcept : slot_(slot) { slot_ = &dialog; }
    ~OtevrenyDialog() { slot_ = nullptr; }
    OtevrenyDialog(const OtevrenyDialog&) = delete;
    OtevrenyDialog& operator=(const OtevrenyDialog&) = delete;

private:
    T*& slot_;
};

} // namespace

bool SoucastNastaveni::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM lParam,
                                       LRESULT& vysledek) {
    if (zprava != WM_COMMAND || LOWORD(wParam) != ID_NASTAVENI) {
        return false;
    }
    OtevritNastaveni(lParam);
    vysledek = 0;
    return true;
}

HWND SoucastNastaveni::OtevreneNastaveni() const {
    return otevrene_ != nullptr ? otevrene_->Hwnd() : nullptr;
}

void SoucastNastaveni::OtevritNastaveni(LPARAM startovniStranka) {
    if (otevrene_ != nullptr) {
        if (const HWND okno = otevrene_->Hwnd(); okno != nullptr) {
            ::SetForegroundWindow(okno);
        }
        return;
    }
    if (nahravani_ || hlavniOkno_ == nullptr) {
        ::MessageBeep(MB_ICONINFORMATION);
        return;
    }
    ZajistitVychoziZarizeni(uloziste_);
    const std::wstring soubor = uloziste_.Hodnoty().soubor;
    const bool klavesyRegistrovany = okoli_.OdregistrovatKlavesy();
    {
        DlgNastaveni dialog(uloziste_, aplikace_.MalyPruh(), hlavniOkno_,
                            static_cast<int>(startovniStranka), tovarna_);
        const OtevrenyDialog hlidac(otevrene_, dialog);
        const OtevrenyDialog hlidacDialogu(otevrenyDialog_, static_cast<WinApi::Dialog&>(dialog));
        dialog.Spustit();
    }
    if (hlavniOkno_ == nullptr) {
        return;
    }
    if (klavesyRegistrovany) {
        okoli_.ZnovuRegistrovatKlavesy();
    }
    NacistZdrojeKdyzJinySoubor(soubor);
    okoli_.ZnovuPouzitNastaveni();
}

void SoucastNastaveni::PrvniSpusteni() {
    ZajistitVychoziZarizeni(uloziste_);
    const std::wstring soubor = uloziste_.Hodnoty().soubor;
    bool zobrazitNastaveni = false;
    {
        DlgPrvniSpusteni dialog(uloziste_);
        const OtevrenyDialog hlidac(otevrenyDialog_, static_cast<WinApi::Dialog&>(dialog));
        zobrazitNastaveni = dialog.Spustit();
    }
    if (hlavniOkno_ == nullptr) {
        return;
    }
    NacistZdrojeKdyzJinySoubor(soubor);
    if (zobrazitNastaveni) {
        ::PostMessageW(hlavniOkno_, WM_COMMAND, ID_NASTAVENI, 0);
    }
}

void SoucastNastaveni::NacistZdrojeKdyzJinySoubor(const std::wstring& puvodni) {
    if (!StejnyBezVelikosti(puvodni, uloziste_.Hodnoty().soubor)) {
        okoli_.NacistZdrojeZnovu();
    }
}

void SoucastNastaveni::Odpojit() {
    hlavniOkno_ = nullptr;
    if (otevrenyDialog_ != nullptr && otevrenyDialog_->Hwnd() != nullptr) {
        otevrenyDialog_->Ukoncit(IDCANCEL);
    }
}

} // namespace Vrbatec::Ui
