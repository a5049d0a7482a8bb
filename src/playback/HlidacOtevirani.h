// Passes every play state on, and watches the states that the control reports while a URL is
// being opened. Some versions of the control try to start the media at once, within the open,
// and when that fails they keep the half-built playback of the attempt: a play on top of it
// crashes them, a stop first clears it. Such an attempt shows as Transitioning followed, still
// within the open, by Stopped or by an undefined state. Where the control reports its states
// later, as it does on Windows, nothing is noted and nothing changes.
#pragma once

#include <cstdint>
#include <utility>

#include "playback/Prehravac.h"

namespace Vrbatec {

class HlidacOtevirani final : public PosluchacPrehravace {
public:
    explicit HlidacOtevirani(PosluchacPrehravace& posluchac) noexcept : posluchac_(posluchac) {}

    void PriZmeneStavu(std::int32_t stav) override {
        if (otevira_) {
            startovalo_ = startovalo_ || stav == kPrechod;
            posledni_ = stav;
        }
        posluchac_.PriZmeneStavu(stav);
    }

    template <class Otevreni>
    HRESULT Otevrit(Otevreni otevreni) {
        startovalo_ = false;
        posledni_ = kPrechod;
        otevira_ = true;
        const HRESULT hr = otevreni();
        otevira_ = false;
        neuspesnyStart_ = startovalo_ && (posledni_ == kNedefinovano || posledni_ == kZastaveno);
        return hr;
    }

    // Whether a stop must come before the next play; asking clears the note.
    bool VyzvednoutNeuspesnyStart() noexcept { return std::exchange(neuspesnyStart_, false); }

private:
    static constexpr std::int32_t kNedefinovano = 0;
    static constexpr std::int32_t kZastaveno = static_cast<std::int32_t>(StavPrehravace::Zastaveno);
    static constexpr std::int32_t kPrechod = static_cast<std::int32_t>(StavPrehravace::Prechod);

    PosluchacPrehravace& posluchac_;
    bool otevira_ = false;
    bool startovalo_ = false;
    std::int32_t posledni_ = kPrechod;
    bool neuspesnyStart_ = false;
};

} // namespace Vrbatec
