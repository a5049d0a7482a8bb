// The process-wide settings: the structure, the lock that load and the saves hold for
// their whole run, and the operations that move the settings between memory and the
// registry. Other parts read single fields on the GUI thread without the lock.
//
// The registry root is a parameter so that tests can use a root of their own; the program
// uses the one store of UlozisteAplikace() under kKorenNastaveni.
#pragma once

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>

#include "config/Nastaveni.h"

namespace Vrbatec {

class UlozisteNastaveni {
public:
    // The root path is below HKEY_CURRENT_USER.
    explicit UlozisteNastaveni(std::wstring koren);
    UlozisteNastaveni(const UlozisteNastaveni&) = delete;
    UlozisteNastaveni& operator=(const UlozisteNastaveni&) = delete;

    Nastaveni& Hodnoty() { return hodnoty_; }
    const std::wstring& Koren() const { return koren_; }

    // Every default, with the Documents folder of the user for recordings and the list
    // file, and the first recording device the system lists (none yet: nullopt).
    void NastavitVychozi(const std::optional<VychoziZarizeni>& prvniZarizeni);
    // Reads every stored value over what is held. Returns 1 when the settings root does
    // not exist (a first run: nothing is read, nothing is created), else 0.
    int Nacist();
    // Writes every value and the hotkey table; 0 or the HRESULT of the first failing key
    // or value, after which nothing more is written.
    HRESULT UlozitVse();
    // Writes only the playing index and the bars.
    HRESULT UlozitStavZobrazeni();
    // Rebuilds the hotkey table from the registry without taking the lock; 0, or 1 when
    // nothing is stored.
    HRESULT NacistHorkeKlavesy();

private:
    std::wstring koren_;
    std::mutex zamek_;
    Nastaveni hodnoty_;
};

UlozisteNastaveni& UlozisteAplikace();
// The settings of UlozisteAplikace().
Nastaveni& NastaveniAplikace();

} // namespace Vrbatec
