// The recorder: one recording at a time, of the chosen capture device into a file of the
// recordings folder named after what plays and when (NazevZaznamu), written by the graph of
// the chosen profile's writer.
//
// It copies everything it needs at the start, so settings changed during a recording take
// effect at the next one, and it is independent of playback: stopping or changing what plays
// leaves a recording alone. What the user sees of it (the blinking status icon, the command
// states, the notification icon's balloon and tooltip) goes through its Okoli, which the main
// window gives while it exists.
//
// A recording still running when the window goes is finished (Dokoncit) so the file is
// complete and plays; so is one whose recorder is destroyed.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "config/Guid.h"
#include "recording/GrafZaznamu.h"
#include "recording/NazevZaznamu.h"
#include "recording/ZarizeniZaznamu.h"

namespace Vrbatec {

// What one recording is made of, copied at its start.
struct ZadaniZaznamu {
    std::wstring slozka;
    // The name of what plays; empty when nothing does.
    std::wstring prehravanyNazev;
    ZarizeniZaznamu zarizeni;
    Guid profil;
};

class Nahravac {
public:
    class Okoli {
    public:
        // The main window's blinking timer.
        virtual HRESULT SpustitBlikani() = 0;
        virtual HRESULT UkoncitBlikani() = 0;
        // A balloon on the notification icon and its new tooltip (the application's title
        // when empty); nothing happens without the icon.
        virtual void OznamitNaIkone(const std::wstring& bublina, const std::wstring& tip) = 0;
        // A recording began or ended: the command states and the status icon follow.
        virtual void ZmenilSeZaznam() = 0;

    protected:
        ~Okoli() = default;
    };

    using Hodiny = std::function<NazevZaznamu::Okamzik()>;
    using JeObsazena = NazevZaznamu::JeObsazena;

    // The clock and the question whether a path is taken are the system's unless given.
    explicit Nahravac(TovarnaGrafu tovarna, Hodiny hodiny = {}, JeObsazena jeObsazena = {});
    ~Nahravac();
    Nahravac(const Nahravac&) = delete;
    Nahravac& operator=(const Nahravac&) = delete;

    // The window's side, or null when it goes; a running recording goes on without it.
    void Pripojit(Okoli* okoli) noexcept { okoli_ = okoli; }

    bool Bezi() const noexcept { return graf_ != nullptr; }
    // The path of the running recording, or of the last one tried.
    const std::wstring& Soubor() const noexcept { return soubor_; }

    // Starts a recording; S_FALSE without doing anything while one runs. A failure is shown
    // (the path and the system's description) and returned, and nothing changes. A blinking
    // timer that cannot be set is shown the same way, but the recording runs on.
    HRESULT Spustit(const ZadaniZaznamu& zadani);
    // Ends the recording with its signs; nothing while none runs. A timer that cannot be
    // ended ends the program.
    void Ukoncit();
    // Finishes the file of a running recording without any sign, for the end of the program.
    void Dokoncit() noexcept;

private:
    HRESULT SestavitGraf(GrafZaznamu& graf, const ZadaniZaznamu& zadani);
    void OznamitChybuSpusteni(HRESULT hr) const;

    TovarnaGrafu tovarna_;
    Hodiny hodiny_;
    JeObsazena jeObsazena_;
    Okoli* okoli_ = nullptr;
    std::unique_ptr<GrafZaznamu> graf_;
    std::wstring soubor_;
};

} // namespace Vrbatec
