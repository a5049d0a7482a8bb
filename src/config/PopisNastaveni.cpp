#include "config/PopisNastaveni.h"

#include <array>

namespace Vrbatec {

namespace {

using N = Nastaveni;

constexpr PopisHodnoty kKoren[] = {
    {L"ikona", &N::ikona},
    {L"processPriority", &N::processPriority},
    {L"pruhUloh", &N::pruhUloh},
    {L"spustitDoIkony", &N::spustitDoIkony},
    {L"userTask", &N::userTask},
    {L"vlastniVzhled", &N::vlastniVzhled},
    {L"zdrojePopupMenu", &N::zdrojePopupMenu},
    {L"zvuk", &N::zvuk},
};

constexpr PopisHodnoty kAkceIkony[] = {
    {L"ctrlLeve", &N::ctrlLeve},
    {L"ctrlShiftLeve", &N::ctrlShiftLeve},
    {L"leve", &N::leve},
    {L"rCtrlLeve", &N::rCtrlLeve},
    {L"rCtrlRShiftLeve", &N::rCtrlRShiftLeve},
    {L"rShiftLeve", &N::rShiftLeve},
    {L"shiftLeve", &N::shiftLeve},
    {L"stredni", &N::stredni},
};

constexpr PopisHodnoty kIkona[] = {
    {L"pocetKlaves", &N::pocetKlaves},
    {L"zobrKlavesy", &N::zobrKlavesy},
};

constexpr PopisHodnoty kPoSpusteni[] = {
    {L"skrytDoIkony", &N::skrytDoIkony},
    {L"spustitPrijem", &N::spustitPrijem},
};

constexpr PopisHodnoty kPrehravac[] = {
    {L"hlasitost", &N::hlasitost},
    {L"krokZmenyHlasitosti", &N::krokZmenyHlasitosti},
    {L"prehravacStreamu", &N::prehravacStreamu},
    {L"sekundBufferu", &N::sekundBufferu},
};

constexpr PopisHodnoty kSeznamZdroju[] = {
    {L"spustitZmenouCB", &N::spustitZmenouCB},
};

constexpr PopisHodnoty kStavAplikace[] = {
    {L"prehravanyIndex", &N::prehravanyIndex},
};

constexpr PopisHodnoty kZaznam[] = {
    {L"priSpusteni", &N::priSpusteni},
    {L"profil", &N::profil},
    {L"slozka", &N::slozka},
    {L"devicePath", &N::devicePath},
    {L"friendlyName", &N::friendlyName},
};

constexpr PopisHodnoty kZdroje[] = {
    {L"soubor", &N::soubor},
    {L"ulozitPosledni", &N::ulozitPosledni},
};

constexpr PopisHodnoty kZobrazit[] = {
    {L"cbSeznamZdroju", &N::cbSeznamZdroju},
    {L"ovladaciPanel", &N::ovladaciPanel},
    {L"toolBar", &N::toolBar},
    {L"toolBarHlavni", &N::toolBarHlavni},
};

constexpr wchar_t kKlicStavAplikace[] = L"Stav aplikace";
constexpr wchar_t kKlicZobrazit[] = L"Zobrazit";

constexpr std::array kVsechnyHodnoty{
    SkupinaHodnot{L"", kKoren},
    SkupinaHodnot{L"Ikona\\Hlavni\\Akce", kAkceIkony},
    SkupinaHodnot{L"Ikona\\Hlavni", kIkona},
    SkupinaHodnot{L"Po spusteni", kPoSpusteni},
    SkupinaHodnot{L"Mediaplayer", kPrehravac},
    SkupinaHodnot{L"Seznam zdroju", kSeznamZdroju},
    SkupinaHodnot{kKlicStavAplikace, kStavAplikace},
    SkupinaHodnot{L"Zaznam", kZaznam},
    SkupinaHodnot{L"Zdroje", kZdroje},
    SkupinaHodnot{kKlicZobrazit, kZobrazit},
};

constexpr std::array kStavZobrazeni{
    SkupinaHodnot{kKlicStavAplikace, kStavAplikace},
    SkupinaHodnot{kKlicZobrazit, kZobrazit},
};

} // namespace

std::span<const SkupinaHodnot> HodnotyNastaveni() {
    return kVsechnyHodnoty;
}

std::span<const SkupinaHodnot> HodnotyStavuZobrazeni() {
    return kStavZobrazeni;
}

} // namespace Vrbatec
