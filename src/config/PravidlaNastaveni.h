// What a copy of the settings must hold before it takes the place of the live ones. Only the
// values that the copy changes are judged: a value that was stored by an older version, or
// edited by hand, does not block an unrelated change such as hiding a bar.
#pragma once

#include <optional>
#include <string_view>

#include "config/Nastaveni.h"

namespace Vrbatec::PravidlaNastaveni {

// The message for the first changed value that breaks its rule, in Czech for the user;
// nothing when the copy may be applied.
std::optional<std::wstring_view> PrvniChyba(const Nastaveni& kopie, const Nastaveni& puvodni);

} // namespace Vrbatec::PravidlaNastaveni
