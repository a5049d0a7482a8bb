// The rules of a numeric field: what text counts as its number, which numbers its bounds let
// through, what stays in the field when the user leaves it, and the hint that names the bounds.
//
// The number is unsigned and decimal, the way the dialog manager reads a field's number:
// spaces around it are tolerated (pasting can bring them, although typing cannot), anything
// else, an empty text or a value beyond 32 bits is no number. A negative bound is no bound.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Vrbatec::WinApi {

struct RozsahCisla {
    std::int32_t minimum = -1;
    std::int32_t maximum = -1;
};

std::optional<std::uint32_t> PrecistCislo(std::wstring_view text);

bool JeVRozsahu(std::uint32_t cislo, RozsahCisla rozsah) noexcept;

// The number of the text when it is one and within the bounds; otherwise nothing, and the
// caller keeps what it had.
std::optional<std::uint32_t> PlatneCislo(std::wstring_view text, RozsahCisla rozsah);

// What a field holds once the user leaves it with this text: the text's number when it is
// valid, otherwise the value it held before, which must then be shown again.
struct CisloPoOpusteni {
    std::uint32_t hodnota;
    bool obnovitText;
};
CisloPoOpusteni OpustitPole(std::wstring_view text, RozsahCisla rozsah, std::uint32_t ulozena);

// The tooltip of the field, naming the bounds that are set.
std::wstring NapovedaRozsahu(RozsahCisla rozsah);

} // namespace Vrbatec::WinApi
