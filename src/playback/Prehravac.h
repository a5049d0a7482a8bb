// The hosted media player as the rest of the program sees it: the few operations it asks of
// the control and the one event it listens to. Nothing outside the player's own files knows
// the control's interfaces; tests put a scripted player in its place.
//
// Every operation runs on the user-interface thread and returns the control's HRESULT.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "sources/MediumZdroje.h"

namespace Vrbatec {

// Play states as the control numbers them.
enum class StavPrehravace : std::int32_t {
    Zastaveno = 1,
    Pozastaveno = 2,
    Prehrava = 3,
    VpredRychle = 4,
    VzadRychle = 5,
    NacitaniBufferu = 6,
    Cekani = 7,
    KonecMedia = 8,
    Prechod = 9,
    Pripraven = 10,
    ZnovuPripojovani = 11,
};

// Receives the control's PlayStateChange, on the user-interface thread. Any number may
// arrive, also ones outside StavPrehravace.
class PosluchacPrehravace {
public:
    virtual void PriZmeneStavu(std::int32_t stav) = 0;
    // The stream's title (InformaceMedia "Title") has changed while it plays.
    virtual void PriZmeneTitulu() {}
    // The player found content it does not play at `adresa` (as it was opened) and offers it
    // to another player. Without a taker the player fails as with any unplayable address.
    virtual bool PrevzitAdresu(const std::wstring& adresa) {
        (void)adresa;
        return false;
    }

protected:
    ~PosluchacPrehravace() = default;
};

class Prehravac : public MediumZdroje {
public:
    virtual ~Prehravac() = default;

    // The controls object: stop, play.
    virtual HRESULT Zastavit() = 0;
    virtual HRESULT Prehrat() = 0;
    // put_URL with a URL or file path as entered.
    virtual HRESULT OtevritUrl(const std::wstring& url) = 0;

    // The settings object may be missing; its operations then fail with E_POINTER.
    virtual bool MaNastaveni() const = 0;
    virtual HRESULT NastavitHlasitost(std::int32_t hlasitost) = 0;
    virtual HRESULT Ztlumeno(bool& ztlumeno) const = 0;
    virtual HRESULT NastavitZtlumeni(bool ztlumit) = 0;

    // The network object may be missing, as above.
    virtual bool MaSit() const = 0;
    virtual HRESULT NastavitDobuBufferu(std::int32_t milisekund) = 0;

    // The current media (MediumZdroje): getItemInfo and get_name of the control.

    // Why the last address failed (the ready state after opening it), in Czech for the status
    // bar; empty when the player cannot tell, as the hosted control cannot.
    virtual std::wstring DuvodSelhani() const { return {}; }
};

} // namespace Vrbatec
