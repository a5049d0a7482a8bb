#include "ui/nastaveni/DlgPrvniSpusteni.h"

#include <shlobj.h>

#include <array>
#include <string_view>

#include "recording/SeznamZarizeni.h"
#include "res/resource.h"
#include "winapi/Diagnostika.h"
#include "winapi/IVrbatecModul.h"
#include "winapi/UmisteniOkna.h"
#include "winapi/ZnameSlozky.h"

namespace Vrbatec::Ui {

namespace {

constexpr std::array<std::wstring_view, 3> kTextyMist{
    L"Do složky kde je umístěn program",
    L"Do složky Dokumenty přihlášeného uživatele",
    L"Do složky \"Data aplikací\" přihlášeného uživatele",
};
constexpr wchar_t kSlozkaVyrobce[] = L"\\Vrbatec";

} // namespace

std::wstring DlgPrvniSpusteni::SouborSeznamu(MistoSeznamu misto) {
    std::wstring slozka;
    switch (misto) {
    case MistoSeznamu::SlozkaProgramu:
        slozka = WinApi::SlozkaProgramu();
        break;
    case MistoSeznamu::Dokumenty:
        slozka = WinApi::ZnamaSlozka(FOLDERID_Documents).value_or(L"");
        break;
    case MistoSeznamu::DataAplikaci:
        slozka = WinApi::ZnamaSlozka(FOLDERID_LocalAppData).value_or(L"") + kSlozkaVyrobce;
        // A folder that is there already is what we want; any other failure shows when the
        // list is written.
        ::CreateDirectoryW(slozka.c_str(), nullptr);
        break;
    }
    return VychoziSouborZdroju(slozka);
}

bool DlgPrvniSpusteni::Spustit() {
    const INT_PTR vysledek =
        SpustitModalne(ZverejnenyModul().Instance(), MAKEINTRESOURCEW(IDD_PRVNI_SPUSTENI), nullptr);
    if (vysledek == -1) {
        FatalniPosledniChyba();
    }
    return zobrazitNastaveni_;
}

bool DlgPrvniSpusteni::PriInicializaci() {
    const HWND okno = Hwnd();
    IVrbatecModul& modul = ZverejnenyModul();
    // A system whose devices cannot be listed keeps the list it had; the combo then offers that.
    VyjmenovatZarizeni();
    NastavitIkony(modul.IkonaVelka(), modul.IkonaMala());
    NastavitTitulek(L"První spuštění aplikace \"" + modul.NazevAplikace() + L"\"");

    nadpis_.PripojitNadpis(::GetDlgItem(okno, IDC_NADPIS_VITEJTE));
    nadpis_.NastavitNazevPisma(L"Verdana");
    ::SetDlgItemTextW(okno, IDC_NADPIS_VITEJTE,
                      (L"Vítejte v aplikaci \"" + modul.NazevAplikace() + L"\"").c_str());

    mista_.Pripojit(::GetDlgItem(okno, IDC_MISTO_SEZNAMU));
    for (std::size_t i = 0; i < kTextyMist.size(); ++i) {
        if (const HRESULT hr =
                mista_.PridatPolozku(std::wstring(kTextyMist[i]), static_cast<LPARAM>(i));
            FAILED(hr)) {
            FatalniHResult(hr);
        }
    }
    mista_.Vybrat(0);

    zarizeni_.Pripojit(::GetDlgItem(okno, IDC_ZARIZENI_ZAZNAMU));
    const Nastaveni& nastaveni = uloziste_.Hodnoty();
    if (const HRESULT hr = zarizeni_.Naplnit(
            {nastaveni.friendlyName, nastaveni.popisZarizeni, nastaveni.devicePath});
        FAILED(hr)) {
        FatalniHResult(hr);
    }

    WinApi::Vycentrovat(okno);
    ::SetForegroundWindow(okno);
    return true;
}

void DlgPrvniSpusteni::PriOk() {
    UlozitVolbu();
    Ukoncit(IDOK);
}

void DlgPrvniSpusteni::PriZruseni() {
    UlozitVolbu();
    Ukoncit(IDCANCEL);
}

void DlgPrvniSpusteni::UlozitVolbu() {
    Nastaveni kopie = uloziste_.Kopie();
    const int vyber = mista_.Vyber();
    const auto misto = vyber < 0 ? MistoSeznamu::SlozkaProgramu
                                 : static_cast<MistoSeznamu>(mista_.DataPolozky(vyber));
    kopie.soubor = SouborSeznamu(misto);
    ZarizeniZaznamu zarizeni;
    if (zarizeni_.Vybrane(zarizeni) == 0) {
        kopie.friendlyName = zarizeni.nazev;
        kopie.popisZarizeni = zarizeni.popis;
        kopie.devicePath = zarizeni.cesta;
    }
    // In place first, so that this run uses the choice even when the registry refuses it.
    if (SUCCEEDED(uloziste_.Pouzit(kopie, Ulozeni::Nic))) {
        uloziste_.UlozitVse();
    }
    zobrazitNastaveni_ = ::IsDlgButtonChecked(Hwnd(), IDC_ZOBRAZIT_NASTAVENI) == BST_CHECKED;
}

} // namespace Vrbatec::Ui
