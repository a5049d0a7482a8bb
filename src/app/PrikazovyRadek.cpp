#include "app/PrikazovyRadek.h"

#include <array>

namespace Vrbatec::PrikazovyRadek {

namespace {

wchar_t MalePismeno(wchar_t znak) {
    return (znak >= L'A' && znak <= L'Z') ? static_cast<wchar_t>(znak - L'A' + L'a') : znak;
}

bool StejneBezOhleduNaVelikost(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (MalePismeno(a[i]) != MalePismeno(b[i])) {
            return false;
        }
    }
    return true;
}

struct Prepinac {
    std::wstring_view slovo;
    Registrace registrace;
};

// In the order in which they are tried at each token.
constexpr std::array<Prepinac, 4> kPrepinace{{
    {L"UnregServer", Registrace::Odregistrovat},
    {L"RegServer", Registrace::Registrovat},
    {L"UnregServerPerUser", Registrace::OdregistrovatUzivatele},
    {L"RegServerPerUser", Registrace::RegistrovatUzivatele},
}};

struct Slovo {
    std::wstring_view text;
    PrikazoveSlovo prikaz;
};

constexpr std::array<Slovo, 8> kSlova{{
    {L"nast", {40002, true}},
    {L"sp", {40006, true}},
    {L"sz", {40030, true}},
    {L"zp", {40007, false}},
    {L"zz", {40031, false}},
    {L"hp", {40021, false}},
    {L"hm", {40020, false}},
    {L"z0", {40013, false}},
}};

} // namespace

std::optional<Registrace> NajitRegistraci(std::wstring_view argumenty) {
    for (size_t i = 0; i < argumenty.size(); ++i) {
        if (argumenty[i] != L'-' && argumenty[i] != L'/') {
            continue;
        }
        const std::wstring_view zbytek = argumenty.substr(i + 1);
        const std::wstring_view token = zbytek.substr(0, zbytek.find(L' '));
        for (const Prepinac& prepinac : kPrepinace) {
            if (StejneBezOhleduNaVelikost(token, prepinac.slovo)) {
                return prepinac.registrace;
            }
        }
    }
    return std::nullopt;
}

std::optional<PrikazoveSlovo> NajitPrikazoveSlovo(std::wstring_view argument) {
    for (const Slovo& slovo : kSlova) {
        if (StejneBezOhleduNaVelikost(argument, slovo.text)) {
            return slovo.prikaz;
        }
    }
    return std::nullopt;
}

} // namespace Vrbatec::PrikazovyRadek
