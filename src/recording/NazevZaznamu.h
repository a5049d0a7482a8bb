// The path of a new recording: the recordings folder, the name of what plays, the local date
// and time of the start to the minute, and the extension of the chosen profile, e.g.
// "Rádio Jih 5.12.2026 09-07.wma".
//
// A source's name comes from the user and may hold characters that no file name can; each of
// them becomes "-", so that a station with such a name can be recorded at all. Two recordings
// started in the same minute would get the same path: the later one takes the first free
// " (2)", " (3)", … before the extension instead of overwriting the earlier file. Whether a
// path is taken is asked of the caller, so these rules need no file system.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Vrbatec::NazevZaznamu {

// The local time of the start, as the system clock gives it.
struct Okamzik {
    std::uint32_t den = 1;
    std::uint32_t mesic = 1;
    std::uint32_t rok = 1970;
    std::uint32_t hodina = 0;
    std::uint32_t minuta = 0;
};

using JeObsazena = std::function<bool(const std::wstring& cesta)>;

// How many numbered names are tried before the folder is taken as full.
inline constexpr std::uint32_t kNejvyssiPoradi = 999;

// Every character that a file name cannot hold (\ / : * ? " < > | and the control characters
// below the space) becomes "-"; everything else stays, also spaces and dots.
std::wstring BezpecnyNazev(std::wstring_view nazev);

// The playing name made safe and followed by a space; "Záznam " when nothing plays.
std::wstring CastSNazvem(std::wstring_view prehravanyNazev);

// "5.12.2026 09-07": day, month and year without leading zeros, hour and minute with two digits.
std::wstring DatumACas(const Okamzik& okamzik);

// The folder and the file name joined by one backslash; a folder that already ends in a
// separator (a drive's root, "D:\") gets no second one.
std::wstring VeSlozce(std::wstring_view slozka, std::wstring_view jmenoSouboru);

// The path itself when it is free, else the first free one numbered from 2 before the
// extension; nothing when even number kNejvyssiPoradi is taken.
std::optional<std::wstring> VolnaCesta(std::wstring_view bezPripony, std::wstring_view pripona,
                                       const JeObsazena& jeObsazena);

// The whole rule: the free path of a recording of `prehravanyNazev` started at `okamzik`.
std::optional<std::wstring> CestaZaznamu(std::wstring_view slozka,
                                         std::wstring_view prehravanyNazev, const Okamzik& okamzik,
                                         std::wstring_view pripona, const JeObsazena& jeObsazena);

} // namespace Vrbatec::NazevZaznamu
