// The settings dialog's rules that need no window: its pages in tree order, which page a
// start parameter opens, the order in which the pages are applied, and which settings the
// dialog edits.
#pragma once

#include <array>
#include <string_view>

#include "config/Nastaveni.h"

namespace Vrbatec::Ui::PravidlaDialoguNastaveni {

struct PopisStranky {
    int id;                 // the page's dialog resource number
    std::wstring_view text; // in the tree
    int obrazek;            // index in the small image strip
    std::wstring_view titulek;
};

inline constexpr int kObecne = 107;
inline constexpr int kPrehravac = 108;
inline constexpr int kHorkeKlavesy = 109;
inline constexpr int kIkona = 123;
inline constexpr int kPoSpusteni = 125;
inline constexpr int kZaznam = 127;

inline constexpr std::array<PopisStranky, 6> kStranky{{
    {kObecne, L"Všeobecné", 14, L"Všeobecné"},
    {kHorkeKlavesy, L"Klávesové zkratky", 13, L"Horké klávesy"},
    {kIkona, L"Ikona aplikace", 31, L"Ikona aplikace na hlavním panelu"},
    {kPoSpusteni, L"Po spuštění", 0, L"Akce po spuštění aplikace"},
    {kPrehravac, L"Přehrávač", 4, L"Médiapřehrávač"},
    {kZaznam, L"Záznam", 11, L"Záznam zvuku"},
}};

// The pages whose values apply copies into the settings, in that order; the hotkey page edits
// the table in place and has no step of its own.
inline constexpr std::array<int, 5> kPoradiPouziti{kObecne, kIkona, kPoSpusteni, kPrehravac,
                                                   kZaznam};

// Index in kStranky of the page that a start parameter opens: the player, hotkey, icon and
// after-start pages by their numbers, the general page for anything else.
std::size_t StartovniStranka(long long parametr);
// Index in kStranky of a page number; kStranky.size() for a number that is none.
std::size_t IndexStranky(int id);

// Takes the settings that the dialog edits from `dialog` into `cil` and leaves every other
// field of `cil` as it is, so that what changed outside the dialog while it was open survives.
void PrevzitUpravy(Nastaveni& cil, const Nastaveni& dialog);

} // namespace Vrbatec::Ui::PravidlaDialoguNastaveni
