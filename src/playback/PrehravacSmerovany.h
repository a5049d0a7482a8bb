// The player the program plays with: the hosted control and the built-in stream engine behind
// one Prehravac. Each opened address goes to the one VolbaPrehravace chooses; the engine is
// made on the first address it gets, and whatever it offers back (content it does not decode)
// is played by the control. Only the player that plays now is heard: its play states, titles
// and media information reach the listener, the other's do not.
//
// The volume, mute and buffer time are kept here and given to both players, so switching
// between them keeps what the user set.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "playback/Prehravac.h"

namespace Vrbatec {

struct TovarnyPrehravace {
    // Each makes its player for the listener given; throws the HRESULT of a failure.
    using Tovarna = std::function<std::unique_ptr<Prehravac>(PosluchacPrehravace&)>;
    Tovarna ovladac;
    Tovarna motor;
    // "prehravacStreamu" as it is now.
    std::function<std::uint32_t()> volba;
};

// Makes the control at once (its failure is thrown; no control, no player); the engine waits
// for its first address.
std::unique_ptr<Prehravac> VytvoritPrehravacSmerovany(TovarnyPrehravace tovarny,
                                                      PosluchacPrehravace& posluchac);

} // namespace Vrbatec
