// Which player plays an address: internet radios (http, https) the built-in engine, unless
// the user chose the hosted control for everything; files and every other scheme the control.
#pragma once

#include <cstdint>
#include <string_view>

namespace Vrbatec::VolbaPrehravace {

enum class Cil { Ovladac, Motor };

// `prehravacStreamu` as stored; only kStreamyOvladacem keeps streams from the engine.
Cil ProAdresu(std::wstring_view adresa, std::uint32_t prehravacStreamu);

} // namespace Vrbatec::VolbaPrehravace
