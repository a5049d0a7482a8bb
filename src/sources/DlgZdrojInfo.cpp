#include "sources/DlgZdrojInfo.h"

#include "winapi/Diagnostika.h"
#include "winapi/VzorTextu.h"
#include "res/resource.h"
#include "sources/InformaceZdroje.h"
#include "winapi/IVrbatecModul.h"

namespace Vrbatec {

INT_PTR DlgZdrojInfo::Spustit(HWND vlastnik) {
    if (!MediumDostupne()) {
        ZobrazitTextZTabulky(IDS_NELZE_NACIST_ZDROJ);
        return IDCANCEL;
    }
    return SpustitModalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_ZDROJ_INFO), vlastnik);
}

// The player answers for the media it has open; with none, even its name fails.
bool DlgZdrojInfo::MediumDostupne() const {
    std::wstring nazev;
    return prehravac_ != nullptr && SUCCEEDED(prehravac_->NazevMedia(nazev));
}

bool DlgZdrojInfo::PriInicializaci() {
    HWND okno = Hwnd();
    informace_.Pripojit(::GetDlgItem(okno, IDC_INFORMACE_ZDROJE));
    IVrbatecModul& modul = ZverejnenyModul();
    NastavitTitulek(VzorTextu::Dosadit(L" Vlastnosti zdroje (%s)", {modul.NazevAplikace()}));
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    ZobrazitZdroj(okno);
    ZobrazitInformace();
    return true;
}

void DlgZdrojInfo::ZobrazitZdroj(HWND okno) const {
    const bool vSeznamu =
        prehravanyIndex_ >= 0 && static_cast<std::uint32_t>(prehravanyIndex_) < seznam_.Pocet();
    const Zdroj prazdny;
    const Zdroj& zdroj =
        vSeznamu ? seznam_.Polozka(static_cast<std::uint32_t>(prehravanyIndex_)) : prazdny;
    ::SetDlgItemTextW(okno, IDC_NAZEV_ZDROJE, zdroj.nazev.c_str());
    ::SetDlgItemTextW(okno, IDC_URL_ZDROJE, zdroj.url.c_str());
}

void DlgZdrojInfo::ZobrazitInformace() {
    const auto radky =
        RadkyInformaciZdroje([this](const std::wstring& atribut, std::wstring& hodnota) {
            return SUCCEEDED(prehravac_->InformaceMedia(atribut, hodnota));
        });
    for (const std::wstring& radek : radky) {
        // A line the list box cannot take only leaves the list shorter.
        informace_.PridatRetezec(radek);
    }
}

} // namespace Vrbatec
