#include "ui/HorkeKlavesy.h"

#include <algorithm>
#include <iterator>

#include "config/UlozisteNastaveni.h"
#include "res/resource.h"
#include "ui/OznameniIkony.h"
#include "ui/TextHorkeKlavesy.h"
#include "winapi/Diagnostika.h"
#include "winapi/VzorTextu.h"

namespace Vrbatec::Ui {

namespace {

std::wstring NazevKlavesySystemu(std::uint32_t klavesa) {
    const UINT scan = ::MapVirtualKeyW(klavesa, MAPVK_VK_TO_VSC);
    if (scan == 0) {
        return {};
    }
    wchar_t nazev[100] = {};
    const auto argument = static_cast<LONG>(TextHorkeKlavesy::ArgumentNazvu(klavesa, scan));
    const int delka = ::GetKeyNameTextW(argument, nazev, static_cast<int>(std::size(nazev)));
    return delka > 0 ? std::wstring(nazev, static_cast<std::size_t>(delka)) : std::wstring();
}

} // namespace

std::wstring TextHorkeKlavesy::Zformatovat(std::uint32_t modifikatory, std::uint32_t klavesa) {
    return Sestavit(modifikatory, klavesa, NazevKlavesySystemu);
}

void HorkeKlavesy::Pripojit(HWND hlavniOkno) {
    okno_ = hlavniOkno;
    RegistrovatVse();
}

void HorkeKlavesy::Odpojit() {
    OdregistrovatVse();
    okno_ = nullptr;
}

bool HorkeKlavesy::ZpracovatZpravu(UINT zprava, WPARAM wParam, LPARAM, LRESULT& vysledek) {
    if (zprava != WM_HOTKEY) {
        return false;
    }
    // The system's own identifiers (negative) are not commands of the program.
    const auto prikaz = static_cast<std::uint32_t>(wParam);
    if (std::find(registrovane_.begin(), registrovane_.end(), prikaz) != registrovane_.end()) {
        ::PostMessageW(okno_, WM_COMMAND, wParam, 0);
    }
    vysledek = 0;
    return true;
}

void HorkeKlavesy::RegistrovatVse() {
    if (!prvniInstance_ || registrovano_ || okno_ == nullptr) {
        return;
    }
    const TabulkaHorkychKlaves tabulka = UlozisteAplikace().Kopie().horkeKlavesy;
    int selhani = 0;
    for (const HorkaKlavesa& klavesa : tabulka.Zaznamy()) {
        if (klavesa.klavesa == 0) {
            continue;
        }
        if (::RegisterHotKey(okno_, static_cast<int>(klavesa.prikaz), klavesa.modifikatory,
                             klavesa.klavesa)) {
            registrovane_.push_back(klavesa.prikaz);
        } else {
            ++selhani;
        }
    }
    OznamitSelhani(IDS_ZKRATKY_NEZAREGISTROVANY, selhani);
    // Also when some failed: those stay in the table and are simply not in force.
    registrovano_ = true;
}

void HorkeKlavesy::OdregistrovatVse() {
    if (!prvniInstance_ || !registrovano_) {
        return;
    }
    int selhani = 0;
    for (const std::uint32_t prikaz : registrovane_) {
        if (!::UnregisterHotKey(okno_, static_cast<int>(prikaz))) {
            ++selhani;
        }
    }
    registrovane_.clear();
    OznamitSelhani(IDS_ZKRATKY_NEODREGISTROVANY, selhani);
    registrovano_ = false;
}

void HorkeKlavesy::OznamitSelhani(UINT idTextu, int pocet) {
    if (pocet == 0) {
        return;
    }
    std::wstring vzor;
    NacistRetezec(idTextu, vzor);
    ikona_.ZobrazitBublinu(VzorTextu::Dosadit(vzor, {std::to_wstring(pocet)}), NIIF_INFO);
}

} // namespace Vrbatec::Ui
