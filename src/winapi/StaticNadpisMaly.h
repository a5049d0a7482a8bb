// A heading of second rank: like StaticNadpis, at 15 pixels, which stands out from the
// usual dialog text (about 11 pixels) without competing with the 20-pixel main heading.
#pragma once

#include "winapi/StaticNadpis.h"

namespace Knihovna {

class StaticNadpisMaly : public StaticNadpis {
public:
    static constexpr LONG kVyskaPisma = -15;

    StaticNadpisMaly() noexcept : StaticNadpis(kVyskaPisma) {}
};

} // namespace Knihovna
