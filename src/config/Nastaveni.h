// The user's settings as the program holds them: one plain structure, read directly by
// every part of the program that needs a setting. The member initialisers are the
// defaults; the Documents folder, the list file and the recording device are defaults
// that depend on the machine and are filled in by NastavitVychozi.
//
// The fields are named after their registry values (PopisNastaveni.h has the layout).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/Guid.h"
#include "config/TabulkaHorkychKlaves.h"

namespace Vrbatec {

// What "ikona" allows.
enum : std::uint32_t {
    kIkonaNikdy = 0,
    kIkonaPriMinimalizaci = 1,
    kIkonaVzdy = 2,
};

// What "priSpusteni" makes of a request to start recording.
enum : std::uint32_t {
    kZaznamVzdy = 0,
    kZaznamSPrehravanim = 1,
    kZaznamJenPriPrehravani = 2,
};

// "toolBar": icon size of the toolbar.
enum : std::uint32_t {
    kPanelMaleIkony = 1,
    kPanelVelkeIkony = 2,
};

// "prehravacStreamu": what plays http and https addresses. Any other number is taken as the
// default, so a value from a later version still plays.
enum : std::uint32_t {
    kStreamyVestavenym = 0,
    kStreamyOvladacem = 1,
};

inline constexpr std::int32_t kNicSeNeprehrava = -1;

// {407B9450-8BDC-4EE5-88B8-6F527BD941F2}
inline constexpr Guid kVychoziProfil{
    0x407B9450, 0x8BDC, 0x4EE5, {0x88, 0xB8, 0x6F, 0x52, 0x7B, 0xD9, 0x41, 0xF2}};

struct Nastaveni {
    // Root key.
    std::uint32_t ikona = kIkonaPriMinimalizaci;
    std::uint32_t processPriority = 32; // NORMAL_PRIORITY_CLASS
    bool pruhUloh = true;
    bool spustitDoIkony = false;
    bool userTask = true;
    bool zdrojePopupMenu = true;
    bool vlastniVzhled = true;
    bool zvuk = true;

    // "Ikona\Hlavni\Akce": commands run by clicks on the notification icon, 0 = none.
    std::uint32_t leve = 40024;
    std::uint32_t ctrlLeve = 40026;
    std::uint32_t ctrlShiftLeve = 40023;
    std::uint32_t shiftLeve = 40025;
    std::uint32_t rCtrlLeve = 40002;
    std::uint32_t rCtrlRShiftLeve = 0;
    std::uint32_t rShiftLeve = 40002;
    std::uint32_t stredni = 40023;

    // "Ikona\Hlavni"
    bool zobrKlavesy = true;
    std::uint32_t pocetKlaves = 30;

    // "Po spusteni"
    bool skrytDoIkony = false;
    bool spustitPrijem = false;

    // "Mediaplayer"
    std::uint32_t sekundBufferu = 5;
    std::uint32_t hlasitost = 50;
    std::uint32_t krokZmenyHlasitosti = 2;
    std::uint32_t prehravacStreamu = kStreamyVestavenym;

    // "Seznam zdroju"
    bool spustitZmenouCB = true;

    // "Stav aplikace"
    std::int32_t prehravanyIndex = kNicSeNeprehrava;

    // "Zaznam"
    Guid profil = kVychoziProfil;
    std::wstring slozka;
    std::uint32_t priSpusteni = kZaznamSPrehravanim;
    // The chosen recording device: name and path are stored, the description is not.
    std::wstring friendlyName;
    std::wstring popisZarizeni;
    std::wstring devicePath;

    // "Zdroje"
    std::wstring soubor;
    bool ulozitPosledni = true;

    // "Zobrazit"
    bool cbSeznamZdroju = true;
    std::uint32_t toolBar = kPanelMaleIkony;
    bool toolBarHlavni = true;
    bool ovladaciPanel = true;

    // "Horke klavesy"
    TabulkaHorkychKlaves horkeKlavesy;

    friend bool operator==(const Nastaveni&, const Nastaveni&) = default;
};

// The recording device that becomes the default: the first one the system lists.
struct VychoziZarizeni {
    std::wstring friendlyName;
    std::wstring popis;
    std::wstring devicePath;
};

// Sets every setting to its default and the hotkey table to its ten unbound commands.
// Without a Documents folder "slozka" and "soubor" keep what they held; without a device
// the recording device keeps what it held.
void NastavitVychozi(Nastaveni& nastaveni, const std::optional<std::wstring>& slozkaDokumentu,
                     const std::optional<VychoziZarizeni>& prvniZarizeni);

// The list file "Zvukolet.xml" in the given folder: "soubor" by default, in the Documents
// folder, and each place the first-run dialog offers.
std::wstring VychoziSouborZdroju(const std::wstring& slozka);

} // namespace Vrbatec
