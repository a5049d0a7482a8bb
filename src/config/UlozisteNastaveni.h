// The process-wide settings: the structure, the lock that load and the saves hold for
// their whole run, and the operations that move the settings between memory and the
// registry. Other parts read single fields on the GUI thread without the lock.
//
// Whoever changes settings (a dialog, a settings page, a view command) edits a copy
// (Kopie) and hands it to Pouzit, which judges it, saves it and only then puts it in
// place of the live settings. A dialog that is cancelled simply drops its copy; what an
// earlier apply put in place stays.
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

// How much of an applied copy is written to the registry at once.
enum class Ulozeni {
    Vse,           // every value and the hotkeys: the settings dialog and the first run
    StavZobrazeni, // the playing index and the bars, as the end of the session does
    Nic,           // nothing now: a view change the end of the session will write
};

class UlozisteNastaveni {
public:
    // The root path is below HKEY_CURRENT_USER.
    explicit UlozisteNastaveni(std::wstring koren);
    UlozisteNastaveni(const UlozisteNastaveni&) = delete;
    UlozisteNastaveni& operator=(const UlozisteNastaveni&) = delete;

    Nastaveni& Hodnoty() { return hodnoty_; }
    // A copy of the live settings to edit.
    Nastaveni Kopie() const { return hodnoty_; }
    // Judges the copy (PravidlaNastaveni), writes it as `ulozeni` says and puts it in place.
    // E_INVALIDARG with the user's message in `chyba` for a value that breaks its rule, or
    // the HRESULT of a failed write; either way the live settings stay as they were.
    HRESULT Pouzit(const Nastaveni& kopie, Ulozeni ulozeni, std::wstring* chyba = nullptr);
    const std::wstring& Koren() const { return koren_; }

    // Every default, with the Documents folder of the user for recordings and the list
    // file, and the first recording device the system lists (none yet: nullopt).
    void NastavitVychozi(const std::optional<VychoziZarizeni>& prvniZarizeni);
    // Reads every stored value over what is held. Returns 1 when the settings root does
    // not exist (a first run: nothing is read, nothing is created), else 0.
    int Nacist();
    // The first recording device when it was not known before Nacist: the held device
    // becomes the one NastavitVychozi(prvniZarizeni) and Nacist would have given together
    // (the device as the default, the stored values of the device over it). Listing the
    // devices is slow and loads the sound system, so the program does it only when the
    // device is first needed. Nothing changes without a device; either way the store counts
    // as completed (ZarizeniDoplneno).
    void DoplnitZarizeni(const std::optional<VychoziZarizeni>& prvniZarizeni);
    bool ZarizeniDoplneno() const { return zarizeniDoplneno_; }
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
    bool zarizeniDoplneno_ = false;
};

UlozisteNastaveni& UlozisteAplikace();
// The settings of UlozisteAplikace().
Nastaveni& NastaveniAplikace();

} // namespace Vrbatec
