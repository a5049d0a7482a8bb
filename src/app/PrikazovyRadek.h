// What the command line asks for: a module-registration switch, or a command word that is
// forwarded to the running copy (or kept as the start command when there is none).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace Vrbatec::PrikazovyRadek {

enum class Registrace { Odregistrovat, Registrovat, OdregistrovatUzivatele, RegistrovatUzivatele };

// Looks for "-word" or "/word" anywhere in the arguments; the word must match a switch
// whole (up to a space or the end), regardless of case.
std::optional<Registrace> NajitRegistraci(std::wstring_view argumenty);

struct PrikazoveSlovo {
    std::uint32_t prikaz;
    // Whether the command is run by this process when no copy is running.
    bool ponechatBezBeziciKopie;
};

// The command word given as the first argument ("sp", "zp", ...), compared whole and
// regardless of case.
std::optional<PrikazoveSlovo> NajitPrikazoveSlovo(std::wstring_view argument);

} // namespace Vrbatec::PrikazovyRadek
